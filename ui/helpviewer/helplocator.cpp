// SPDX-License-Identifier: MIT
#include "helplocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kestrin::help {

namespace {

const QString kDataFolder = QStringLiteral("kestrin-editor");

} // namespace

QStringList helpFileNames(const QString &language)
{
    QStringList names;
    if (!language.isEmpty() && language != QLatin1String("en")) {
        QString own = kHelpFileName;
        own.insert(own.lastIndexOf(u'.'), u'_' + language);
        names << own;
    }
    names << kHelpFileName;
    return names;
}

HelpFileLocator::HelpFileLocator(QString currentDir, QString programDir, QStringList dataDirs)
    : m_currentDir(std::move(currentDir))
    , m_programDir(std::move(programDir))
    , m_dataDirs(std::move(dataDirs))
{
}

HelpFileLocator HelpFileLocator::forThisProgram()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList dataDirs;
    dataDirs << QDir::cleanPath(programDir + QStringLiteral("/../share/") + kDataFolder);
    dataDirs << QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dataDirs << dir + QLatin1Char('/') + kDataFolder;
    return HelpFileLocator(QDir::currentPath(), programDir, dataDirs);
}

QStringList HelpFileLocator::searchDirectories() const
{
    QStringList dirs;
    const auto add = [&dirs](const QString &dir) {
        if (dir.isEmpty())
            return;
        const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
        if (!dirs.contains(clean))
            dirs << clean;
    };
    add(m_currentDir);
    add(m_programDir);
    for (const QString &dir : m_dataDirs)
        add(dir);
    return dirs;
}

QString HelpFileLocator::find(const QString &fileName) const
{
    for (const QString &dir : searchDirectories()) {
        const QFileInfo candidate(QDir(dir), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QString HelpFileLocator::findFirst(const QStringList &fileNames) const
{
    for (const QString &name : fileNames) {
        const QString found = find(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace kestrin::help
