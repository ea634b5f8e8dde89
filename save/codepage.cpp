// SPDX-License-Identifier: MIT
#include "codepage.h"
#include "codepagemap.h"

#include <QHash>

#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace kestrin {

namespace {

// The code page of a language in its usual script.
int codePageForLanguage(QLocale::Language language)
{
    switch (language) {
    case QLocale::Czech:
    case QLocale::Slovak:
    case QLocale::Polish:
    case QLocale::Hungarian:
    case QLocale::Slovenian:
    case QLocale::Croatian:
    case QLocale::Romanian:
    case QLocale::Albanian:
    case QLocale::Bosnian: return 1250;
    case QLocale::Serbian:
    case QLocale::Russian:
    case QLocale::Ukrainian:
    case QLocale::Belarusian:
    case QLocale::Bulgarian:
    case QLocale::Macedonian:
    case QLocale::Kazakh: return 1251;
    case QLocale::Greek: return 1253;
    case QLocale::Turkish:
    case QLocale::Azerbaijani: return 1254;
    case QLocale::Hebrew: return 1255;
    case QLocale::Arabic:
    case QLocale::Persian:
    case QLocale::Urdu: return 1256;
    case QLocale::Estonian:
    case QLocale::Latvian:
    case QLocale::Lithuanian: return 1257;
    case QLocale::Vietnamese: return 1258;
    default: return 1252;
    }
}

} // namespace

// Languages written in Cyrillic or in Latin letters follow the script: a
// Slavic language in Latin letters takes the Central European code page.
int detail::codePageFor(QLocale::Language language, QLocale::Script script)
{
    if (script == QLocale::CyrillicScript)
        return 1251;
    const int codePage = codePageForLanguage(language);
    return codePage == 1251 && script == QLocale::LatinScript ? 1250 : codePage;
}

int ansiCodePageForLocale(const QLocale &locale)
{
    return detail::codePageFor(locale.language(), locale.script());
}

QString codePageName(int codePage)
{
    return QStringLiteral("windows-%1").arg(codePage);
}

QString codePointName(char32_t cp)
{
    return QStringLiteral("U+%1").arg(uint(cp), 4, 16, QLatin1Char('0')).toUpper();
}

qsizetype chunkEnd(QStringView text, qsizetype pos)
{
    if (pos >= text.size())
        return text.size();
    if (pos > 0 && QChar::isHighSurrogate(text[pos - 1].unicode()))
        return pos - 1;
    return pos;
}

namespace {

using detail::CodePageMap;

} // namespace

const CodePageMap &detail::codePageMap(int codePage)
{
    static std::mutex lock;
    static std::map<int, std::unique_ptr<CodePageMap>> maps;
    const std::lock_guard<std::mutex> locked(lock);
    std::unique_ptr<CodePageMap> &map = maps[codePage];
    if (!map)
        map = std::make_unique<CodePageMap>(codePage);
    return *map;
}

namespace {

bool inTable(const CodePageMap &table, char16_t u)
{
    return u < 0x80 || table.bytesOf(u) != 0;
}

void appendMapped(const CodePageMap &table, char16_t u, QByteArray *out)
{
    if (!out)
        return;
    if (u < 0x80) {
        out->append(char(u));
        return;
    }
    const quint16 bytes = table.bytesOf(u);
    if (bytes > 0xFF)
        out->append(char(bytes >> 8));
    out->append(char(bytes & 0xFF));
}

// Encodes one code point into the code page. A composed letter that has no
// byte of its own is written as a letter plus combining marks where the code
// page has them, as Windows does for Vietnamese in Windows-1258: the
// canonical decomposition is tried with each subset of its marks composed
// back into the base letter ("ệ" becomes "ê" plus the dot below).
bool mapCodePoint(const CodePageMap &table, char32_t cp, QByteArray *out)
{
    if (cp < 0x10000 && !QChar::isSurrogate(cp) && inTable(table, char16_t(cp))) {
        appendMapped(table, char16_t(cp), out);
        return true;
    }
    if (cp >= 0x10000)
        return table.appendSupplementary(cp, out);
    if (QChar::isSurrogate(cp))
        return false;
    const QString decomposed = QString(QChar(char16_t(cp))).normalized(QString::NormalizationForm_D);
    const qsizetype marks = decomposed.size() - 1;
    if (marks < 1 || marks > 4)
        return false;
    for (int subset = (1 << marks) - 1; subset >= 0; --subset) {
        QString composed(decomposed[0]);
        QString rest;
        for (qsizetype m = 0; m < marks; ++m) {
            if (subset & (1 << m))
                composed += decomposed[m + 1];
            else
                rest += decomposed[m + 1];
        }
        composed = composed.normalized(QString::NormalizationForm_C);
        const QString candidate = composed + rest;
        bool all = true;
        for (QChar c : candidate)
            all = all && !c.isSurrogate() && inTable(table, c.unicode());
        if (!all || candidate.size() < 2)
            continue;
        for (QChar c : candidate)
            appendMapped(table, c.unicode(), out);
        return true;
    }
    return false;
}

// Reads one code point at i (advancing i); a lone surrogate is returned as is.
char32_t nextCodePoint(QStringView text, qsizetype &i)
{
    const char16_t u = text[i].unicode();
    ++i;
    if (QChar::isHighSurrogate(u) && i < text.size() && QChar::isLowSurrogate(text[i].unicode()))
        return QChar::surrogateToUcs4(u, text[i++].unicode());
    return u;
}

} // namespace

TextEncoder TextEncoder::codePage(int codePage, bool replaceUnmappable)
{
    TextEncoder e;
    e.m_kind = Kind::CodePage;
    e.m_codePage = isSupportedCodePage(codePage) ? codePage : 1252;
    e.m_replace = replaceUnmappable;
    return e;
}

