// SPDX-License-Identifier: MIT
#include "articlesource.h"

#include <algorithm>

namespace kestrin {

SourcePlace SourcePlaces::place(qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, m_text.size());
    if (offset < m_offset) {
        m_offset = 0;
        m_place = {1, 1};
    }
    for (; m_offset < offset; ++m_offset) {
        const uchar c = uchar(m_text[m_offset]);
        if (c == '\n') {
            ++m_place.line;
            m_place.column = 1;
        } else if ((c & 0xC0) != 0x80) {
            // Characters, not bytes: UTF-8 continuation bytes add nothing.
            ++m_place.column;
        }
    }
    return m_place;
}

SourcePlace placeInText(QByteArrayView text, qsizetype offset)
{
    return SourcePlaces(text).place(offset);
}

} // namespace kestrin
