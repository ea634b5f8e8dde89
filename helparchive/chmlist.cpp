// SPDX-License-Identifier: MIT
// kestrin_chm_list FILE: prints the ordinary files of a compiled HTML Help
// file, one archive path a line, sorted. Exit status 1 when the file cannot
// be opened (the reason on standard error), 2 on wrong usage.
#include "chmarchive.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: kestrin_chm_list FILE.chm\n";
        return 2;
    }
    kestrin::help::ChmArchive archive;
    if (!archive.open(arguments.at(1))) {
        err << arguments.at(1) << ": " << archive.errorString() << '\n';
        return 1;
    }
    QStringList entries = archive.entries();
    entries.sort(Qt::CaseInsensitive);
    QTextStream out(stdout);
    for (const QString &entry : entries)
        out << entry << '\n';
    return 0;
}
