// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace kestrin::help {

// The name of the program's help file.
inline const QString kHelpFileName = QStringLiteral("Kestrin_Editor_Help.chm");

// The help files to look for in a language ("de"), best first: that
// language's own (Kestrin_Editor_Help_de.chm), then the English one. An
// empty language or English: the English one alone.
QStringList helpFileNames(const QString &language);

// Finds the help file. The current directory comes first, so that a help
// file beside the documents one works on is used as before; then the
// program's own folder, then the installed data folders. A program started
// from a desktop menu runs in the home folder and finds its help there.
class HelpFileLocator {
public:
    HelpFileLocator(QString currentDir, QString programDir, QStringList dataDirs);

    // The folders of this process: QDir::currentPath(), the executable's
    // folder, and ../share/kestrin-editor beside it followed by the
    // kestrin-editor folders of the user's and the system's data folders.
    static HelpFileLocator forThisProgram();

    // The folders searched, in order, each once.
    QStringList searchDirectories() const;

    // The absolute path of the first regular file of that name in the
    // search order, or an empty string when there is none.
    QString find(const QString &fileName = kHelpFileName) const;
    // The first of the names found anywhere in the search order, or an
    // empty string: a file of an earlier name in any folder comes before
    // a later name.
    QString findFirst(const QStringList &fileNames) const;

private:
    QString m_currentDir;
    QString m_programDir;
    QStringList m_dataDirs;
};

} // namespace kestrin::help
