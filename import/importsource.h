// SPDX-License-Identifier: MIT
#pragma once

// Where a proposal or a note came from, and the notes themselves: the
// import's way of saying what it could not read without losing the rest.

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace kestrin::import {

// The import's texts for the user; one translation context for the
// library.
class ImportText {
    Q_DECLARE_TR_FUNCTIONS(ImportText)
};

struct SourceRef {
    // The file, relative to the folder or PBO the user chose, with "/"
    // between folders; for an entry of a PBO the PBO's own path.
    QString file;
    // The entry's name inside that PBO ("\" between folders, as stored);
    // empty for a plain file.
    QString entry;
    // 1-based line in a text file; 0 where there are no lines (a binarized
    // file, a PBO's header, a whole folder).
    int line = 0;

    bool isEmpty() const { return file.isEmpty() && entry.isEmpty(); }
    // "config.cpp, line 12", "mission.pbo: mission.sqm", ...
    QString display() const;
    friend bool operator==(const SourceRef &, const SourceRef &) = default;
};

struct ImportNote {
    SourceRef where;
    QString text;
    QString display() const;
};

using ImportNotes = QList<ImportNote>;

} // namespace kestrin::import
