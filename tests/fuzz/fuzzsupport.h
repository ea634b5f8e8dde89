// SPDX-License-Identifier: MIT
#pragma once

// Shared by the fuzz targets: invariant checks that end the run with a
// report libFuzzer records as a crash, and text made from fuzz bytes.

#include <QString>
#include <QStringView>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kestrin::fuzz {

[[noreturn]] inline void fail(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

#define KESTRIN_FUZZ_CHECK(condition)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::kestrin::fuzz::fail(#condition, __FILE__, __LINE__);                                                     \
    } while (false)

// A text from the next bytes, read in one of several ways so that every
// kind of character reaches the code: UTF-8 (invalid sequences become
// U+FFFD), Latin-1, raw UTF-16 (lone surrogate halves included), or UTF-8
// lines joined with CR LF as the window's multi-line fields hold them.
inline QString consumeText(FuzzedDataProvider &data, size_t maxBytes = 512)
{
    const int how = data.ConsumeIntegralInRange(0, 3);
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    switch (how) {
    case 0: return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    case 1: return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    case 2: {
        QString text(qsizetype(bytes.size() / 2), Qt::Uninitialized);
        std::memcpy(text.data(), bytes.data(), size_t(text.size()) * sizeof(char16_t));
        return text;
    }
    default: return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).replace(u'\n', QStringLiteral("\r\n"));
    }
}

// Whether every surrogate half of the text belongs to a pair.
inline bool isWellFormed(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

} // namespace kestrin::fuzz
