// SPDX-License-Identifier: MIT
#include "textscan.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) && defined(__x86_64__)
#define KESTRIN_TEXTSCAN_SSE2
#include <emmintrin.h>
#endif

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

#ifdef KESTRIN_TEXTSCAN_SSE2
// Eight characters at a time: the ASCII ones narrowed to bytes in one step
// and the few that may need a backslash looked up one by one. A block
// with a character that is not ASCII is left to the one-by-one copy. Each
// store writes eight bytes, up to eight beyond what the block gives (the
// caller leaves that room); later bytes overwrite them.
template <bool Escape>
qsizetype copyAsciiBlocks(char *&out, const char16_t *in, qsizetype i, qsizetype size, const EscapeTable *escape)
{
    const __m128i notAscii = _mm_set1_epi16(short(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    char *o = out;
    for (; i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, notAscii), zero)) != 0xFFFF)
            break;
        const quint64 bytes = quint64(_mm_cvtsi128_si64(_mm_packus_epi16(v, v)));
        unsigned marked = 0;
        if constexpr (Escape) {
            // What EscapeTable::isScanned lets through; all of it ASCII here.
            const __m128i range1 =
                _mm_and_si128(_mm_cmpgt_epi16(v, _mm_set1_epi16('[' - 1)), _mm_cmplt_epi16(v, _mm_set1_epi16('`' + 1)));
            const __m128i range2 = _mm_cmpgt_epi16(v, _mm_set1_epi16('|' - 1));
            const __m128i singles = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('#')),
                                                              _mm_cmpeq_epi16(v, _mm_set1_epi16('&'))),
                                                 _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('*')),
                                                              _mm_cmpeq_epi16(v, _mm_set1_epi16('<'))));
            const __m128i candidates = _mm_or_si128(_mm_or_si128(range1, range2), singles);
            marked = unsigned(_mm_movemask_epi8(_mm_packs_epi16(candidates, zero)));
        }
        // Up to each marked character that the table escapes, the bytes
        // so far, then the backslash; the character itself comes with the
        // next store.
        unsigned from = 0;
        for (; marked != 0; marked &= marked - 1) {
            const unsigned at = unsigned(std::countr_zero(marked));
            if (!(*escape)[in[i + at]])
                continue;
            const quint64 rest = bytes >> (8 * from);
            std::memcpy(o, &rest, sizeof rest);
            o += at - from;
            *o++ = '\\';
            from = at;
        }
        const quint64 rest = bytes >> (8 * from);
        std::memcpy(o, &rest, sizeof rest);
        o += 8 - from;
    }
    out = o;
    return i;
}
#endif

template <bool Escape>
qsizetype copyAscii(char *&out, const char16_t *in, qsizetype from, qsizetype size, const EscapeTable *escape)
{
#ifdef KESTRIN_TEXTSCAN_SSE2
    if (!Escape || escape->scannedInBlocks())
        from = copyAsciiBlocks<Escape>(out, in, from, size, escape);
#endif
    return copyAsciiOneByOne<char, Escape>(out, in, from, size, escape);
}

} // namespace

qsizetype findLineBreak(const char16_t *chars, qsizetype from, qsizetype size)
{
    qsizetype i = from;
#ifdef KESTRIN_TEXTSCAN_SSE2
    // Eight at a time while none is below 14 (CR and LF are).
    const __m128i thirteen = _mm_set1_epi16(13);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(v, thirteen), zero)) != 0)
            break;
    }
#endif
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
