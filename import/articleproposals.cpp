// SPDX-License-Identifier: MIT
#include "articleproposals.h"

namespace kestrin::import {

QString proposalFieldName(ProposalField field)
{
    switch (field) {
    case ProposalField::Kind: return ImportText::tr("Article");
    case ProposalField::Name: return ImportText::tr("Name");
    case ProposalField::Author: return ImportText::tr("Author(s)");
    case ProposalField::WebAddress: return ImportText::tr("Web");
    case ProposalField::GameVersion: return ImportText::tr("Required game version");
    case ProposalField::RequiredAddons: return ImportText::tr("Required addons");
    case ProposalField::Description: return ImportText::tr("Description");
    }
    return {};
}

QString currentValue(const Article &article, ProposalField field)
{
    switch (field) {
    case ProposalField::Kind: return article.kind;
    case ProposalField::Name: return article.name;
    case ProposalField::Author: return article.authors;
    case ProposalField::WebAddress: return article.web;
    case ProposalField::GameVersion: return article.requiredGame;
    case ProposalField::RequiredAddons:
        // The form's own caption of the choice.
        return article.requiredAddons ? *article.requiredAddons : QStringLiteral("None - official only");
    case ProposalField::Description: return article.description;
    }
    return {};
}

Article applyProposals(Article article, const ImportResult &result, const QList<ProposalField> &take,
                       const std::optional<QString> &addonsText)
{
    for (const Proposal &p : result.proposals) {
        if (!take.contains(p.field))
            continue;
        switch (p.field) {
        case ProposalField::Kind: article.kind = p.value; break;
        case ProposalField::Name: article.name = p.value; break;
        case ProposalField::Author: article.authors = p.value; break;
        case ProposalField::WebAddress: article.web = p.value; break;
        case ProposalField::GameVersion: article.requiredGame = p.value; break;
        case ProposalField::RequiredAddons: {
            const QString list = addonsText.value_or(p.value);
            if (list.trimmed().isEmpty())
                article.requiredAddons.reset();
            else
                article.requiredAddons = list;
            break;
        }
        case ProposalField::Description: article.description = p.value; break;
        }
    }
    return article;
}

QList<ProposalField> allFields(const ImportResult &result)
{
    QList<ProposalField> out;
    for (const Proposal &p : result.proposals)
        out.append(p.field);
    return out;
}

} // namespace kestrin::import
