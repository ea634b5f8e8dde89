// SPDX-License-Identifier: MIT
#include "pagesanitizer.h"

#include "htmltokenizer.h"
#include "pagebuilder.h"

namespace kestrin::help {

SanitizedPage sanitizePage(QStringView html, const PageLimits &limits)
{
    HtmlTokenizer tokens(html);
    return PageBuilder(tokens, limits).run();
}

} // namespace kestrin::help
