// Reading an article file: the JSON is parsed, the overrides applied, and
// every key and value checked against the field table.

#include "article.h"
#include "articlefields.h"

#include "articlesource.h"

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

const QString kCrLf = QStringLiteral("\r\n");

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
    for (const ArticleField &rule : kArticleFields) {
        const QString candidate = QLatin1String(rule.key);
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
    void readMember(const ArticleField &rule, const QString &path, const QJsonValue &value, Article &article);
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
        const ArticleField *rule = findArticleField(path);
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

void Reader::readMember(const ArticleField &rule, const QString &path, const QJsonValue &value, Article &article)
{
    bool ok = true;
    switch (rule.type) {
    case FieldType::Schema:
        if (!value.isString() && !value.isNull())
            report(path, Place::Key, QStringLiteral("%1 must be a text, not %2").arg(quoted(path), typeName(value)));
        break;
    case FieldType::FormatVersion:
        // Checked before anything else (readArticle).
        break;
    case FieldType::ArticleKind:
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
    case FieldType::Text:
        if (const std::optional<QString> text = readText(path, value, &ok); text)
            article.*rule.text = *text;
        break;
    case FieldType::OptionalText: {
        const std::optional<QString> text = readText(path, value, &ok);
        if (ok)
            article.*rule.optionalText = text;
        break;
    }
    case FieldType::Group:
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
    case FieldType::InstallationKind:
    case FieldType::InstallationText:
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
        const ArticleField *rule = findArticleField(key);
        if (!rule) {
            problems.append({0, 0, i, unknownKeyMessage(key)});
            continue;
        }
        if (rule->type == FieldType::Group) {
            QStringList members;
            for (const QString &member : membersOf(key))
                members << key + QLatin1Char('.') + member;
            problems.append(
                {0, 0, i,
                 QStringLiteral("%1 is a group of keys; give one of %2").arg(quoted(key), listOf(members, "or"))});
            continue;
        }
        if (rule->type == FieldType::Schema || rule->type == FieldType::FormatVersion) {
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

} // namespace

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
