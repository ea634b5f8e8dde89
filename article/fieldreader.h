// SPDX-License-Identifier: MIT
#pragma once

// The checks of the article's keys: each value read against its key in the
// field table (articlefields.h) and kept in the Article, or reported, with
// its place. The JSON events come from ArticleHandler; the overrides' values
// come the same way (OverrideTable).

#include "article.h"
#include "articlefields.h"
#include "articlereader.h"
#include "articlesource.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace kestrin::reading {

enum class ValueType { Null, Bool, Number, Text, Array, Object };

// "a text", "an object", as messages name a value's type.
QString typeName(ValueType type);

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

// The problems found: those of the file up to kArticleProblemListLimit (the
// others counted), and those of the overrides.
class ProblemList {
public:
    // message is called only when the problem is listed.
    template <typename Message>
    void report(const Where &where, Message &&message)
    {
        if (where.overrideIndex >= 0) {
            m_overrideProblems.append({0, 0, where.overrideIndex, message()});
        } else if (m_problems.size() < kArticleProblemListLimit) {
            m_problems.append({where.place.line, where.place.column, -1, message()});
        } else {
            ++m_unlisted;
        }
    }

    // The file's in the order of the file, then the overrides' in theirs.
    QList<ArticleProblem> sorted() const;
    qsizetype unlisted() const { return m_unlisted; }

private:
    QList<ArticleProblem> m_problems;
    QList<ArticleProblem> m_overrideProblems;
    qsizetype m_unlisted = 0;
};

class FieldReader {
public:
    explicit FieldReader(ProblemList &problems)
        : m_problems(problems)
    {
    }

    // The value of one key of the table, from the file or from an override.
    // Returns what to read a container into.
    FrameKind read(const ArticleField &field, const QString &path, const Value &value, const Where &keyWhere,
                   const Where &valueWhere);
    // A text field's value: its text, or (nullopt) none.
    void setText(const ArticleField &field, const std::optional<QString> &text);
    // An array of lines held something else than strings.
    void linesRefused(const ArticleField &field);
    // Once everything is read: the installation's two keys together.
    void decideInstallation();

    // Whether the group's value was something else than an object.
    bool isBrokenGroup(const QString &path) const { return m_brokenGroups.contains(path); }
    const Article &article() const { return m_article; }
    // The file's format version is not this reader's: said alone.
    const std::optional<ArticleProblem> &formatProblem() const { return m_formatProblem; }
    bool newerFormat() const { return m_newerFormat; }

private:
    // The installation's two keys, decided on together at the end.
    struct Installation {
        std::optional<QString> kindName;
        Where kindWhere;
        bool kindOk = true;
        std::optional<QString> text;
        Where textKeyWhere;
        bool textOk = true;
    };

    void readFormatVersion(const Value &value, const Where &keyWhere);
    void readArticleKind(const QString &path, const Value &value, const Where &keyWhere, const Where &valueWhere);
    FrameKind readText(const ArticleField &field, const QString &path, const Value &value, const Where &keyWhere);
    FrameKind readGroup(const QString &path, ValueType type, const Where &keyWhere);
    void readInstallationKind(const QString &path, const Value &value, const Where &keyWhere, const Where &valueWhere);
    QString textTypeMessage(const QString &path, ValueType type) const;

    ProblemList &m_problems;
    Article m_article;
    Installation m_installation;
    QSet<QString> m_brokenGroups; // groups whose value is not an object
    std::optional<ArticleProblem> m_formatProblem;
    bool m_newerFormat = false;
};

} // namespace kestrin::reading
