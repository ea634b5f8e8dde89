// SPDX-License-Identifier: MIT
#pragma once

// The loops that every rendered character goes through: finding where a
// line ends, and copying ASCII into the sink's buffers with backslashes
// where the format needs them. On x86-64 they look at sixteen characters at
// a time (textscanblocks.h); elsewhere at one.

#include <QtGlobal>

#include <array>
#include <initializer_list>

namespace kestrin {

// Which ASCII characters get a backslash before them (see appendEscaped).
class EscapeTable {
public:
    constexpr EscapeTable(std::initializer_list<char> marked)
    {
        for (char c : marked) {
            m_marks[size_t(c)] = true;
            m_scanned = m_scanned && isScanned(c);
        }
    }
    constexpr bool operator[](char16_t c) const { return m_marks[c]; }
    // Whether the sink may look for the marked characters eight at a time:
    // it then tests only the characters that could be marked, which are
    // these.
    constexpr bool scannedInBlocks() const { return m_scanned; }
    static constexpr bool isScanned(char c)
    {
        return c == '#' || c == '&' || c == '*' || c == '<' || (c >= '[' && c <= '`')
               || (c >= '|' && static_cast<unsigned char>(c) < 0x80);
    }

private:
    std::array<bool, 128> m_marks{};
    bool m_scanned = true;
};

// The first CR or LF at or after from; size when there is none.
qsizetype findLineBreak(const char16_t *chars, qsizetype from, qsizetype size);

// Copies in[from, size) as bytes, with a backslash before each character
// that escape marks (no escaping without a table), up to the first
// character that is not ASCII; returns where it stopped, with out moved past
// what it wrote. It may write up to 16 bytes beyond that: the caller leaves
// room for them.
qsizetype copyAsciiToUtf8(char *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape);
// The same into UTF-16, one character at a time, without writing beyond
// the end: a backslash first where escape marks the character.
qsizetype copyAsciiEscaped(char16_t *&out, const char16_t *in, qsizetype from, qsizetype size,
                           const EscapeTable &escape);

} // namespace kestrin
