// SPDX-License-Identifier: MIT
#include "renderrules.h"

#include <QChar>

namespace kestrin {

bool isLinkable(QStringView web)
{
    qsizetype rest = 0;
    if (web.startsWith(u"http://", Qt::CaseInsensitive))
        rest = 7;
    else if (web.startsWith(u"https://", Qt::CaseInsensitive))
        rest = 8;
    if (rest == 0 || web.size() == rest)
        return false;
    for (QChar c : web) {
        const char16_t u = c.unicode();
        if (u <= 0x20 || (u >= 0x7f && u <= 0x9f) || c.isSpace() || u == u'"' || u == u'\'' || u == u'[' || u == u']'
            || u == u'<' || u == u'>' || u == u'{' || u == u'}' || u == u'`')
            return false;
    }
    return true;
}

QStringView withoutTrailingBlanks(QStringView text)
{
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

} // namespace kestrin
