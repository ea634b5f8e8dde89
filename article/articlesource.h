// SPDX-License-Identifier: MIT
#pragma once

// Places (line and column) of byte offsets in a UTF-8 text, for messages
// that point into a file.

#include <QByteArrayView>

namespace kestrin {

struct SourcePlace {
    qsizetype line = 0;   // 1-based
    qsizetype column = 0; // 1-based, counted in characters
};

// Places offsets that are asked for in increasing order, counting each byte
// of the text once: placing every token of a text takes time linear in its
// size, however long its lines are. An offset before the last one asked
// for is counted again from the start.
class SourcePlaces {
public:
    explicit SourcePlaces(QByteArrayView text)
        : m_text(text)
    {
    }

    SourcePlace place(qsizetype offset);

private:
    QByteArrayView m_text;
    qsizetype m_offset = 0;
    SourcePlace m_place{1, 1};
};

// The place of one byte offset.
SourcePlace placeInText(QByteArrayView text, qsizetype offset);

} // namespace kestrin
