#include "article.h"

#include "articlesource.h"
#include "memoryform.h"
#include "offlinedocument.h"
#include "readmedocument.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace kestrin {

namespace {

enum class KeyType { Schema, FormatVersion, ArticleKind, Text, OptionalText, Group, InstallationKindName, OwnText };

struct KeyRule {
    const char *path;
    KeyType type;
    QString Article::*text = nullptr;
    std::optional<QString> Article::*optionalText = nullptr;
};

// Every key of the format, in the order the file is written.
const std::array<KeyRule, 23> kKeys{{
    {"$schema", KeyType::Schema},
    {"formatVersion", KeyType::FormatVersion},
    {"kind", KeyType::ArticleKind, &Article::kind},
    {"name", KeyType::Text, &Article::name},
    {"version", KeyType::Text, &Article::version},
    {"authors", KeyType::Text, &Article::authors},
    {"releaseDate", KeyType::Text, &Article::releaseDate},
    {"contacts", KeyType::Group},
    {"contacts.web", KeyType::Text, &Article::web},
    {"contacts.email", KeyType::Text, &Article::email},
    {"contacts.skype", KeyType::OptionalText, nullptr, &Article::skype},
    {"contacts.icq", KeyType::OptionalText, nullptr, &Article::icq},
    {"contacts.other", KeyType::OptionalText, nullptr, &Article::other},
    {"requiredGame", KeyType::Text, &Article::requiredGame},
    {"requiredAddons", KeyType::OptionalText, nullptr, &Article::requiredAddons},
    {"installation", KeyType::Group},
    {"installation.kind", KeyType::InstallationKindName},
    {"installation.text", KeyType::OwnText},
    {"description", KeyType::Text, &Article::description},
    {"features", KeyType::OptionalText, nullptr, &Article::features},
    {"changelog", KeyType::OptionalText, nullptr, &Article::changelog},
    {"notes", KeyType::OptionalText, nullptr, &Article::notes},
    {"credits", KeyType::Text, &Article::credits},
}};

const QString kCrLf = QStringLiteral("\r\n");

const KeyRule *findKey(QStringView path)
{
    for (const KeyRule &rule : kKeys) {
        if (path == QLatin1String(rule.path))
            return &rule;
    }
    return nullptr;
}

QStringView parentOf(QStringView path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : path.left(dot);
}

QStringView leafOf(QStringView path)
{
    return path.mid(path.lastIndexOf(u'.') + 1);
}

QString quoted(QStringView text)
{
    return QLatin1Char('"') + text.toString() + QLatin1Char('"');
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
    return q.join(QStringLiteral(", ")) + QLatin1Char(' ') + QLatin1String(last) + QLatin1Char(' ') + tail;
}

QStringList membersOf(QStringView group)
{
    QStringList out;
    for (const KeyRule &rule : kKeys) {
        const QString path = QLatin1String(rule.path);
        if (parentOf(path) == group)
            out << leafOf(path).toString();
    }
    return out;
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
    for (int i = 0; i < int(kInstallationOptions.size()); ++i)
        out << installationKindName(InstallationKind(i));
    return out;
}

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QStringLiteral("true or false");
    case QJsonValue::Double: return QStringLiteral("a number");
    case QJsonValue::String: return QStringLiteral("a text");
    case QJsonValue::Array: return QStringLiteral("an array");
    case QJsonValue::Object: return QStringLiteral("an object");
    default: return QStringLiteral("nothing");
    }
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
    const QStringView leaf = leafOf(path);
    QString best;
    int bestScore = 0;
    for (const KeyRule &rule : kKeys) {
        const QString candidate = QLatin1String(rule.path);
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
    return QStringLiteral("unknown key %1; the closest known key is %2").arg(quoted(path), quoted(closestKey(path)));
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

// Checks the keys and values of a parsed article and fills in the Article.
class Reader {
public:
    Reader(const JsonSourceMap &map, const QHash<QString, int> &overridden, QList<ArticleProblem> &problems)
        : m_map(map)
        , m_overridden(overridden)
        , m_problems(problems)
    {
    }

    void readObject(const QJsonObject &object, const QString &prefix, Article &article);

private:
    enum class Place { Key, Value };

    void report(const QString &path, Place where, const QString &message);
    void readMember(const KeyRule &rule, const QString &path, const QJsonValue &value, Article &article);
    std::optional<QString> readText(const QString &path, const QJsonValue &value, bool *ok);
    void readInstallation(const QJsonObject &group, Article &article);
    QString textTypeMessage(const QString &path, const QJsonValue &value) const;

    const JsonSourceMap &m_map;
    const QHash<QString, int> &m_overridden;
    QList<ArticleProblem> &m_problems;
};

void Reader::report(const QString &path, Place where, const QString &message)
{
    const auto byOverride = m_overridden.constFind(path);
    if (byOverride != m_overridden.cend()) {
        m_problems.append({0, 0, *byOverride, message});
        return;
    }
    const qsizetype offset = where == Place::Key ? m_map.keyOffset(path) : m_map.valueOffset(path);
    if (offset < 0) {
        m_problems.append({0, 0, -1, message});
        return;
    }
    const SourcePlace place = m_map.place(offset);
    m_problems.append({place.line, place.column, -1, message});
}

QString Reader::textTypeMessage(const QString &path, const QJsonValue &value) const
{
    QString message = QStringLiteral("%1 must be a text (a string, or an array of strings, one per line), not %2")
                          .arg(quoted(path), typeName(value));
    if (value.isDouble() || value.isBool())
        message += QStringLiteral("; put it in quotes");
    return message;
}

std::optional<QString> Reader::readText(const QString &path, const QJsonValue &value, bool *ok)
{
    *ok = true;
    if (value.isNull())
        return std::nullopt;
    if (value.isString())
        return withCrLf(value.toString());
    if (!value.isArray()) {
        report(path, Place::Key, textTypeMessage(path, value));
        *ok = false;
        return std::nullopt;
    }
    const QJsonArray lines = value.toArray();
    QStringList parts;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonValue line = lines[i];
        if (!line.isString()) {
            report(path + QLatin1Char('[') + QString::number(i) + QLatin1Char(']'), Place::Value,
                   QStringLiteral("line %1 of %2 must be a string, not %3")
                       .arg(QString::number(i + 1), quoted(path), typeName(line)));
            *ok = false;
            continue;
        }
        parts << withCrLf(line.toString());
    }
    return parts.join(kCrLf);
}

