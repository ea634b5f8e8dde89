// SPDX-License-Identifier: MIT
// The block loops on x86-64, whose every processor has SSE2 (chosen by
// CMake for that processor; textscan_plain.cpp elsewhere).
#include "textscanblocks.h"

#include <bit>
#include <cstring>

#include <emmintrin.h>

namespace kestrin::textscan {

namespace {

// Writes the n (at most 8) bytes held in a number, with a backslash before
// each marked one that the table escapes. Each store writes eight bytes, up
// to eight beyond what it keeps; later bytes overwrite them.
[[gnu::always_inline]] inline char *putEscaped(char *o, quint64 bytes, unsigned marked, const char16_t *in, unsigned n,
                                               const EscapeTable &escape)
{
    unsigned from = 0;
    for (; marked != 0; marked &= marked - 1) {
        const unsigned at = unsigned(std::countr_zero(marked));
        if (!escape[in[at]])
            continue;
        // The bytes up to it, then the backslash; the character itself
        // comes with the next store.
        const quint64 rest = bytes >> (8 * from);
        std::memcpy(o, &rest, sizeof rest);
        o += at - from;
        *o++ = '\\';
        from = at;
    }
    const quint64 rest = bytes >> (8 * from);
    std::memcpy(o, &rest, sizeof rest);
    return o + (n - from);
}

// n (8 or 16) ASCII characters, narrowed to bytes, with a backslash before
// those that need one: the characters that may (what
// EscapeTable::isScanned lets through) are found all at once, then looked
// up one by one. Stores write up to eight bytes beyond what they keep.
template <bool Escape>
[[gnu::always_inline]] inline char *putBlock(char *o, __m128i bytes, const char16_t *in, unsigned n,
                                             const EscapeTable *escape)
{
    unsigned marked = 0;
    if constexpr (Escape) {
        const __m128i range1 =
            _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('[' - 1)), _mm_cmplt_epi8(bytes, _mm_set1_epi8('`' + 1)));
        const __m128i range2 = _mm_cmpgt_epi8(bytes, _mm_set1_epi8('|' - 1));
        const __m128i singles = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('#')),
                                                          _mm_cmpeq_epi8(bytes, _mm_set1_epi8('&'))),
                                             _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('*')),
                                                          _mm_cmpeq_epi8(bytes, _mm_set1_epi8('<'))));
        marked = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(range1, range2), singles)));
    }
    if (marked == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o), bytes);
        return o + n;
    }
    const quint64 first = quint64(_mm_cvtsi128_si64(bytes));
    o = putEscaped(o, first, marked & 0xFF, in, 8, *escape);
    if (n == 8)
        return o;
    const quint64 second = quint64(_mm_cvtsi128_si64(_mm_unpackhi_epi64(bytes, bytes)));
    return putEscaped(o, second, marked >> 8, in + 8, 8, *escape);
}

// Sixteen characters at a time, then eight; the last few are left to the
// one-by-one copy, and so is a block with a character that is not ASCII.
template <bool Escape>
qsizetype copyBlocks(char *&out, const char16_t *in, qsizetype i, qsizetype size, const EscapeTable *escape)
{
    const __m128i notAscii = _mm_set1_epi16(short(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    char *o = out;
    for (; i + 16 <= size; i += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i + 8));
        const __m128i wide = _mm_and_si128(_mm_or_si128(low, high), notAscii);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(wide, zero)) != 0xFFFF)
            break;
        o = putBlock<Escape>(o, _mm_packus_epi16(low, high), in + i, 16, escape);
    }
    if (i + 8 <= size) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(low, notAscii), zero)) == 0xFFFF) {
            o = putBlock<Escape>(o, _mm_packus_epi16(low, zero), in + i, 8, escape);
            i += 8;
        }
    }
    out = o;
    return i;
}
} // namespace

qsizetype copyAsciiBlocks(char *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape)
{
    return escape ? copyBlocks<true>(out, in, from, size, escape) : copyBlocks<false>(out, in, from, size, nullptr);
}

qsizetype skipToLineBreakBlocks(const char16_t *chars, qsizetype from, qsizetype size)
{
    qsizetype i = from;
    // Sixteen at a time while none is below 14 (CR and LF are).
    const __m128i thirteen = _mm_set1_epi16(13);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + i + 8));
        const __m128i small = _mm_or_si128(_mm_cmpeq_epi16(_mm_subs_epu16(low, thirteen), zero),
                                           _mm_cmpeq_epi16(_mm_subs_epu16(high, thirteen), zero));
        if (_mm_movemask_epi8(small) != 0)
            break;
    }
    return i;
}

} // namespace kestrin::textscan
