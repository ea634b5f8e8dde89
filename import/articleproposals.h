// SPDX-License-Identifier: MIT
#pragma once

// The import's proposals against an article: what the article holds now
// for each proposed field, and the article with the chosen proposals
// taken. The review dialog and kestrin-readme --import both use these, so
// that both take a proposal the same way.

#include "article.h"
#include "importer.h"

#include <QList>
#include <QString>

#include <optional>

namespace kestrin::import {

// The field's caption as the review names it.
QString proposalFieldName(ProposalField field);

// What the article holds for the field now, as the review shows it.
QString currentValue(const Article &article, ProposalField field);

// The article with the given proposals of result applied: kind, name,
// author(s), web address, required game version, description as found;
// required addons as "User defined" with the list (addonsText instead of
// the proposal's list when given), or "None - official only" when the
// list is empty. Fields not in `take` are left as they are.
Article applyProposals(Article article, const ImportResult &result, const QList<ProposalField> &take,
                       const std::optional<QString> &addonsText = std::nullopt);

// Every proposal's field, for taking them all.
QList<ProposalField> allFields(const ImportResult &result);

} // namespace kestrin::import