void Reader::readObject(const QJsonObject &object, const QString &prefix, Article &article)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString path = prefix.isEmpty() ? it.key() : prefix + QLatin1Char('.') + it.key();
        const bool dotted = it.key().contains(QLatin1Char('.'));
        const KeyRule *rule = findKey(path);
        if (dotted && rule) {
            // "contacts.web" names a key, but the file nests it.
            report(path, Place::Key,
                   QStringLiteral("unknown key %1; write %2 inside the object %3")
                       .arg(quoted(path), quoted(leafOf(path)), quoted(parentOf(path))));
            continue;
        }
        if (dotted || !rule) {
            report(path, Place::Key, unknownKeyMessage(path));
            continue;
        }
        readMember(*rule, path, it.value(), article);
    }
}

void Reader::readMember(const KeyRule &rule, const QString &path, const QJsonValue &value, Article &article)
{
    bool ok = true;
    switch (rule.type) {
    case KeyType::Schema:
        if (!value.isString() && !value.isNull())
            report(path, Place::Key, QStringLiteral("%1 must be a text, not %2").arg(quoted(path), typeName(value)));
        break;
    case KeyType::FormatVersion:
        // Checked before anything else (readArticle).
        break;
    case KeyType::ArticleKind:
        if (value.isNull())
            break;
        if (!value.isString()) {
            report(path, Place::Key,
                   QStringLiteral("%1 must be a text, one of %2, not %3")
                       .arg(quoted(path), listOf(articleKindNames(), "or"), typeName(value)));
        } else if (!articleKindNames().contains(value.toString())) {
            report(path, Place::Value,
                   QStringLiteral("unknown article kind %1; the article kinds are %2")
                       .arg(quoted(value.toString()), listOf(articleKindNames(), "and")));
        } else {
            article.kind = value.toString();
        }
        break;
    case KeyType::Text:
        if (const std::optional<QString> text = readText(path, value, &ok); text)
            article.*rule.text = *text;
        break;
    case KeyType::OptionalText: {
        const std::optional<QString> text = readText(path, value, &ok);
        if (ok)
            article.*rule.optionalText = text;
        break;
    }
    case KeyType::Group:
        if (value.isNull())
            break;
        if (!value.isObject()) {
            report(path, Place::Key,
                   QStringLiteral("%1 must be an object with the keys %2, not %3")
                       .arg(quoted(path), listOf(membersOf(path), "and"), typeName(value)));
            break;
        }
        if (path == QLatin1String("installation"))
            readInstallation(value.toObject(), article);
        else
            readObject(value.toObject(), path, article);
        break;
    case KeyType::InstallationKindName:
    case KeyType::OwnText:
        // Read together with their group (readInstallation).
        break;
    }
}

