// SPDX-License-Identifier: MIT
#pragma once

// The ReadMe's content apart from how it is written out: its title, the
// labelled lines of its head and contacts, and the ordered sections, each a
// heading and a body. The plain-text layout, BBCode and Markdown are
// renderers of it.

#include "article.h"

#include <QList>
#include <QString>

namespace kestrin {

// A line made of a label and a value: "Version: " and the version. The
// value may hold line breaks (CR LF), so the line may span several.
struct ReadmeEntry {
    QString label;
    QString value;
};

// A section: the heading (ending in one blank, as the plain text has it)
// over an underline, then the body as typed.
struct ReadmeSection {
    QString heading;
    QString body;
};

struct ReadmeModel {
    // The first line: the article kind, TAB "-" TAB, the name.
    QString article;
    QString name;
    // Below the title: version and authors, then the release date.
    ReadmeEntry version;
    ReadmeEntry authors;
    ReadmeEntry releaseDate;
    // "Contacts:" over Web, Email and the switched-on Skype, ICQ and Other.
    QString contactsHeading;
    QList<ReadmeEntry> contacts;
    // The underlined "Required game: " line.
    ReadmeEntry requiredGame;
    // Required addons, Installation, Description, the switched-on Features,
    // Changelog/known bugs and Notes, Credits.
    QList<ReadmeSection> sections;
    // The fixed disclaimer (its heading has no blank) and the footer line.
    ReadmeSection disclaimer;
    QString footer;

    // Which contact is the web address (the first one).
    static constexpr qsizetype kWebContact = 0;
};

// The ReadMe of an article: what Create writes for a form that holds it.
// The texts are shared with the article, not copied.
ReadmeModel readmeModel(const Article &article);

} // namespace kestrin
