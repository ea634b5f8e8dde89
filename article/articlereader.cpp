// SPDX-License-Identifier: MIT
// Reading an article file: one pass of a strict JSON parser (RapidJSON's
// SAX reader, in place) whose events are checked against the field table as they
// come, with the place of every key and value. Nothing but the article's
// own texts and a bounded list of problems is kept, so that time and memory
// stay linear in the size of the file.

#include "articlereader.h"
#include "articlefields.h"
#include "articlesource.h"
#include "filereading.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>

#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <utility>

namespace kestrin {

namespace {

// The reader's messages, translated in one context.
struct ArticleReader {
    Q_DECLARE_TR_FUNCTIONS(ArticleReader)
};

// Objects and arrays nested deeper than this are refused; an article needs
// three levels.
constexpr int kMaxNesting = 512;

const QString kCrLf = QStringLiteral("\r\n");

QString quoted(QStringView text)
{
    return quoteForMessage(text);
}

// "a", "b" and "c"
QString listOf(const QStringList &items, const char *last)
{
    QStringList q;
    for (const QString &item : items)
        q << quoted(item);
    if (q.size() < 2)
        return q.join(QString());
    const QString tail = q.takeLast();
    return q.join(QStringLiteral(", ")) + QLatin1Char(' ') + ArticleReader::tr(last) + QLatin1Char(' ') + tail;
}

QStringList articleKindNames()
{
    QStringList out;
    for (const char *kind : kArticleKinds)
        out << QLatin1String(kind);
    return out;
}

QStringList installationKindNames()
{
    QStringList out;
    for (int i = 0; i < kInstallationKindCount; ++i)
        out << installationKindName(InstallationKind(i));
    return out;
}

// Levenshtein distance, ignoring case.
int editDistance(QStringView a, QStringView b)
{
    const QString x = a.toString().toLower();
    const QString y = b.toString().toLower();
    QList<int> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

// The known key nearest to an unknown one. Keys of the same object come
// first; a key of another object is a step further away, so that a contact
// written at the top ("skype") still finds its place ("contacts.skype").
QString closestKey(QStringView path)
{
    const QStringView parent = parentOf(path);
    // A key longer than any known key is compared by its start only: the
    // distance grows with the length all the same.
    const QStringView leaf = leafOf(path).left(64);
    QString best;
    int bestScore = 0;
    for (const ArticleField &field : kArticleFields) {
        const QString candidate = QLatin1String(field.key);
        const bool sameObject = parentOf(candidate) == parent;
        // Twice the distance, plus one for another object: ties go to the
        // key of the same object.
        const int score = 2 * (editDistance(leaf, leafOf(candidate)) + (sameObject ? 0 : 1)) + (sameObject ? 0 : 1);
        if (best.isEmpty() || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

QString unknownKeyMessage(QStringView path)
{
    return ArticleReader::tr("unknown key %1; the closest known key is %2").arg(quoted(path), quoted(closestKey(path)));
}

// "\n" and "\r\n" both become CR LF; nothing else changes.
QString withCrLf(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')))
        return text;
    QString out;
    out.reserve(text.size() + text.count(QLatin1Char('\n')));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            out += QLatin1Char('\r');
        out += text[i];
    }
    return out;
}

QString hex4(uint unit)
{
    return QStringLiteral("%1").arg(unit, 4, 16, QLatin1Char('0')).toUpper();
}

// --- invalid JSON ---

struct SyntaxError {
    qsizetype offset = -1; // in the text after the byte-order mark; -1: none
    QString message;
};

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

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

// What RapidJSON's error code means at that place of the text, in the
// words of the format's users. Offsets point at the character to blame;
// stringStart is where the token being read began, for a text that is
// never closed.
SyntaxError describeSyntaxError(QByteArrayView json, rapidjson::ParseErrorCode code, qsizetype offset,
                                qsizetype stringStart)
{
    using namespace rapidjson;
    offset = std::clamp<qsizetype>(offset, 0, json.size());
    const QByteArrayView rest = json.sliced(offset);
    auto error = [offset](const QString &what) {
        return SyntaxError{offset, ArticleReader::tr("invalid JSON: ") + what};
    };
    if (rest.startsWith("\xEF\xBB\xBF"))
        return error(ArticleReader::tr("a second byte-order mark; one may stand only at the very start of the file"));
    if (code == kParseErrorStringMissQuotationMark || code == kParseErrorStringEscapeInvalid) {
        if (!rest.isEmpty() && uchar(rest[0]) < 0x20)
            return {offset, controlCharacterMessage(uchar(rest[0]))};
    }
    if (!rest.isEmpty() && rest[0] == '\0')
        return error(ArticleReader::tr("a NUL byte (0x00), which a JSON text cannot hold"));
    if (code == kParseErrorStringMissQuotationMark)
        return {stringStart, ArticleReader::tr("invalid JSON: a text is not closed with a double quote")};
    if (rest.isEmpty())
        return error(ArticleReader::tr("the file ends too early"));

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
        return {start, ArticleReader::tr("invalid JSON: expected a value: a text in double quotes, a number, true, "
                                         "false, null, an object or an array")};
    }
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
        return {offset, ArticleReader::tr("the number %1 is too large to be read (the largest is about 1.8e308)")
                            .arg(QString::fromLatin1(json.sliced(offset, end - offset).toByteArray()))};
    }
    case kParseErrorNumberMissFraction: return error(ArticleReader::tr("expected a digit after the decimal point"));
    case kParseErrorNumberMissExponent: return error(ArticleReader::tr("expected a digit in the number's exponent"));
    default: return error(QString::fromLatin1(GetParseError_En(code)));
    }
}

// A "\uDC00" to "\uDFFF" escape in the text of a string that stands without
// a first half before it (RapidJSON lets such a second half through).
// Returns its offset, or -1.
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

// --- checking the article ---

enum class ValueType { Null, Bool, Number, Text, Array, Object };

QString typeName(ValueType type)
{
    switch (type) {
    case ValueType::Null: return QStringLiteral("null");
    case ValueType::Bool: return ArticleReader::tr("true or false");
    case ValueType::Number: return ArticleReader::tr("a number");
    case ValueType::Text: return ArticleReader::tr("a text");
    case ValueType::Array: return ArticleReader::tr("an array");
    case ValueType::Object: return ArticleReader::tr("an object");
    }
    return QString();
}

struct Value {
    Value(ValueType type, const QString &text = QString(), double number = 0)
        : type(type)
        , text(text)
        , number(number)
    {
    }