void Reader::readInstallation(const QJsonObject &group, Article &article)
{
    Article unused;
    readObject(group, QStringLiteral("installation"), unused); // reports unknown keys only

    const QString kindPath = QStringLiteral("installation.kind");
    const QString textPath = QStringLiteral("installation.text");
    std::optional<InstallationKind> kind;
    bool kindOk = true;
    const QJsonValue kindValue = group.value(QStringLiteral("kind"));
    if (kindValue.isString()) {
        kind = installationKindByName(kindValue.toString());
        if (!kind) {
            kindOk = false;
            report(kindPath, Place::Value,
                   QStringLiteral("unknown installation kind %1; the installation kinds are %2")
                       .arg(quoted(kindValue.toString()), listOf(installationKindNames(), "and")));
        }
    } else if (!kindValue.isNull() && !kindValue.isUndefined()) {
        kindOk = false;
        report(kindPath, Place::Key,
               QStringLiteral("%1 must be a text, one of %2, not %3")
                   .arg(quoted(kindPath), listOf(installationKindNames(), "or"), typeName(kindValue)));
    }

    bool textOk = true;
    const std::optional<QString> text = group.contains(QStringLiteral("text"))
                                            ? readText(textPath, group.value(QStringLiteral("text")), &textOk)
                                            : std::nullopt;
    if (!kindOk || !textOk)
        return;

    if (!kind && !text)
        return; // as a new window has it
    if (!kind || *kind == InstallationKind::OwnDescription) {
        // A text alone means the own description.
        article.installation = InstallationKind::OwnDescription;
        article.installationText = text.value_or(templates::installationNotice(InstallationKind::OwnDescription));
        return;
    }
    if (text) {
        report(textPath, Place::Key,
               QStringLiteral("%1 is used only with the installation kind \"Own description\", not with %2")
                   .arg(quoted(textPath), quoted(installationKindName(*kind))));
        return;
    }
    article.installation = kind;
}

// Where the parser gave up: its offset is one past the character it stopped
// at, except for a bad number and for text after the end, where it is the
// character itself.
qsizetype syntaxErrorOffset(QByteArrayView json, const QJsonParseError &error)
{
    qsizetype offset = error.offset;
    if (error.error == QJsonParseError::GarbageAtEnd) {
        while (offset < json.size() && QChar::isSpace(uchar(json[offset])))
            ++offset;
    } else if (error.error != QJsonParseError::IllegalNumber) {
        --offset;
    }
    return std::clamp<qsizetype>(offset, 0, json.size());
}

QString syntaxErrorMessage(const QJsonParseError &error)
{
    const char *what = nullptr;
    switch (error.error) {
    case QJsonParseError::UnterminatedObject: what = "expected \",\" or \"}\" (and every key in double quotes)"; break;
    case QJsonParseError::MissingNameSeparator: what = "expected \":\" after the key"; break;
    case QJsonParseError::UnterminatedArray: what = "expected \",\" or \"]\""; break;
    case QJsonParseError::MissingValueSeparator: what = "expected \",\" between two values"; break;
    case QJsonParseError::IllegalValue:
    case QJsonParseError::IllegalNumber:
        what = "expected a value: a text in double quotes, a number, true, false, null, an object or an array";
        break;
    case QJsonParseError::TerminationByNumber: what = "the file ends too early"; break;
    case QJsonParseError::IllegalEscapeSequence: what = "invalid escape sequence in a text"; break;
    case QJsonParseError::IllegalUTF8String: what = "the file is not valid UTF-8; save it as UTF-8"; break;
    case QJsonParseError::UnterminatedString: what = "a text is not closed with a double quote"; break;
    case QJsonParseError::MissingObject: what = "expected a value (no \",\" may stand before \"}\" or \"]\")"; break;
    case QJsonParseError::DeepNesting: what = "objects and arrays are nested too deeply"; break;
    case QJsonParseError::DocumentTooLarge: what = "the file is too large"; break;
    case QJsonParseError::GarbageAtEnd: what = "more text after the end of the article's object"; break;
    default: break;
    }
    return QStringLiteral("invalid JSON: ") + (what ? QString::fromLatin1(what) : error.errorString());
}

