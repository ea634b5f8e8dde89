// SPDX-License-Identifier: MIT
#pragma once

// The ReadMe's content apart from how it is written out: its title, the
// labelled lines of its head and contacts, and the ordered sections, each a
// heading and a body. The plain-text layout, BBCode and Markdown are
// renderers of it.

#include "article.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace kestrin {

// The window-level section blocks the ReadMe is assembled from. Each is
// either empty or a finished piece of ReadMe text ending in CR LF.
struct SectionBlocks {
    QString skypeLine;
    QString icqLine;
    QString otherLine;
    QString addonsBlock;
    QString installationBlock;
    QString featuresBlock;
    QString changelogBlock;
    QString notesBlock;
};

// The plain field values the layout inserts verbatim.
struct LayoutFields {
    QString article;
    QString name;
    QString version;
    QString authors;
    QString releaseDate;
    QString web;
    QString email;
    QString requiredGame;
    QString description;
    QString credits;
    QString disclaimer;
};

// A part of a string, kept without copying it: the string is shared (Qt's
// implicit sharing) and the part is its offset and length.
class TextSlice {
public:
    TextSlice() = default;
    TextSlice(QString text) // NOLINT: a whole string is a slice of itself
        : m_text(std::move(text))
        , m_size(m_text.size())
    {
    }
    TextSlice(QString text, qsizetype from, qsizetype size)
        : m_text(std::move(text))
        , m_from(from)
        , m_size(size)
    {
    }

    QStringView view() const { return QStringView(m_text).mid(m_from, m_size); }
    operator QStringView() const { return view(); } // NOLINT
    bool isEmpty() const { return m_size == 0; }
    QString toString() const { return view().toString(); }

private:
    QString m_text;
    qsizetype m_from = 0;
    qsizetype m_size = 0;
};

// A line made of a label and a value: "Version: " and the version. The
// value may hold line breaks (CR LF), so the line may span several.
struct ReadmeEntry {
    QString label;
    TextSlice value;
    // A finished piece of text that is not of this shape (only from blocks
    // put together elsewhere): written as it stands, label empty.
    bool verbatim = false;
};

// A section: the heading (ending in one blank, as the plain text has it)
// over an underline, then the body as typed.
struct ReadmeSection {
    QString heading;
    TextSlice body;
    // As for ReadmeEntry: the whole piece is the body, written as it stands.
    bool verbatim = false;
};

struct ReadmeModel {
    // The first line: the article kind, TAB "-" TAB, the name.
    TextSlice article;
    TextSlice name;
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

// The blocks Create builds afresh from a field, given as the field's text
// itself (a contact line's value, a section's body), so that the model
// shares it instead of a copy; std::nullopt: the block is taken as it is.
struct RebuiltBlocks {
    std::optional<QString> skype;
    std::optional<QString> icq;
    std::optional<QString> other;
    std::optional<QString> addons;
    std::optional<QString> installation;
    std::optional<QString> features;
    std::optional<QString> changelog;
    std::optional<QString> notes;
};

// The model of the ReadMe that the layout joins from these field texts and
// blocks, the rebuilt ones standing in for their blocks.
ReadmeModel readmeModel(const LayoutFields &fields, const SectionBlocks &blocks, const RebuiltBlocks &rebuilt = {});

// The ReadMe of an article: what Create writes for a form that holds it.
// The texts are shared with the article, not copied.
ReadmeModel readmeModel(const Article &article);

} // namespace kestrin
