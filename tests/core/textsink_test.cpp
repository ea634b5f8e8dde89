// SPDX-License-Identifier: MIT
// The sink against a one-character-at-a-time reference: every mode gives
// the same text and bytes wherever the characters that need a backslash,
// the characters that are not ASCII, the surrogate halves and the line
// breaks fall among the blocks the sink copies at once.
#include "textscan.h"
#include "textsink.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <vector>

using namespace kestrin;

namespace {

constexpr EscapeTable kMarkup{'\\', '`', '*', '_', '[', ']', '<', '&', '~', '|', '#'};
// A table the sink cannot scan in blocks: "(" is none of the characters it
// looks for there.
constexpr EscapeTable kOther{'(', '*', 'a'};

struct Piece {
    QString text;
    const EscapeTable *escape = nullptr;
};

QString reference(const std::vector<Piece> &pieces)
{
    QString out;
    for (const Piece &p : pieces) {
        for (QChar c : p.text) {
            if (p.escape && c.unicode() < 0x80 && (*p.escape)[c.unicode()])
                out += QLatin1Char('\\');
            out += c;
        }
    }
    return out;
}

void write(TextSink &sink, const std::vector<Piece> &pieces)
{
    for (const Piece &p : pieces) {
        if (p.escape)
            sink.appendEscaped(p.text, *p.escape);
        else
            sink << p.text;
    }
}

// Whether a low surrogate half stands without its high half: Qt's encoder,
// fed a piece at a time as the sink feeds it, leaves such a half out where
// it writes a replacement character for the whole text at once.
bool hasLoneLowHalf(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

void expectAllModes(const std::vector<Piece> &pieces, const std::string &what)
{
    SCOPED_TRACE(what);
    const QString expected = reference(pieces);
    // A lone high half as the encoder writes it for the whole text.
    const QByteArray expectedBytes = QStringEncoder(QStringEncoder::Utf8)(expected);
    const bool comparable = !hasLoneLowHalf(expected);

    TextSink text(TextSink::Mode::Text);
    write(text, pieces);
    EXPECT_EQ(text.takeText(), expected);

    TextSink utf8(TextSink::Mode::Utf8);
    write(utf8, pieces);
    const QByteArray bytes = utf8.takeBytes();
    if (comparable) {
        EXPECT_EQ(bytes, expectedBytes);
    }

    QByteArray streamed;
    TextSink stream(TextSink::Mode::Stream, [&streamed](QByteArrayView chunk) {
        streamed += chunk;
        return true;
    });
    write(stream, pieces);
    EXPECT_TRUE(stream.finishStream());
    EXPECT_EQ(streamed, bytes);
}

QString with(qsizetype length, qsizetype at, QStringView inserted)
{
    QString s(length, u'a');
    s.replace(at, inserted.size(), inserted.toString());
    return s.left(length);
}

TEST(TextSink, EveryModeWritesWhatTheReferenceWrites)
{
    // What goes into a string of "a"s at each place, for each length around
    // the block sizes.
    const QString insertions[] = {
        QStringLiteral("*"),          QStringLiteral("[*]"),        QStringLiteral("^}{\x7f"),
        QStringLiteral("#&<`|~_\\"),  QStringLiteral("\u00e9"),     QStringLiteral("\u20ac*"),
        QStringLiteral("\U0001F600"), QStringLiteral("\r\n\t\x01"), QStringLiteral("(a"),
    };
    const EscapeTable *tables[] = {nullptr, &kMarkup, &kOther};
    for (const QString &inserted : insertions) {
        for (qsizetype length = 0; length <= 40; ++length) {
            for (qsizetype at = 0; at < qMax<qsizetype>(length, 1); ++at) {
                for (const EscapeTable *table : tables) {
                    const QString s = with(length, at, inserted);
                    expectAllModes({{s, table}, {s, table}},
                                   (inserted.toStdString() + " at " + std::to_string(at) + " of "
                                    + std::to_string(length) + (table == &kMarkup ? " markup" : "")));
                    if (HasFailure())
                        return;
                }
            }
        }
    }
}

TEST(TextSink, SurrogatesSplitAcrossAppendsAndLongTexts)
{
    const QString high(QChar(0xD83D)), low(QChar(0xDE00));
    const QString many = QStringLiteral("x*y_\u00e9").repeated(30000); // longer than a stream's chunk
    const std::vector<std::pair<const char *, std::vector<Piece>>> cases = {
        {"pair split", {{QStringLiteral("ab") + high, &kMarkup}, {low + QStringLiteral("*c"), &kMarkup}}},
        {"high, then ASCII", {{high, &kMarkup}, {QStringLiteral("*aaaaaaaaaaaaaaaaaaaa"), &kMarkup}}},
        {"high, then more", {{high, nullptr}, {QStringLiteral("\u00e9aaaaaaaaaaaaaaaaaa"), nullptr}}},
        {"high at the end", {{QStringLiteral("aaaaaaaaaaaaaaaaaaaa") + high, &kMarkup}}},
        {"low alone", {{low + QStringLiteral("aaaaaaaaaaaaaaaaaaaa*"), &kMarkup}}},
        {"empty pieces", {{QString(), &kMarkup}, {high, nullptr}, {QString(), &kMarkup}, {low, nullptr}}},
        {"long", {{many, &kMarkup}, {high, nullptr}, {many, &kMarkup}, {many, nullptr}}},
    };
    for (const auto &[name, pieces] : cases)
        expectAllModes(pieces, name);
}

TEST(TextSink, LineBreaksAreFoundWhereverTheyFall)
{
    // Characters near CR and LF, and ones whose low byte is one, go on.
    const char16_t others[] = {u'\t', 0x0B, 0x0C, 0x0E, 0x20, 0x0D0A, 0x8000, 0xFFFF};
    const char16_t breaks[] = {u'\r', u'\n'};
    for (qsizetype length = 0; length <= 40; ++length) {
        for (char16_t other : others) {
            const QString plain(length, QChar(other));
            EXPECT_EQ(findLineBreak(QStringView(plain).utf16(), 0, length), length);
            for (char16_t brk : breaks) {
                for (qsizetype at = 0; at < length; ++at) {
                    QString s = plain;
                    s[at] = QChar(brk);
                    for (qsizetype from = 0; from <= at; from += 7)
                        EXPECT_EQ(findLineBreak(QStringView(s).utf16(), from, length), at)
                            << length << " " << at << " " << from;
                    EXPECT_EQ(findLineBreak(QStringView(s).utf16(), at + 1, length), length);
                }
            }
        }
    }
}

} // namespace