// Applies the overrides to the parsed file; returns which override set each
// key, so that a problem with its value is blamed on the override.
QHash<QString, int> applyOverrides(QJsonObject &root, const QList<ArticleOverride> &overrides,
                                   QList<ArticleProblem> &problems)
{
    QHash<QString, int> overridden;
    for (int i = 0; i < int(overrides.size()); ++i) {
        const QString &key = overrides[i].key;
        const KeyRule *rule = findKey(key);
        if (!rule) {
            problems.append({0, 0, i, unknownKeyMessage(key)});
            continue;
        }
        if (rule->type == KeyType::Group) {
            QStringList members;
            for (const QString &member : membersOf(key))
                members << key + QLatin1Char('.') + member;
            problems.append(
                {0, 0, i,
                 QStringLiteral("%1 is a group of keys; give one of %2").arg(quoted(key), listOf(members, "or"))});
            continue;
        }
        if (rule->type == KeyType::Schema || rule->type == KeyType::FormatVersion) {
            problems.append(
                {0, 0, i, QStringLiteral("%1 describes the file itself and cannot be set").arg(quoted(key))});
            continue;
        }
        const QJsonValue value = overrides[i].value ? QJsonValue(*overrides[i].value) : QJsonValue(QJsonValue::Null);
        const QString parent = parentOf(key).toString();
        if (parent.isEmpty()) {
            root.insert(key, value);
        } else {
            const QJsonValue group = root.value(parent);
            if (!group.isObject() && !group.isNull() && !group.isUndefined())
                continue; // the file's own value of the group is reported
            QJsonObject object = group.toObject();
            object.insert(leafOf(key).toString(), value);
            root.insert(parent, object);
        }
        overridden.insert(key, i);
    }
    return overridden;
}

// --- writing ---

QByteArray indentation(int level)
{
    return QByteArray(4 * level, ' ');
}

QByteArray jsonString(QStringView text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'"': out += QLatin1String("\\\""); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\b': out += QLatin1String("\\b"); break;
        case u'\f': out += QLatin1String("\\f"); break;
        default:
            // Control characters and lone surrogate halves are escaped, so
            // that the UTF-8 file keeps every character of the text; so is
            // U+FEFF, which Qt's JSON reader drops from the start of a
            // string when it stands there unescaped.
            if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() == 0xFEFF)
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

// One line: a string; several lines: an array of strings, one per line.
QByteArray jsonText(QStringView text, int level)
{
    if (!text.contains(kCrLf))
        return jsonString(text);
    QByteArray out = "[\n";
    const QList<QStringView> lines = text.split(kCrLf);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += indentation(level + 1) + jsonString(lines[i]);
        out += i + 1 < lines.size() ? ",\n" : "\n";
    }
    return out + indentation(level) + ']';
}

class ObjectWriter {
public:
    explicit ObjectWriter(int level)
        : m_level(level)
    {
    }

    void member(const char *key, const QByteArray &value)
    {
        m_members << jsonString(QString::fromLatin1(key)) + ": " + value;
    }
    void text(const char *key, QStringView text) { member(key, jsonText(text, m_level + 1)); }
    void optionalText(const char *key, const std::optional<QString> &text)
    {
        if (text)
            this->text(key, *text);
    }

    QByteArray finish() const
    {
        QByteArray out = "{\n";
        for (qsizetype i = 0; i < m_members.size(); ++i) {
            out += indentation(m_level + 1) + m_members[i];
            out += i + 1 < m_members.size() ? ",\n" : "\n";
        }
        return out + indentation(m_level) + '}';
    }

private:
    int m_level;
    QList<QByteArray> m_members;
};

// --- the form ---

void applySwitched(ControlAccess &form, Control check, Control field, const std::optional<QString> &value)
{
    if (value) {
        form.setValue(check, 1);
        form.setText(field, *value);
    } else {
        form.setText(field, QString());
        form.setValue(check, 0);
    }
}

