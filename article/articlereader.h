// SPDX-License-Identifier: MIT
#pragma once

// Reading an article file: the JSON checked key by key, with every problem
// reported at its place in the file.

#include "article.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace kestrin {

// A change to one key, made after the file is read and before it is
// checked: a text (as --set KEY=VALUE gives it) or, without a value, the
// key removed (as if the file did not have it).
struct ArticleOverride {
    QString key; // dotted path, e.g. "contacts.skype"
    std::optional<QString> value;
};

// Something wrong with an article file or an override. line and column are
// 1-based places in the file (columns in characters); 0 when the problem
// has no place in the file. overrideIndex is the index of the override that
// caused it, or -1.
struct ArticleProblem {
    qsizetype line = 0;
    qsizetype column = 0;
    int overrideIndex = -1;
    QString message;
};

// At most this many problems of the file are listed; the others are only
// counted (ArticleReadResult::unlistedProblems). Problems of the overrides
// are always listed.
inline constexpr qsizetype kArticleProblemListLimit = 1000;

struct ArticleReadResult {
    Article article;
    QList<ArticleProblem> problems; // empty when the article is valid
    qsizetype unlistedProblems = 0; // problems found beyond those listed
    // The file was written for a newer format version than
    // kArticleFormatVersion: problems holds that one message, and nothing
    // else of the file is checked.
    bool newerFormat = false;

    bool ok() const { return problems.isEmpty(); }
};

// Reads an article file (UTF-8 JSON as RFC 8259 defines it, a byte-order
// mark allowed), applies the overrides, and checks every key and value.
// Every problem found is reported, in the order of the file; invalid JSON
// ends the reading at once, with its place. Time and memory are linear in
// the size of the source.
ArticleReadResult readArticle(const QByteArray &source, const QList<ArticleOverride> &overrides = {});

// The largest article file that is read: far above any real article, low
// enough that a runaway input cannot exhaust memory.
inline constexpr qint64 kArticleFileSizeLimit = qint64(64) * 1024 * 1024;

// Reading an article file from disk (or "-" for standard input).
struct ArticleFileRead {
    bool readable = false; // false: the file could not be read at all
    QString error;         // why it could not be read (the system's reason, or the size limit)
    ArticleReadResult result;

    bool ok() const { return readable && result.ok(); }
};

// Reads the file with a bounded buffer and checks it like readArticle. A
// file (or standard input) longer than kArticleFileSizeLimit is refused
// unread: error says so.
ArticleFileRead readArticleFile(const QString &path, const QList<ArticleOverride> &overrides = {});

// Text from the input as a message shows it: control characters (C0 but
// tab and line feed, DEL, C1) written as \u001b, so that they can neither
// steer a terminal nor hide in a message box.
QString escapeControlCharacters(QStringView text);
// A key or value quoted in a message: escaped, in double quotes, and cut
// after kQuotedLength characters with "…" (a message never repeats a huge
// key or value whole).
inline constexpr qsizetype kQuotedLength = 80;
QString quoteForMessage(QStringView text);

} // namespace kestrin