    ValueType type;
    QString text;  // Text
    double number; // Number
};

// RapidJSON's in-place string stream, without the copy of the stream that
// the parser otherwise works on (and writes back only when a token is
// read): so the handler learns from Tell() where each token ends.
struct InPlaceStream : rapidjson::InsituStringStream {
    using rapidjson::InsituStringStream::InsituStringStream;
};

// Where a problem is: a place in the file, or an override.
struct Where {
    SourcePlace place;
    int overrideIndex = -1;
};

// What the events of an object or array are read into.
enum class FrameKind {
    Object, // the top object or a group: members are keys of the table
    Lines,  // an array of lines: the text of a field
    Skip,   // a value that is not read any further
};

struct Frame {
    FrameKind kind = FrameKind::Skip;
    QString path;                         // of the object or array
    const ArticleField *field = nullptr;  // Lines: the field of the text
    QHash<QString, SourcePlace> seenKeys; // Object: known keys given so far
    QString text;                         // Lines: the lines so far, joined by CR LF
    qsizetype lines = 0;                  // Lines: how many were read
    bool linesOk = true;
};

class ArticleHandler {
public:
    ArticleHandler(QByteArrayView json, InPlaceStream &stream, const QList<ArticleOverride> &overrides)
        : m_json(json)
        , m_stream(stream)
        , m_places(json)
        , m_overrides(overrides)
    {
        takeOverrides();
    }