std::optional<QString> switchedText(const ControlAccess &form, Control check, Control field)
{
    return form.value(check) == 1 ? std::optional<QString>(form.text(field)) : std::nullopt;
}

} // namespace

QString installationKindName(InstallationKind kind)
{
    return design(kInstallationOptions[size_t(kind)]).text;
}

std::optional<InstallationKind> installationKindByName(QStringView name)
{
    for (int i = 0; i < int(kInstallationOptions.size()); ++i) {
        if (name == installationKindName(InstallationKind(i)))
            return InstallationKind(i);
    }
    return std::nullopt;
}

QStringList articleKeys()
{
    QStringList out;
    for (const KeyRule &rule : kKeys)
        out << QLatin1String(rule.path);
    return out;
}

ArticleReadResult readArticle(const QByteArray &source, const QList<ArticleOverride> &overrides)
{
    ArticleReadResult result;
    auto fail = [&result](SourcePlace place, const QString &message) {
        result.problems.append({place.line, place.column, -1, message});
        return result;
    };

    QByteArrayView json = source;
    if (json.startsWith("\xEF\xBB\xBF"))
        json = json.sliced(3);
    else if (json.startsWith("\xFF\xFE") || json.startsWith("\xFE\xFF"))
        return fail({1, 1}, QStringLiteral("the file is in UTF-16; an article file must be saved as UTF-8"));
    if (json.trimmed().isEmpty())
        return fail({1, 1}, QStringLiteral("the file is empty; an article file holds one JSON object"));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        return fail(placeInText(json, syntaxErrorOffset(json, error)), syntaxErrorMessage(error));
    const JsonSourceMap map(json);
    if (!document.isObject()) {
        return fail(map.place(map.firstValueOffset()),
                    QStringLiteral("an article file holds one JSON object { ... }, not an array"));
    }
    QJsonObject root = document.object();

    // A newer file may mean something else by its keys: nothing more is said.
    const QJsonValue format = root.value(QStringLiteral("formatVersion"));
    const QString formatPath = QStringLiteral("formatVersion");
    if (!format.isUndefined() && !format.isNull()) {
        const double v = format.toDouble(-1);
        const SourcePlace at = map.place(map.keyOffset(formatPath));
        if (!format.isDouble() || v != std::floor(v) || v < 1)
            return fail(at, QStringLiteral("\"formatVersion\" must be a whole number such as %1, not %2")
                                .arg(QString::number(kArticleFormatVersion),
                                     format.isDouble() ? QString::number(v) : typeName(format)));
        if (v > kArticleFormatVersion)
            return fail(at, QStringLiteral("the file has format version %1; this program reads format version %2")
                                .arg(QString::number(v, 'f', 0), QString::number(kArticleFormatVersion)));
    }

    for (const JsonSourceMap::Duplicate &d : map.duplicates()) {
        const SourcePlace again = map.place(d.again);
        result.problems.append({again.line, again.column, -1,
                                QStringLiteral("key %1 is given more than once (first in line %2)")
                                    .arg(quoted(d.path), QString::number(map.place(d.first).line))});
    }

    const QHash<QString, int> overridden = applyOverrides(root, overrides, result.problems);
    Reader(map, overridden, result.problems).readObject(root, QString(), result.article);

    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const ArticleProblem &a, const ArticleProblem &b) {
                         return std::tuple(a.overrideIndex, a.line, a.column)
                                < std::tuple(b.overrideIndex, b.line, b.column);
                     });
    return result;
}

QByteArray writeArticleJson(const Article &article)
{
    ObjectWriter root(0);
    root.member("formatVersion", QByteArray::number(kArticleFormatVersion));
    root.text("kind", article.kind);
    root.text("name", article.name);
    root.text("version", article.version);
    root.text("authors", article.authors);
    root.text("releaseDate", article.releaseDate);

    ObjectWriter contacts(1);
    contacts.text("web", article.web);
    contacts.text("email", article.email);
    contacts.optionalText("skype", article.skype);
    contacts.optionalText("icq", article.icq);
    contacts.optionalText("other", article.other);
    root.member("contacts", contacts.finish());

    root.text("requiredGame", article.requiredGame);
    root.optionalText("requiredAddons", article.requiredAddons);
    if (article.installation) {
        ObjectWriter installation(1);
        installation.text("kind", installationKindName(*article.installation));
        if (*article.installation == InstallationKind::OwnDescription)
            installation.text("text", article.installationText);
        root.member("installation", installation.finish());
    }
    root.text("description", article.description);
    root.optionalText("features", article.features);
    root.optionalText("changelog", article.changelog);
    root.optionalText("notes", article.notes);
    root.text("credits", article.credits);
    return root.finish() + '\n';
}