TextEncoder TextEncoder::utf8(bool withBom)
{
    TextEncoder e;
    e.m_kind = withBom ? Kind::Utf8WithBom : Kind::Utf8;
    return e;
}

QByteArray TextEncoder::prefix() const
{
    if (m_kind == Kind::Utf8WithBom)
        return QByteArrayLiteral("\xEF\xBB\xBF");
    return {};
}

namespace {

// Characters looked at together on the fast path for plain ASCII text.
constexpr qsizetype kBlock = 64;

bool blockIsAscii(const char16_t *src)
{
    char16_t bits = 0;
    for (qsizetype k = 0; k < kBlock; ++k)
        bits |= src[k];
    return bits < 0x80;
}

// Narrows a run of ASCII characters; the restrict pointers let the compiler
// use vector instructions.
void narrowAscii(const char16_t *__restrict src, char *__restrict dst, qsizetype n)
{
    for (qsizetype k = 0; k < n; ++k)
        dst[k] = char(src[k]);
}

} // namespace

bool TextEncoder::encode(QStringView text, QByteArray &out) const
{
    if (m_kind != Kind::CodePage) {
        out.append(text.toUtf8());
        return true;
    }
    const CodePageMap &table = detail::codePageMap(m_codePage);
    const qsizetype start = out.size();
    out.resize(start + text.size()); // one byte per UTF-16 unit, unless decomposed or double-byte
    char *dst = out.data() + start;
    qsizetype written = 0;
    const char16_t *src = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + kBlock <= n && blockIsAscii(src + i)) {
            narrowAscii(src + i, dst + written, kBlock);
            written += kBlock;
            i += kBlock;
            continue;
        }
        const char16_t u = src[i];
        if (u < 0x80) {
            dst[written++] = char(u);
            ++i;
            continue;
        }
        if (!QChar::isSurrogate(u)) {
            const quint16 bytes = table.bytesOf(u);
            if (bytes != 0 && bytes <= 0xFF) {
                dst[written++] = char(bytes);
                ++i;
                continue;
            }
        }
        const char32_t cp = nextCodePoint(text, i);
        QByteArray bytes;
        if (!mapCodePoint(table, cp, &bytes)) {
            if (!m_replace) {
                out.resize(start + written);
                return false;
            }
            bytes = QByteArrayLiteral("?");
        }
        if (bytes.size() > 1) {
            // A decomposed character may be longer than its UTF-16 form.
            out.resize(out.size() + bytes.size());
            dst = out.data() + start;
        }
        memcpy(dst + written, bytes.constData(), size_t(bytes.size()));
        written += bytes.size();
    }
    out.resize(start + written);
    return true;
}

QByteArray TextEncoder::encode(QStringView text) const
{
    QByteArray out = prefix();
    encode(text, out);
    return out;
}

namespace {

// Moves i to just past the next character from i on that the code page
// cannot hold, and returns it; std::nullopt at the end of the text.
std::optional<char32_t> nextUnmappable(const CodePageMap &table, QStringView text, qsizetype &i)
{
    const char16_t *src = text.utf16();
    const qsizetype n = text.size();
    while (i < n) {
        if (i + kBlock <= n && blockIsAscii(src + i)) {
            i += kBlock;
            continue;
        }
        if (!QChar::isSurrogate(src[i]) && inTable(table, src[i])) {
            ++i;
            continue;
        }
        const char32_t cp = nextCodePoint(text, i);
        if (!mapCodePoint(table, cp, nullptr))
            return cp;
    }
    return std::nullopt;
}

} // namespace

bool TextEncoder::canEncode(QStringView text) const
{
    if (m_kind != Kind::CodePage)
        return true;
    qsizetype i = 0;
    return !nextUnmappable(detail::codePageMap(m_codePage), text, i);
}

QList<UnmappableChar> TextEncoder::unmappable(QStringView text, qsizetype limit) const
{
    QList<UnmappableChar> found;
    if (m_kind != Kind::CodePage)
        return found;
    const CodePageMap &table = detail::codePageMap(m_codePage);
    qsizetype line = 1;
    qsizetype column = 1;
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t u = text[i].unicode();
        if (u == '\n') {
            ++line;
            column = 1;
            ++i;
            continue;
        }
        if (u == '\r') {
            // CR LF counts as one line break; a lone CR is a break too.
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            ++line;
            column = 1;
            ++i;
            continue;
        }
        const char32_t cp = nextCodePoint(text, i);
        if (!mapCodePoint(table, cp, nullptr)) {
            found.append({cp, line, column});
            if (limit > 0 && found.size() >= limit)
                break;
        }
        ++column;
    }
    return found;
}

QList<char32_t> TextEncoder::distinctUnmappable(QStringView text, qsizetype maxDistinct, bool *more) const
{
    QList<char32_t> found;
    if (more)
        *more = false;
    if (m_kind != Kind::CodePage)
        return found;
    const CodePageMap &table = detail::codePageMap(m_codePage);
    qsizetype i = 0;
    while (const std::optional<char32_t> cp = nextUnmappable(table, text, i)) {
        if (found.contains(*cp))
            continue;
        if (found.size() >= maxDistinct) {
            if (more)
                *more = true;
            break;
        }
        found.append(*cp);
    }
    return found;
}

QString describeCharacter(char32_t cp, GlyphPlace place)
{
    const QString name = codePointName(cp);
    if (!QChar::isPrint(cp) || QChar::isSpace(cp))
        return name;
    const QString glyph = QString::fromUcs4(&cp, 1);
    return place == GlyphPlace::First ? QStringLiteral("%1 (%2)").arg(glyph, name)
                                      : QStringLiteral("%1 (%2)").arg(name, glyph);
}

} // namespace kestrin
