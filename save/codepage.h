// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace kestrin {

// The Windows single-byte ("ANSI") code page that belongs to a locale, as
// Windows derives it from the system locale: 1250 to 1258, else 1252.
int ansiCodePageForLocale(const QLocale &locale);
// The system locale's; a modifier of the locale's name that names the
// script counts: "sr_RS.UTF-8@latin" is Serbian in Latin letters.
int systemAnsiCodePage();

bool isSupportedCodePage(int codePage);
QString codePageName(int codePage); // "windows-1252"

// A character of a text that a code page cannot hold, with its place
// (1-based line and column, counted in characters).
struct UnmappableChar {
    char32_t codePoint = 0;
    qsizetype line = 0;
    qsizetype column = 0;
};

// How the text is turned into bytes.
class TextEncoder {
public:
    enum class Kind { CodePage, Utf8, Utf8WithBom };

    static TextEncoder codePage(int codePage, bool replaceUnmappable = false);
    static TextEncoder utf8(bool withBom);

    Kind kind() const { return m_kind; }
    int codePageNumber() const { return m_codePage; }
    bool replacesUnmappable() const { return m_replace; }

    // Bytes that open the file (the UTF-8 byte-order mark, or nothing).
    QByteArray prefix() const;

    // Appends the encoding of text to out. Under a code page a character it
    // cannot hold is written as '?' when replacing; otherwise encoding stops
    // there and false is returned. Texts cut into chunks must be cut where
    // chunkEnd() says, so that no surrogate pair is split.
    bool encode(QStringView text, QByteArray &out) const;
    // The whole text with the prefix; stops where encode() would.
    QByteArray encode(QStringView text) const;

    // Every character that this encoder cannot hold, in order of appearance.
    // Empty for UTF-8. Stops after limit hits (0: no limit).
    QList<UnmappableChar> unmappable(QStringView text, qsizetype limit = 0) const;

    // The distinct characters this encoder cannot hold, in order of first
    // appearance, at most maxDistinct of them; *more is set when there are
    // further ones.
    QList<char32_t> distinctUnmappable(QStringView text, qsizetype maxDistinct, bool *more = nullptr) const;

    // Cheap test: does the text hold any character the encoder cannot hold?
    bool canEncode(QStringView text) const;

private:
    Kind m_kind = Kind::CodePage;
    int m_codePage = 1252;
    bool m_replace = false;
};

// A safe place to cut a text into chunks at or before pos: never between
// the two halves of a surrogate pair.
qsizetype chunkEnd(QStringView text, qsizetype pos);

// "U+0142" style name of a code point.
QString codePointName(char32_t cp);

// A character as messages name it: its glyph and its code point, "ł
// (U+0142)" or "U+0142 (ł)"; the code point alone where it has no visible
// glyph.
enum class GlyphPlace { First, Last };
QString describeCharacter(char32_t cp, GlyphPlace place);

namespace detail {
extern const char16_t kUpperHalves[9][128];
}

} // namespace kestrin
