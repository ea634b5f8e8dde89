// SPDX-License-Identifier: MIT
#pragma once

// What the BBCode and Markdown renderers decide alike.

#include <QStringView>

namespace kestrin {

// An address that a forum or a Markdown renderer can link as it stands: a
// web address (http:// or https://, nothing else that a reader's browser
// would run or open), with no quotes, blanks, brackets or control
// characters that could end the link early or smuggle in more; the start
// text "http://" alone is no address.
bool isLinkable(QStringView web);

// A label as a heading shows it: without the blanks that end it.
QStringView withoutTrailingBlanks(QStringView text);

} // namespace kestrin