    // Called after the whole text was read without a syntax error.
    ArticleReadResult finish();

    // A problem that the handler found in the text, which ends the reading.
    const SyntaxError &syntaxError() const { return m_syntaxError; }
    // Where the token after the last one read begins: after white space and
    // one "," or ":". Every byte is looked at once.
    qsizetype tokenStart() const;

    // RapidJSON's SAX interface.
    bool Null() { return scalar({ValueType::Null}); }
    bool Bool(bool) { return scalar({ValueType::Bool}); }
    bool Int(int i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Uint(unsigned i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Int64(int64_t i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Uint64(uint64_t i) { return scalar({ValueType::Number, {}, double(i)}); }
    bool Double(double d) { return scalar({ValueType::Number, {}, d}); }
    bool RawNumber(const char *, rapidjson::SizeType, bool) { return true; }
    bool String(const char *s, rapidjson::SizeType length, bool);
    bool Key(const char *s, rapidjson::SizeType length, bool);
    bool StartObject() { return start(ValueType::Object); }
    bool EndObject(rapidjson::SizeType) { return end(); }
    bool StartArray() { return start(ValueType::Array); }
    bool EndArray(rapidjson::SizeType) { return end(); }

private:
    struct Member {
        QString path;
        const ArticleField *field = nullptr; // nullptr: not read
        Where keyWhere;
    };

    // The installation's two keys, decided on together at the end.
    struct Installation {
        std::optional<QString> kindName;
        Where kindWhere;
        bool kindOk = true;
        std::optional<QString> text;
        Where textKeyWhere;
        bool textOk = true;
    };

    Where here(qsizetype offset) { return {m_places.place(offset), -1}; }
    bool textOfString(qsizetype startAt, const char *s, rapidjson::SizeType length, QString &out);

    bool scalar(const Value &value);
    bool start(ValueType type);
    bool end();
    FrameKind take(const Value &value, const Where &valueWhere);
    FrameKind readValue(const ArticleField &field, const QString &path, const Value &value, const Where &keyWhere,
                        const Where &valueWhere);
    void setText(const ArticleField &field, const std::optional<QString> &text);
    QString textTypeMessage(const QString &path, ValueType type) const;

    void takeOverrides();
    void applyOverrides();
    void decideInstallation();

    template <typename Message>
    void report(const Where &where, Message &&message);

    QByteArrayView m_json;
    InPlaceStream &m_stream;
    SourcePlaces m_places;
    const QList<ArticleOverride> &m_overrides;

    qsizetype m_end = 0; // where the last token ended
    QList<Frame> m_frames;
    int m_skipped = 0; // levels open inside the innermost skipped value
    std::optional<Member> m_member;

    Article m_article;
    Installation m_installation;
    QHash<QString, int> m_overridden; // key -> the override that sets it last
    QSet<QString> m_brokenGroups;     // groups whose value is not an object
    QList<ArticleProblem> m_problems;
    QList<ArticleProblem> m_overrideProblems;
    qsizetype m_unlisted = 0;
    std::optional<ArticleProblem> m_formatProblem;
    bool m_newerFormat = false;
    std::optional<ArticleProblem> m_rootProblem;
    SyntaxError m_syntaxError;
};

template <typename Message>
void ArticleHandler::report(const Where &where, Message &&message)
{
    if (where.overrideIndex >= 0) {
        m_overrideProblems.append({0, 0, where.overrideIndex, message()});
    } else if (m_problems.size() < kArticleProblemListLimit) {
        m_problems.append({where.place.line, where.place.column, -1, message()});
    } else {
        ++m_unlisted;
    }
}

qsizetype ArticleHandler::tokenStart() const
{
    qsizetype pos = m_end;
    while (pos < m_json.size() && isJsonSpace(m_json[pos]))
        ++pos;
    if (pos < m_json.size() && (m_json[pos] == ',' || m_json[pos] == ':')) {
        ++pos;
        while (pos < m_json.size() && isJsonSpace(m_json[pos]))
            ++pos;
    }
    return pos;
}

bool ArticleHandler::textOfString(qsizetype startAt, const char *s, rapidjson::SizeType length, QString &out)
{
    m_end = qsizetype(m_stream.Tell());
    const QByteArrayView bytes(s, qsizetype(length));
    // A second surrogate half alone comes out of the parser as the three
    // bytes ED B0..BF xx, which are not UTF-8.
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        if (uchar(bytes[i]) == 0xED && uchar(bytes[i + 1]) >= 0xA0) {
            const qsizetype at = loneSecondHalf(m_json, startAt, m_end);
            const qsizetype offset = at < 0 ? startAt : at;
            m_syntaxError =
                {offset,
                 ArticleReader::tr("invalid JSON: %1 is the second half of a surrogate pair, but "
                                   "no first half (\\uD800 to \\uDBFF) stands before it")
                     .arg(quoted(QString::fromLatin1(
                         m_json.sliced(offset, std::min<qsizetype>(6, m_json.size() - offset)).toByteArray())))};
            return false;
        }
    }
    // QString::fromUtf8 would take a U+FEFF at the start for a byte-order
    // mark and drop it.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        out = QChar(0xFEFF) + QString::fromUtf8(bytes.sliced(3));
    else
        out = QString::fromUtf8(bytes);
    return true;
}

bool ArticleHandler::String(const char *s, rapidjson::SizeType length, bool)
{
    const qsizetype startAt = tokenStart();
    Value value{ValueType::Text};
    if (!textOfString(startAt, s, length, value.text))
        return false;
    if (m_skipped > 0)
        return true;
    take(value, here(startAt));
    return true;
}

bool ArticleHandler::scalar(const Value &value)
{
    const qsizetype startAt = tokenStart();
    m_end = qsizetype(m_stream.Tell());
    if (m_skipped == 0)
        take(value, here(startAt));
    return true;
}

bool ArticleHandler::start(ValueType type)
{
    const qsizetype startAt = tokenStart();
    m_end = startAt + 1;
    if (m_frames.size() + m_skipped >= kMaxNesting) {
        m_syntaxError = {startAt,
                         ArticleReader::tr("invalid JSON: objects and arrays are nested more than %1 levels deep")
                             .arg(kMaxNesting)};
        return false;
    }
    if (m_skipped > 0) {
        ++m_skipped;
        return true;
    }
    const Where where = here(startAt);
    const FrameKind kind = take({type}, where);
    if (kind == FrameKind::Skip) {
        m_skipped = 1;
        return true;
    }
    Frame frame;
    frame.kind = kind;
    if (kind == FrameKind::Lines) {
        frame.path = m_member ? m_member->path : QString();
        frame.field = m_member ? m_member->field : nullptr;
    } else if (m_member) {
        frame.path = m_member->path;
    }
    m_member.reset();
    m_frames.append(std::move(frame));
    return true;
}

bool ArticleHandler::end()
{
    m_end = tokenStart() + 1;
    if (m_skipped > 0) {
        --m_skipped;
        return true;
    }
    Frame frame = m_frames.takeLast();
    if (frame.kind == FrameKind::Lines && frame.field) {
        if (frame.linesOk)
            setText(*frame.field, frame.text);
        else if (frame.field->type == FieldType::InstallationText)
            m_installation.textOk = false;
    }
    return true;
}

bool ArticleHandler::Key(const char *s, rapidjson::SizeType length, bool)
{
    const qsizetype startAt = tokenStart();
    QString key;
    if (!textOfString(startAt, s, length, key))
        return false;
    if (m_skipped > 0)
        return true;
    const Frame &frame = m_frames.last();
    const QString path = frame.path.isEmpty() ? key : frame.path + QLatin1Char('.') + key;
    const Where where = here(startAt);
    const bool dotted = key.contains(QLatin1Char('.'));
    const ArticleField *field = dotted ? nullptr : findArticleField(path);
    m_member = Member{path, nullptr, where};
    if (dotted && findArticleField(path)) {
        // "contacts.web" names a key, but the file nests it.
        report(where, [&] {
            return ArticleReader::tr("unknown key %1; write %2 inside the object %3")
                .arg(quoted(path), quoted(leafOf(path)), quoted(parentOf(path)));
        });
        return true;
    }
    if (!field) {
        report(where, [&] { return unknownKeyMessage(path); });
        return true;
    }
    Frame &object = m_frames.last();
    const auto earlier = object.seenKeys.constFind(key);
    if (earlier != object.seenKeys.cend()) {
        const qsizetype firstLine = earlier->line;
        report(where, [&] {
            return ArticleReader::tr("key %1 is given more than once (first in line %2)")
                .arg(quoted(path), QString::number(firstLine));
        });
    } else {
        object.seenKeys.insert(key, where.place);
    }
    // The last of repeated keys is the one whose value counts; an
    // overridden key's value in the file is not read.
    if (!m_overridden.contains(path))
        m_member->field = field;
    return true;
}

// A value read in the innermost object or array.
FrameKind ArticleHandler::take(const Value &value, const Where &valueWhere)
{
    if (m_frames.isEmpty()) {
        if (value.type == ValueType::Object)
            return FrameKind::Object;
        m_rootProblem = ArticleProblem{valueWhere.place.line, valueWhere.place.column, -1,
                                       ArticleReader::tr("an article file holds one JSON object { ... }, not %1")
                                           .arg(typeName(value.type))};
        return FrameKind::Skip;
    }
    Frame &frame = m_frames.last();
    if (frame.kind == FrameKind::Lines) {
        const qsizetype index = frame.lines++;
        if (value.type == ValueType::Text && frame.linesOk) {
            if (index > 0)
                frame.text += kCrLf;
            frame.text += withCrLf(value.text);
        } else if (value.type != ValueType::Text) {
            frame.linesOk = false;
            frame.text.clear();
            report(valueWhere, [&] {
                return ArticleReader::tr("line %1 of %2 must be a string, not %3")
                    .arg(QString::number(index + 1), quoted(frame.path), typeName(value.type));
            });
        }
        return FrameKind::Skip;
    }
    const std::optional<Member> member = std::exchange(m_member, std::nullopt);
    if (!member || !member->field)
        return FrameKind::Skip;
    m_member = member; // read by start() for the frame it opens
    const FrameKind kind = readValue(*member->field, member->path, value, member->keyWhere, valueWhere);
    if (kind == FrameKind::Skip)
        m_member.reset();
    return kind;
}

QString ArticleHandler::textTypeMessage(const QString &path, ValueType type) const
{
    QString message = ArticleReader::tr("%1 must be a text (a string, or an array of strings, one per line), not %2")
                          .arg(quoted(path), typeName(type));
    if (type == ValueType::Number || type == ValueType::Bool)
        message += ArticleReader::tr("; put it in quotes");
    return message;
}

// The value of one key of the table, from the file or from an override.
// Returns what to read a container into.
FrameKind ArticleHandler::readValue(const ArticleField &field, const QString &path, const Value &value,
                                    const Where &keyWhere, const Where &valueWhere)
{
    const ValueType type = value.type;
    switch (field.type) {
    case FieldType::Schema:
        if (type != ValueType::Text && type != ValueType::Null)
            report(keyWhere,
                   [&] { return ArticleReader::tr("%1 must be a text, not %2").arg(quoted(path), typeName(type)); });
        break;
    case FieldType::FormatVersion: {
        if (type == ValueType::Null)
            break;
        const double v = value.number;
        QString message;
        if (type != ValueType::Number || v != std::floor(v) || v < 1) {
            message = ArticleReader::tr("\"formatVersion\" must be a whole number such as %1, not %2")
                          .arg(QString::number(kArticleFormatVersion),
                               type == ValueType::Number ? QString::number(v) : typeName(type));
        } else if (v > kArticleFormatVersion) {
            m_newerFormat = true;
            message =
                ArticleReader::tr("the file was written by a newer version of Kestrin Editor (format version %1); "
                                  "this version reads format version %2")
                    .arg(QString::number(v, 'f', 0), QString::number(kArticleFormatVersion));
        }
        if (!message.isEmpty() && !m_formatProblem)
            m_formatProblem = ArticleProblem{keyWhere.place.line, keyWhere.place.column, -1, message};
        break;
    }
    case FieldType::ArticleKind:
        if (type == ValueType::Text && articleKindNames().contains(value.text)) {
            m_article.kind = value.text;
        } else if (type == ValueType::Text) {
            report(valueWhere, [&] {
                return ArticleReader::tr("unknown article kind %1; the article kinds are %2")
                    .arg(quoted(value.text), listOf(articleKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "and")));
            });
        } else if (type != ValueType::Null) {
            report(keyWhere, [&] {
                return ArticleReader::tr("%1 must be a text, one of %2, not %3")
                    .arg(quoted(path), listOf(articleKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "or")),
                         typeName(type));
            });
        }
        break;
    case FieldType::Text:
    case FieldType::OptionalText:
    case FieldType::InstallationText:
        if (field.type == FieldType::InstallationText)
            m_installation.textKeyWhere = keyWhere;
        switch (type) {
        case ValueType::Null: setText(field, std::nullopt); break;
        case ValueType::Text: setText(field, withCrLf(value.text)); break;
        case ValueType::Array: return FrameKind::Lines;
        default:
            if (field.type == FieldType::InstallationText)
                m_installation.textOk = false;
            report(keyWhere, [&] { return textTypeMessage(path, type); });
        }
        break;
    case FieldType::Group:
        if (type == ValueType::Object)
            return FrameKind::Object;
        if (type == ValueType::Null)
            break;
        m_brokenGroups.insert(path);
        report(keyWhere, [&] {
            return ArticleReader::tr("%1 must be an object with the keys %2, not %3")
                .arg(quoted(path), listOf(membersOf(path), QT_TRANSLATE_NOOP("ArticleReader", "and")), typeName(type));
        });
        break;
    case FieldType::InstallationKind:
        if (type == ValueType::Text) {
            m_installation.kindName = value.text;
            m_installation.kindWhere = valueWhere;
        } else if (type == ValueType::Null) {
            m_installation.kindName.reset();
        } else {
            m_installation.kindOk = false;
            report(keyWhere, [&] {
                return ArticleReader::tr("%1 must be a text, one of %2, not %3")
                    .arg(quoted(path), listOf(installationKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "or")),
                         typeName(type));
            });
        }
        break;
    }
    return FrameKind::Skip;
}

void ArticleHandler::setText(const ArticleField &field, const std::optional<QString> &text)
{
    switch (field.type) {
    case FieldType::Text:
        if (text)
            m_article.*field.text = *text;
        break;
    case FieldType::OptionalText: m_article.*field.optionalText = text; break;
    case FieldType::InstallationText: m_installation.text = text; break;
    default: break;
    }
}

// Which override sets each key; problems with the keys themselves.
void ArticleHandler::takeOverrides()
{
    for (int i = 0; i < int(m_overrides.size()); ++i) {
        const QString &key = m_overrides[i].key;
        const ArticleField *field = findArticleField(key);
        const Where where{{}, i};
        if (!field) {
            report(where, [&] { return unknownKeyMessage(key); });
            continue;
        }
        if (field->type == FieldType::Group) {
            QStringList members;
            for (const QString &member : membersOf(key))
                members << key + QLatin1Char('.') + member;
            report(where, [&] {
                return ArticleReader::tr("%1 is a group of keys; give one of %2")
                    .arg(quoted(key), listOf(members, QT_TRANSLATE_NOOP("ArticleReader", "or")));
            });
            continue;
        }
        if (field->type == FieldType::Schema || field->type == FieldType::FormatVersion) {
            report(where, [&] {
                return ArticleReader::tr("%1 describes the file itself and cannot be set").arg(quoted(key));
            });
            continue;
        }
        m_overridden.insert(key, i);
    }
}

// The overrides' values, read as the file's would be. A key of a group
// whose value in the file is not an object is left as it is: the group's
// value is reported.
void ArticleHandler::applyOverrides()
{
    for (auto it = m_overridden.cbegin(); it != m_overridden.cend(); ++it) {
        const QString &key = it.key();
        if (m_brokenGroups.contains(parentOf(key).toString()))
            continue;
        const ArticleOverride &o = m_overrides[*it];
        const Value value = o.value ? Value{ValueType::Text, *o.value} : Value{ValueType::Null};
        const Where where{{}, *it};
        readValue(*findArticleField(key), key, value, where, where);
    }
}

void ArticleHandler::decideInstallation()
{
    const Installation &in = m_installation;
    if (!in.kindOk || !in.textOk)
        return;
    std::optional<InstallationKind> kind;
    if (in.kindName) {
        kind = installationKindByName(*in.kindName);
        if (!kind) {
            report(in.kindWhere, [&] {
                return ArticleReader::tr("unknown installation kind %1; the installation kinds are %2")
                    .arg(quoted(*in.kindName),
                         listOf(installationKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "and")));
            });
            return;
        }
    }
    if (!kind && !in.text)
        return; // as a new window has it
    if (!kind || *kind == InstallationKind::OwnDescription) {
        // A text alone means the own description.
        m_article.installation = InstallationKind::OwnDescription;
        m_article.installationText = in.text.value_or(kOwnDescriptionNotice.toString());
        return;
    }
    if (in.text) {
        report(in.textKeyWhere, [&] {
            return ArticleReader::tr(
                       "\"installation.text\" is used only with the installation kind \"Own description\", "
                       "not with %1")
                .arg(quoted(installationKindName(*kind)));
        });
        return;
    }
    m_article.installation = kind;
}