void applyArticle(const Article &article, ControlAccess &form)
{
    form.setText(Control::ArticleCombo, article.kind);
    form.setText(Control::ArticleNameText, article.name);
    form.setText(Control::VersionText, article.version);
    form.setText(Control::AuthorText, article.authors);
    form.setText(Control::ReleaseText, article.releaseDate);
    form.setText(Control::ContactText1, article.web);
    form.setText(Control::ContactText2, article.email);
    applySwitched(form, Control::SkypeCheck, Control::ContactText3, article.skype);
    applySwitched(form, Control::ICQCheck, Control::ContactText4, article.icq);
    applySwitched(form, Control::OtherCheck, Control::ContactText5, article.other);

    form.setText(Control::RequiredGameText, article.requiredGame);
    if (article.requiredAddons) {
        form.setValue(Control::AddonsCheck2, 1);
        form.setText(Control::AddonsText, *article.requiredAddons);
    } else {
        form.setText(Control::AddonsText, QString());
        form.setValue(Control::AddonsCheck1, 1);
    }

    if (!article.installation) {
        form.select(Control::SPmissionOption);
    } else {
        const Control option = kInstallationOptions[size_t(*article.installation)];
        const bool own = *article.installation == InstallationKind::OwnDescription;
        // A template is stored by its option's handler, which runs only when
        // the option becomes selected: a user who wants it stored again
        // picks another option first.
        if (!own && form.isSelected(option))
            form.select(Control::OwnDescriptionOption);
        form.select(option);
        if (own)
            form.setText(Control::InstallationText, article.installationText);
    }

    form.setText(Control::DescriptionText, article.description);
    applySwitched(form, Control::ContentCheck, Control::ContentText, article.features);
    applySwitched(form, Control::ChangelogCheck, Control::ChangelogText, article.changelog);
    applySwitched(form, Control::ClassnamesCheck, Control::ClassnamesText, article.notes);
    form.setText(Control::CreditsText, article.credits);
}

Article articleFromForm(const ControlAccess &form)
{
    Article article;
    article.kind = form.text(Control::ArticleCombo);
    article.name = form.text(Control::ArticleNameText);
    article.version = form.text(Control::VersionText);
    article.authors = form.text(Control::AuthorText);
    article.releaseDate = form.text(Control::ReleaseText);
    article.web = form.text(Control::ContactText1);
    article.email = form.text(Control::ContactText2);
    article.skype = switchedText(form, Control::SkypeCheck, Control::ContactText3);
    article.icq = switchedText(form, Control::ICQCheck, Control::ContactText4);
    article.other = switchedText(form, Control::OtherCheck, Control::ContactText5);
    article.requiredGame = form.text(Control::RequiredGameText);
    article.requiredAddons = switchedText(form, Control::AddonsCheck2, Control::AddonsText);
    for (size_t i = 0; i < kInstallationOptions.size(); ++i) {
        if (form.isSelected(kInstallationOptions[i]))
            article.installation = InstallationKind(i);
    }
    if (article.installation == InstallationKind::OwnDescription)
        article.installationText = form.text(Control::InstallationText);
    article.description = form.text(Control::DescriptionText);
    article.features = switchedText(form, Control::ContentCheck, Control::ContentText);
    article.changelog = switchedText(form, Control::ChangelogCheck, Control::ChangelogText);
    article.notes = switchedText(form, Control::ClassnamesCheck, Control::ClassnamesText);
    article.credits = form.text(Control::CreditsText);
    return article;
}

QString assembleReadme(const Article &article)
{
    OfflineDocument offline;
    applyArticle(article, offline.form);
    return offline.document.assemble();
}

ArticleFileRead readArticleFile(const QString &path, const QList<ArticleOverride> &overrides)
{
    ArticleFileRead read;
    QFile file;
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        read.error = file.errorString();
        return read;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        return read;
    }
    read.readable = true;
    read.result = readArticle(bytes, overrides);
    return read;
}

} // namespace kestrin
