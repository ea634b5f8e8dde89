// SPDX-License-Identifier: MIT
#include "fieldreader.h"

#include "installationkind.h"
#include "readermessages.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kestrin::reading {

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

QList<ArticleProblem> ProblemList::sorted() const
{
    QList<ArticleProblem> all = m_problems;
    all += m_overrideProblems;
    std::stable_sort(all.begin(), all.end(), [](const ArticleProblem &a, const ArticleProblem &b) {
        return std::tuple(a.overrideIndex, a.line, a.column) < std::tuple(b.overrideIndex, b.line, b.column);
    });
    return all;
}

FrameKind FieldReader::read(const ArticleField &field, const QString &path, const Value &value, const Where &keyWhere,
                            const Where &valueWhere)
{
    const ValueType type = value.type;
    switch (field.type) {
    case FieldType::Schema:
        if (type != ValueType::Text && type != ValueType::Null)
            m_problems.report(keyWhere, [&] {
                return ArticleReader::tr("%1 must be a text, not %2").arg(quoted(path), typeName(type));
            });
        break;
    case FieldType::FormatVersion: readFormatVersion(value, keyWhere); break;
    case FieldType::ArticleKind: readArticleKind(path, value, keyWhere, valueWhere); break;
    case FieldType::Text:
    case FieldType::OptionalText:
    case FieldType::InstallationText: return readText(field, path, value, keyWhere);
    case FieldType::Group: return readGroup(path, type, keyWhere);
    case FieldType::InstallationKind: readInstallationKind(path, value, keyWhere, valueWhere); break;
    }
    return FrameKind::Skip;
}

void FieldReader::readFormatVersion(const Value &value, const Where &keyWhere)
{
    const ValueType type = value.type;
    if (type == ValueType::Null)
        return;
    const double v = value.number;
    QString message;
    if (type != ValueType::Number || v != std::floor(v) || v < 1) {
        message = ArticleReader::tr("\"formatVersion\" must be a whole number such as %1, not %2")
                      .arg(QString::number(kArticleFormatVersion),
                           type == ValueType::Number ? QString::number(v) : typeName(type));
    } else if (v > kArticleFormatVersion) {
        m_newerFormat = true;
        message = ArticleReader::tr("the file was written by a newer version of Kestrin Editor (format version %1); "
                                    "this version reads format version %2")
                      .arg(QString::number(v, 'f', 0), QString::number(kArticleFormatVersion));
    }
    if (!message.isEmpty() && !m_formatProblem)
        m_formatProblem = ArticleProblem{keyWhere.place.line, keyWhere.place.column, -1, message};
}

void FieldReader::readArticleKind(const QString &path, const Value &value, const Where &keyWhere,
                                  const Where &valueWhere)
{
    const ValueType type = value.type;
    if (type == ValueType::Text && articleKindNames().contains(value.text)) {
        m_article.kind = value.text;
    } else if (type == ValueType::Text) {
        m_problems.report(valueWhere, [&] {
            return ArticleReader::tr("unknown article kind %1; the article kinds are %2")
                .arg(quoted(value.text), listOf(articleKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "and")));
        });
    } else if (type != ValueType::Null) {
        m_problems.report(keyWhere, [&] {
            return ArticleReader::tr("%1 must be a text, one of %2, not %3")
                .arg(quoted(path), listOf(articleKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "or")),
                     typeName(type));
        });
    }
}

FrameKind FieldReader::readText(const ArticleField &field, const QString &path, const Value &value,
                                const Where &keyWhere)
{
    if (field.type == FieldType::InstallationText)
        m_installation.textKeyWhere = keyWhere;
    switch (value.type) {
    case ValueType::Null: setText(field, std::nullopt); break;
    case ValueType::Text: setText(field, withCrLf(value.text)); break;
    case ValueType::Array: return FrameKind::Lines;
    default:
        if (field.type == FieldType::InstallationText)
            m_installation.textOk = false;
        m_problems.report(keyWhere, [&] { return textTypeMessage(path, value.type); });
    }
    return FrameKind::Skip;
}

FrameKind FieldReader::readGroup(const QString &path, ValueType type, const Where &keyWhere)
{
    if (type == ValueType::Object)
        return FrameKind::Object;
    if (type == ValueType::Null)
        return FrameKind::Skip;
    m_brokenGroups.insert(path);
    m_problems.report(keyWhere, [&] {
        return ArticleReader::tr("%1 must be an object with the keys %2, not %3")
            .arg(quoted(path), listOf(membersOf(path), QT_TRANSLATE_NOOP("ArticleReader", "and")), typeName(type));
    });
    return FrameKind::Skip;
}

void FieldReader::readInstallationKind(const QString &path, const Value &value, const Where &keyWhere,
                                       const Where &valueWhere)
{
    if (value.type == ValueType::Text) {
        m_installation.kindName = value.text;
        m_installation.kindWhere = valueWhere;
    } else if (value.type == ValueType::Null) {
        m_installation.kindName.reset();
    } else {
        m_installation.kindOk = false;
        m_problems.report(keyWhere, [&] {
            return ArticleReader::tr("%1 must be a text, one of %2, not %3")
                .arg(quoted(path), listOf(installationKindNames(), QT_TRANSLATE_NOOP("ArticleReader", "or")),
                     typeName(value.type));
        });
    }
}

QString FieldReader::textTypeMessage(const QString &path, ValueType type) const
{
    QString message = ArticleReader::tr("%1 must be a text (a string, or an array of strings, one per line), not %2")
                          .arg(quoted(path), typeName(type));
    if (type == ValueType::Number || type == ValueType::Bool)
        message += ArticleReader::tr("; put it in quotes");
    return message;
}

void FieldReader::setText(const ArticleField &field, const std::optional<QString> &text)
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

void FieldReader::linesRefused(const ArticleField &field)
{
    if (field.type == FieldType::InstallationText)
        m_installation.textOk = false;
}

void FieldReader::decideInstallation()
{
    const Installation &in = m_installation;
    if (!in.kindOk || !in.textOk)
        return;
    std::optional<InstallationKind> kind;
    if (in.kindName) {
        kind = installationKindByName(*in.kindName);
        if (!kind) {
            m_problems.report(in.kindWhere, [&] {
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
        m_problems.report(in.textKeyWhere, [&] {
            return ArticleReader::tr(
                       "\"installation.text\" is used only with the installation kind \"Own description\", "
                       "not with %1")
                .arg(quoted(installationKindName(*kind)));
        });
        return;
    }
    m_article.installation = kind;
}

} // namespace kestrin::reading