ArticleReadResult ArticleHandler::finish()
{
    ArticleReadResult result;
    if (m_formatProblem) {
        // A file of another format may mean something else by its keys:
        // nothing more is said.
        result.problems = {*m_formatProblem};
        result.newerFormat = m_newerFormat;
        return result;
    }
    if (m_rootProblem) {
        result.problems = {*m_rootProblem};
        return result;
    }
    applyOverrides();
    decideInstallation();
    result.article = m_article;
    result.problems = m_problems;
    result.problems += m_overrideProblems;
    result.unlistedProblems = m_unlisted;
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const ArticleProblem &a, const ArticleProblem &b) {
                         return std::tuple(a.overrideIndex, a.line, a.column)
                                < std::tuple(b.overrideIndex, b.line, b.column);
                     });
    return result;
}

// The encoding of a file that is not UTF-8, told by its byte-order mark or
// by the zero bytes of its first two characters, which are ASCII in JSON.
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

} // namespace

ArticleReadResult readArticle(const QByteArray &source, const QList<ArticleOverride> &overrides)
{
    auto fail = [](SourcePlace place, const QString &message) {
        ArticleReadResult result;
        result.problems.append({place.line, place.column, -1, message});
        return result;
    };

    QByteArrayView json = source;
    if (json.startsWith("\xEF\xBB\xBF"))
        json = json.sliced(3);
    else if (const char *encoding = otherUnicodeEncoding(json))
        return fail({1, 1}, ArticleReader::tr("the file is in %1; an article file must be saved as UTF-8")
                                .arg(QLatin1String(encoding)));
    if (json.trimmed().isEmpty())
        return fail({1, 1}, ArticleReader::tr("the file is empty; an article file holds one JSON object"));

    // Parsed in place, in a copy: each string is decoded over its own text,
    // so that the parser needs no buffer of its own. (The copy ends in NUL
    // bytes, where the parser stops; the UTF-8 check takes all the
    // continuation bytes a lead byte announces before it looks at them, so
    // three more stand behind the terminator for a lead byte at the end.)
    // The handler stops the parser before its recursion goes deeper than
    // kMaxNesting.
    QByteArray copy;
    copy.reserve(json.size() + 4);
    copy.append(json).append(3, '\0');
    InPlaceStream stream(copy.data());
    ArticleHandler handler(json, stream, overrides);
    rapidjson::Reader reader;
    const rapidjson::ParseResult parsed =
        reader.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseInsituFlag>(stream, handler);

    SyntaxError error;
    if (parsed.IsError() && parsed.Code() == rapidjson::kParseErrorTermination)
        error = handler.syntaxError();
    else if (parsed.IsError())
        error = describeSyntaxError(json, parsed.Code(), qsizetype(parsed.Offset()), handler.tokenStart());
    else if (qsizetype(stream.Tell()) < json.size()) // the parser stops at a NUL byte
        error = describeSyntaxError(json, rapidjson::kParseErrorDocumentRootNotSingular, qsizetype(stream.Tell()), -1);
    if (error.offset >= 0)
        return fail(placeInText(json, error.offset), error.message);
    return handler.finish();
}

