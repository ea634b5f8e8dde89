// SPDX-License-Identifier: MIT
// The code pages on Windows: the system's ANSI code page (GetACP), any code
// page the system has, and the system's own conversion (WideCharToMultiByte
// without best-fit mapping, so that a character the code page cannot hold
// is reported instead of written as a look-alike). Double-byte code pages
// (932, 936, 949, 950) work as the single-byte ones do.
#include "codepage.h"
#include "codepagemap.h"

#include <windows.h>

namespace kestrin {

int systemAnsiCodePage()
{
    return int(GetACP());
}

bool isSupportedCodePage(int codePage)
{
    // The ANSI code pages: single- or double-byte, with ASCII as it is.
    CPINFO info{};
    return codePage > 0 && codePage != CP_UTF7 && codePage != CP_UTF8 && IsValidCodePage(UINT(codePage))
           && GetCPInfo(UINT(codePage), &info) && info.MaxCharSize <= 2;
}

namespace detail {

namespace {

// The code page's bytes for the UTF-16 text, or nothing where the system
// had to put in its default character.
QByteArray convert(int codePage, const wchar_t *text, int length)
{
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(UINT(codePage), WC_NO_BEST_FIT_CHARS, text, length, bytes, int(sizeof bytes),
                                      nullptr, &usedDefault);
    if (n <= 0 || usedDefault)
        return {};
    return QByteArray(bytes, n);
}

} // namespace

CodePageMap::CodePageMap(int codePage)
    : m_codePage(codePage)
    , m_table(std::make_unique<std::atomic<quint16>[]>(0x10000))
{
    for (int u = 0; u < 0x10000; ++u)
        m_table[u].store(kNotLookedUp, std::memory_order_relaxed);
}

CodePageMap::~CodePageMap() = default;

quint16 CodePageMap::lookUp(char16_t u) const
{
    const wchar_t unit = wchar_t(u);
    const QByteArray bytes = convert(m_codePage, &unit, 1);
    quint16 value = 0;
    if (bytes.size() == 1 && quint8(bytes[0]) >= 0x80)
        value = quint8(bytes[0]);
    else if (bytes.size() == 2 && quint8(bytes[0]) >= 0x81)
        value = quint16(quint8(bytes[0]) << 8 | quint8(bytes[1]));
    // A character written as an ASCII byte (a look-alike the conversion
    // allows even so) counts as not held.
    m_table[u].store(value, std::memory_order_relaxed);
    return value;
}

bool CodePageMap::appendSupplementary(char32_t cp, QByteArray *out) const
{
    const wchar_t pair[2] = {wchar_t(QChar::highSurrogate(cp)), wchar_t(QChar::lowSurrogate(cp))};
    const QByteArray bytes = convert(m_codePage, pair, 2);
    if (bytes.isEmpty())
        return false;
    if (out)
        out->append(bytes);
    return true;
}

} // namespace detail

} // namespace kestrin
