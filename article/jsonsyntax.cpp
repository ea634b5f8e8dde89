// SPDX-License-Identifier: MIT
#include "jsonsyntax.h"

#include "readermessages.h"

#include <rapidjson/error/en.h>

#include <algorithm>
#include <optional>

namespace kestrin::reading {

namespace {

using namespace rapidjson;

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

QString controlCharacterMessage(uchar c)
{
    const char *escape = nullptr;
    switch (c) {
    case '\b': escape = "\\b or "; break;
    case '\f': escape = "\\f or "; break;
    case '\n': escape = "\\n or "; break;
    case '\r': escape = "\\r or "; break;
    case '\t': escape = "\\t or "; break;
    default: break;
    }
    return ArticleReader::tr("invalid JSON: control character U+%1 in a text; write it as %2\\u%3")
        .arg(hex4(c), QLatin1String(escape ? escape : ""), hex4(c).toLower());
}

SyntaxError invalidJson(qsizetype offset, const QString &what)
{
    return SyntaxError{offset, ArticleReader::tr("invalid JSON: ") + what};
}

// What the character at the place says by itself: a second byte-order
// mark, a control character or NUL byte in a text, a text never closed, the
// end of the file.
std::optional<SyntaxError> describeCharacter(QByteArrayView rest, ParseErrorCode code, qsizetype offset,
                                             qsizetype stringStart)
{
    if (rest.startsWith("\xEF\xBB\xBF"))
        return invalidJson(offset, ArticleReader::tr(
                                       "a second byte-order mark; one may stand only at the very start of the file"));
    if (code == kParseErrorStringMissQuotationMark || code == kParseErrorStringEscapeInvalid) {
        if (!rest.isEmpty() && uchar(rest[0]) < 0x20)
            return SyntaxError{offset, controlCharacterMessage(uchar(rest[0]))};
    }
    if (!rest.isEmpty() && rest[0] == '\0')
        return invalidJson(offset, ArticleReader::tr("a NUL byte (0x00), which a JSON text cannot hold"));
    if (code == kParseErrorStringMissQuotationMark)
        return SyntaxError{stringStart, ArticleReader::tr("invalid JSON: a text is not closed with a double quote")};
    if (rest.isEmpty())
        return invalidJson(offset, ArticleReader::tr("the file ends too early"));
    return std::nullopt;
}

// Objects, arrays and the values in them; rest is not empty.
std::optional<SyntaxError> describeStructure(QByteArrayView json, QByteArrayView rest, ParseErrorCode code,
                                             qsizetype offset)
{
    const auto error = [offset](const QString &what) { return invalidJson(offset, what); };
    switch (code) {
    case kParseErrorDocumentRootNotSingular:
        return error(ArticleReader::tr("more text after the end of the article's object"));
    case kParseErrorObjectMissName:
        if (rest[0] == '}')
            return error(ArticleReader::tr("expected a value (no \",\" may stand before \"}\" or \"]\")"));
        return error(ArticleReader::tr("expected \",\" or \"}\" (and every key in double quotes)"));
    case kParseErrorObjectMissCommaOrCurlyBracket:
        return error(ArticleReader::tr("expected \",\" or \"}\" (and every key in double quotes)"));
    case kParseErrorObjectMissColon: return error(ArticleReader::tr("expected \":\" after the key"));
    case kParseErrorArrayMissCommaOrSquareBracket: return error(ArticleReader::tr("expected \",\" or \"]\""));
    case kParseErrorValueInvalid: {
        // A word that began like true, false or null: point at its start.
        qsizetype start = offset;
        while (start > 0 && json[start - 1] >= 'a' && json[start - 1] <= 'z')
            --start;
        if (start == offset && (rest[0] == '}' || rest[0] == ']'))
            return error(ArticleReader::tr("expected a value (no \",\" may stand before \"}\" or \"]\")"));
        return SyntaxError{start,
                           ArticleReader::tr("invalid JSON: expected a value: a text in double quotes, a number, "
                                             "true, false, null, an object or an array")};
    }
    default: return std::nullopt;
    }
}

// Escapes in texts, and numbers; rest is not empty.
std::optional<SyntaxError> describeTextOrNumber(QByteArrayView json, QByteArrayView rest, ParseErrorCode code,
                                                qsizetype offset)
{
    const auto error = [offset](const QString &what) { return invalidJson(offset, what); };
    switch (code) {
    case kParseErrorStringEscapeInvalid: {
        const QString escape = rest.size() > 1 && uchar(rest[1]) >= 0x20 && uchar(rest[1]) < 0x7F
                                   ? QString::fromLatin1(rest.first(2).toByteArray())
                                   : QStringLiteral("\\");
        return error(ArticleReader::tr("unknown escape %1 in a text; the escapes are \\\" \\\\ \\/ \\b \\f \\n \\r \\t "
                                       "and \\u followed by four hexadecimal digits")
                         .arg(quoted(escape)));
    }
    case kParseErrorStringUnicodeEscapeInvalidHex:
        return error(ArticleReader::tr("\\u must be followed by four hexadecimal digits"));
    case kParseErrorStringUnicodeSurrogateInvalid:
        return error(
            ArticleReader::tr("%1 is the first half of a surrogate pair, but no second half "
                              "(\\uDC00 to \\uDFFF) follows it")
                .arg(quoted(QString::fromLatin1(rest.first(std::min<qsizetype>(6, rest.size())).toByteArray()))));
    case kParseErrorStringInvalidEncoding:
        return error(ArticleReader::tr("the file is not valid UTF-8; save it as UTF-8"));
    case kParseErrorNumberTooBig: {
        qsizetype end = offset;
        while (end < json.size() && end - offset < 40 && QByteArrayView("+-.0123456789eE").contains(json[end]))
            ++end;
        return SyntaxError{offset,
                           ArticleReader::tr("the number %1 is too large to be read (the largest is about 1.8e308)")
                               .arg(QString::fromLatin1(json.sliced(offset, end - offset).toByteArray()))};
    }
    case kParseErrorNumberMissFraction: return error(ArticleReader::tr("expected a digit after the decimal point"));
    case kParseErrorNumberMissExponent: return error(ArticleReader::tr("expected a digit in the number's exponent"));
    default: return std::nullopt;
    }
}

} // namespace

SyntaxError describeSyntaxError(QByteArrayView json, ParseErrorCode code, qsizetype offset, qsizetype stringStart)
{
    offset = std::clamp<qsizetype>(offset, 0, json.size());
    const QByteArrayView rest = json.sliced(offset);
    if (std::optional<SyntaxError> e = describeCharacter(rest, code, offset, stringStart))
        return *e;
    if (std::optional<SyntaxError> e = describeStructure(json, rest, code, offset))
        return *e;
    if (std::optional<SyntaxError> e = describeTextOrNumber(json, rest, code, offset))
        return *e;
    return invalidJson(offset, QString::fromLatin1(GetParseError_En(code)));
}

qsizetype loneSecondHalf(QByteArrayView json, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i + 5 < to; ++i) {
        if (json[i] != '\\')
            continue;
        if (json[i + 1] != 'u') {
            ++i; // another escape, e.g. "\\"
            continue;
        }
        bool ok = true;
        for (int k = 2; k < 6; ++k)
            ok = ok && isHex(json[i + k]);
        const uint unit = ok ? json.sliced(i + 2, 4).toByteArray().toUInt(nullptr, 16) : 0;
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return i;
        if (unit >= 0xD800 && unit <= 0xDBFF)
            i += 6; // its second half follows: the parser checked the pair
        else
            i += 5;
    }
    return -1;
}

const char *otherUnicodeEncoding(QByteArrayView b)
{
    if (b.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) || b.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return "UTF-32";
    if (b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF"))
        return "UTF-16";
    if (b.size() < 4)
        return nullptr;
    const bool zero[4] = {b[0] == 0, b[1] == 0, b[2] == 0, b[3] == 0};
    if ((zero[0] && zero[1] && zero[2] && !zero[3]) || (!zero[0] && zero[1] && zero[2] && zero[3]))
        return "UTF-32";
    if ((zero[0] && !zero[1] && zero[2] && !zero[3]) || (!zero[0] && zero[1] && !zero[2] && zero[3]))
        return "UTF-16";
    return nullptr;
}

} // namespace kestrin::reading
