// SPDX-License-Identifier: MIT
#include "textscan.h"

#include "textscanblocks.h"

namespace kestrin {

namespace {

// ASCII, with a backslash first where the table asks for one, straight
// into the buffer; stops at the first character that is not ASCII and
// returns where it stopped.
template <typename Out, bool Escape>
qsizetype copyAsciiOneByOne(Out *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape)
{
    // A copy of the pointer: written through, the bytes could alias it.
    Out *o = out;
    qsizetype i = from;
    for (; i < size; ++i) {
        const char16_t c = in[i];
        if (c >= 0x80)
            break;
        if constexpr (Escape) {
            // Without a branch: the backslash is written every time and
            // overwritten by the character when it needs none.
            const bool escaped = (*escape)[c];
            *o = Out('\\');
            o[escaped] = Out(c);
            o += 1 + escaped;
        } else {
            *o++ = Out(c);
        }
    }
    out = o;
    return i;
}

template <bool Escape>
qsizetype copyAscii(char *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape)
{
    // Blocks only pay off for eight characters or more.
    if (size - from >= 8 && (!Escape || escape->scannedInBlocks()))
        from = textscan::copyAsciiBlocks(out, in, from, size, escape);
    return copyAsciiOneByOne<char, Escape>(out, in, from, size, escape);
}

} // namespace

qsizetype findLineBreak(const char16_t *chars, qsizetype from, qsizetype size)
{
    qsizetype i = size - from >= 16 ? textscan::skipToLineBreakBlocks(chars, from, size) : from;
    while (i < size && chars[i] != u'\n' && chars[i] != u'\r')
        ++i;
    return i;
}

qsizetype copyAsciiToUtf8(char *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape)
{
    return escape ? copyAscii<true>(out, in, from, size, escape) : copyAscii<false>(out, in, from, size, nullptr);
}

qsizetype copyAsciiEscaped(char16_t *&out, const char16_t *in, qsizetype from, qsizetype size,
                           const EscapeTable &escape)
{
    return copyAsciiOneByOne<char16_t, true>(out, in, from, size, &escape);
}

} // namespace kestrin