QString escapeControlCharacters(QStringView text)
{
    const auto isControl = [](char16_t c) {
        return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7f && c <= 0x9f);
    };
    if (std::none_of(text.begin(), text.end(), [&](QChar c) { return isControl(c.unicode()); }))
        return text.toString();
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString quoteForMessage(QStringView text)
{
    QStringView shown = text;
    if (text.size() > kQuotedLength) {
        shown = text.first(kQuotedLength);
        if (shown.back().isHighSurrogate())
            shown.chop(1);
    }
    QString out = QLatin1Char('"') + escapeControlCharacters(shown);
    if (shown.size() < text.size())
        out += QChar(0x2026);
    return out + QLatin1Char('"');
}

ArticleFileRead readArticleFile(const QString &path, const QList<ArticleOverride> &overrides)
{
    ArticleFileRead read;
    const bool standardInput = path == QLatin1String("-");
    const QString tooLarge = ArticleReader::tr("%1 is larger than %2 MiB, the most an article file may hold")
                                 .arg(standardInput ? ArticleReader::tr("the input") : ArticleReader::tr("the file"))
                                 .arg(kArticleFileSizeLimit / (1024 * 1024));
    QByteArray bytes;
    if (standardInput) {
        QFile file;
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            read.error = file.errorString();
            return read;
        }
        // Read up to one byte beyond the limit.
        std::array<char, 1 << 16> chunk;
        while (bytes.size() <= kArticleFileSizeLimit) {
            const qint64 got = file.read(chunk.data(), qint64(chunk.size()));
            if (got < 0) {
                read.error = file.errorString();
                return read;
            }
            if (got == 0)
                break;
            bytes.append(chunk.data(), qsizetype(got));
        }
        if (bytes.size() > kArticleFileSizeLimit) {
            read.error = tooLarge;
            return read;
        }
    } else {
        // A regular file says its size; a pipe or a device is read up to one
        // byte beyond the limit, never waiting beyond a request to stop.
        WholeFile whole = readWholeFile(path, kArticleFileSizeLimit);
        if (whole.status != WholeFile::Status::Read) {
            read.error = whole.status == WholeFile::Status::TooLarge ? tooLarge : whole.error;
            return read;
        }
        bytes = std::move(whole.bytes);
    }
    read.readable = true;
    read.result = readArticle(bytes, overrides);
    return read;
}

} // namespace kestrin
