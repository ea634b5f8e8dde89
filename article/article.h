// SPDX-License-Identifier: MIT
#pragma once

// The article file: one article's fields kept in a JSON file, so that a
// ReadMe can be made again without retyping the form. Read and written here;
// applied to a form (and read back from one) through ControlAccess, the way
// a user fills in the window.

#include "services.h"
#include "templates.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrin {

// The article as the form holds it. Texts use CR LF between lines. An
// optional contact line or section is present exactly when its value is
// set (an empty text gives the line or section with an empty value).
struct Article {
    QString kind = QStringLiteral("SP mission"); // one of kArticleKinds
    QString name;
    QString version;
    QString authors;
    QString releaseDate;
    QString web = QStringLiteral("http://");
    QString email = QStringLiteral("@");
    std::optional<QString> skype;
    std::optional<QString> icq;
    std::optional<QString> other;
    QString requiredGame;
    // Not set: "None - official only"; set: "User defined" with this list.
    std::optional<QString> requiredAddons;
    // Not set: the installation as a newly opened window has it (SP mission,
    // with the section the load handler stores). A template kind is chosen
    // on the form so that its option handler stores the template.
    std::optional<InstallationKind> installation;
    // The own description; only used with InstallationKind::OwnDescription.
    QString installationText;
    QString description;
    std::optional<QString> features;
    std::optional<QString> changelog;
    std::optional<QString> notes;
    QString credits;

    bool operator==(const Article &) const = default;
};

// The version of the file layout that writeArticleJson writes and
// readArticle understands.
inline constexpr int kArticleFormatVersion = 1;

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

// The article as a file: UTF-8 JSON with the keys in form order, multi-line
// texts as arrays of lines, absent optional values left out.
QByteArray writeArticleJson(const Article &article);

// Text from the input as a message shows it: control characters (C0 but
// tab and line feed, DEL, C1) written as \u001b, so that they can neither
// steer a terminal nor hide in a message box.
QString escapeControlCharacters(QStringView text);
// A key or value quoted in a message: escaped, in double quotes, and cut
// after kQuotedLength characters with "…" (a message never repeats a huge
// key or value whole).
inline constexpr qsizetype kQuotedLength = 80;
QString quoteForMessage(QStringView text);

// Every key of the format that holds a value (dotted paths), in file order.
QStringList articleKeys();

// The caption that names an installation kind in the file ("SP mission",
// ..., "Own description"), and back.
QString installationKindName(InstallationKind kind);
std::optional<InstallationKind> installationKindByName(QStringView name);

// Fills in a loaded form the way a user does it: picks the article kind,
// types the texts, ticks and unticks the switches and selects the options
// (whose handlers run as usual). Works on a form in any state.
void applyArticle(const Article &article, ControlAccess &form);

// The article that a form holds (the switches decide the optional values).
Article articleFromForm(const ControlAccess &form);

// The ReadMe text that Create assembles for the article: a new form is
// loaded, filled in with applyArticle and assembled. Ends with the footer,
// without the final line end.
QString assembleReadme(const Article &article);

} // namespace kestrin
