// SPDX-License-Identifier: MIT
#pragma once

// Unicode to the bytes of one code page, as the system converts: behind
// TextEncoder, with one implementation per system (codepagesystem_*.cpp).

#include <QByteArray>
#include <QLocale>
#include <QtGlobal>

#include <atomic>
#include <memory>

namespace kestrin::detail {

class CodePageMap {
public:
    explicit CodePageMap(int codePage);
    ~CodePageMap();
    CodePageMap(const CodePageMap &) = delete;
    CodePageMap &operator=(const CodePageMap &) = delete;

    // The bytes of a UTF-16 unit from 0x80 on that is not a surrogate: 0
    // where the code page has none, a byte (0x80 to 0xFF), or the two bytes
    // of a double-byte code page (lead byte << 8 | trail byte, from 0x8100).
    quint16 bytesOf(char16_t u) const
    {
        const quint16 bytes = m_table[u].load(std::memory_order_relaxed);
        return bytes != kNotLookedUp ? bytes : lookUp(u);
    }
    // Appends the bytes of a code point beyond U+FFFF; false where the code
    // page has none.
    bool appendSupplementary(char32_t cp, QByteArray *out) const;

    static constexpr quint16 kNotLookedUp = 0xFFFF;

private:
    // Asks the system for u's bytes and remembers them.
    quint16 lookUp(char16_t u) const;

    int m_codePage;
    std::unique_ptr<std::atomic<quint16>[]> m_table;
};

// The map of a code page that isSupportedCodePage() accepts, made at its
// first use and kept.
const CodePageMap &codePageMap(int codePage);

// The code page of a language written in a script (AnyScript: its usual one).
int codePageFor(QLocale::Language language, QLocale::Script script);

} // namespace kestrin::detail
