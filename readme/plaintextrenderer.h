// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace kestrin {

struct ReadmeModel;

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

// The whole ReadMe text, ending with the footer line (no final CR LF: the
// file writer adds it when it writes the text as one line).
QString layoutReadme(const LayoutFields &fields, const SectionBlocks &blocks);

// The plain-text layout of a model, as the pieces the text is joined from,
// in order. The pieces are views of the model's strings, so a large text is
// never copied to be assembled; they are valid while the model lives.
QList<QStringView> plainTextPieces(const ReadmeModel &model);
QString plainText(const ReadmeModel &model);

} // namespace kestrin
