// SPDX-License-Identifier: MIT
#include "articlehandler.h"

#include "keysuggestions.h"
#include "readermessages.h"

#include <utility>

namespace kestrin::reading {

namespace {

// Objects and arrays nested deeper than this are refused; an article needs
// three levels.
constexpr int kMaxNesting = 512;

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

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
            m_fields.setText(*frame.field, frame.text);
        else
            m_fields.linesRefused(*frame.field);
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
        m_problems.report(where, [&] {
            return ArticleReader::tr("unknown key %1; write %2 inside the object %3")
                .arg(quoted(path), quoted(leafOf(path)), quoted(parentOf(path)));
        });
        return true;
    }
    if (!field) {
        m_problems.report(where, [&] { return unknownKeyMessage(path); });
        return true;
    }
    Frame &object = m_frames.last();
    const auto earlier = object.seenKeys.constFind(key);
    if (earlier != object.seenKeys.cend()) {
        const qsizetype firstLine = earlier->line;
        m_problems.report(where, [&] {
            return ArticleReader::tr("key %1 is given more than once (first in line %2)")
                .arg(quoted(path), QString::number(firstLine));
        });
    } else {
        object.seenKeys.insert(key, where.place);
    }
    // The last of repeated keys is the one whose value counts; an
    // overridden key's value in the file is not read.
    if (!m_overrides.sets(path))
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
    if (frame.kind == FrameKind::Lines)
        return takeLine(frame, value, valueWhere);
    const std::optional<Member> member = std::exchange(m_member, std::nullopt);
    if (!member || !member->field)
        return FrameKind::Skip;
    m_member = member; // read by start() for the frame it opens
    const FrameKind kind = m_fields.read(*member->field, member->path, value, member->keyWhere, valueWhere);
    if (kind == FrameKind::Skip)
        m_member.reset();
    return kind;
}

// One line of a text written as an array of lines.
FrameKind ArticleHandler::takeLine(Frame &frame, const Value &value, const Where &valueWhere)
{
    const qsizetype index = frame.lines++;
    if (value.type == ValueType::Text && frame.linesOk) {
        if (index > 0)
            frame.text += kCrLf;
        frame.text += withCrLf(value.text);
    } else if (value.type != ValueType::Text) {
        frame.linesOk = false;
        frame.text.clear();
        m_problems.report(valueWhere, [&] {
            return ArticleReader::tr("line %1 of %2 must be a string, not %3")
                .arg(QString::number(index + 1), quoted(frame.path), typeName(value.type));
        });
    }
    return FrameKind::Skip;
}

ArticleReadResult ArticleHandler::finish()
{
    ArticleReadResult result;
    if (m_fields.formatProblem()) {
        // A file of another format may mean something else by its keys:
        // nothing more is said.
        result.problems = {*m_fields.formatProblem()};
        result.newerFormat = m_fields.newerFormat();
        return result;
    }
    if (m_rootProblem) {
        result.problems = {*m_rootProblem};
        return result;
    }
    m_overrides.apply(m_fields);
    m_fields.decideInstallation();
    result.article = m_fields.article();
    result.problems = m_problems.sorted();
    result.unlistedProblems = m_problems.unlisted();
    return result;
}

} // namespace kestrin::reading
