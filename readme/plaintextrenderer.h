// SPDX-License-Identifier: MIT
#pragma once

// The plain-text ReadMe: the layout Create writes.

#include "readmemodel.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace kestrin {

// The plain-text layout of a model, as the pieces the text is joined from,
// in order. The pieces are views of the model's strings, so a large text is
// never copied to be assembled; they are valid while the model lives.
QList<QStringView> plainTextPieces(const ReadmeModel &model);
// Those pieces joined: the whole text, ending with the footer line (no
// final CR LF: the file writer adds it when it writes the text as a line).
QString plainText(const ReadmeModel &model);

} // namespace kestrin
