// SPDX-License-Identifier: MIT
#include "contentsource.h"

#include "boundedfile.h"

#include <QDirIterator>
#include <QFileInfo>

namespace kestrin::import {

QString joinInside(const QString &fromFile, const QString &written)
{
    QString path = written;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = fromFile.lastIndexOf(QLatin1Char('/'));
    QStringList parts = slash < 0 ? QStringList() : fromFile.left(slash).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return {};
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

QString ContentSource::find(const QString &relative) const
{
    for (const QString &file : files())
        if (file.compare(relative, Qt::CaseInsensitive) == 0)
            return file;
    return {};
}

QString ContentSource::resolveInclude(const QString &written, const QString &from, QString *problem) const
{
    if (written.startsWith(QLatin1Char('\\')) || written.startsWith(QLatin1Char('/'))
        || written.contains(QLatin1Char(':'))) {
        if (problem)
            *problem = ImportText::tr("it lies outside the chosen folder");
        return {};
    }
    const QString joined = joinInside(from, written);
    if (joined.isEmpty()) {
        if (problem)
            *problem = ImportText::tr("it lies outside the chosen folder");
        return {};
    }
    const QString found = find(joined);
    if (found.isEmpty() && problem)
        *problem = ImportText::tr("there is no such file");
    return found;
}

FolderSource::FolderSource(const QString &root, const QString &display)
    : m_root(QDir::cleanPath(root))
    , m_canonicalRoot(QFileInfo(root).canonicalFilePath())
    , m_display(display)
{
}

QStringList FolderSource::files() const
{
    if (m_files)
        return *m_files;
    QStringList out;
    // Links to folders are not followed, so that nothing outside is listed
    // and no loop of links is walked.
    QDirIterator it(m_root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    const QDir root(m_root);
    while (it.hasNext() && out.size() < MaxFiles) {
        const QString path = it.next();
        const QString relative = root.relativeFilePath(path);
        if (relative.count(QLatin1Char('/')) > MaxDepth)
            continue;
        out.append(relative);
    }
    out.sort(Qt::CaseInsensitive);
    m_files = out;
    return out;
}

std::optional<QByteArray> FolderSource::read(const QString &relative, qint64 cap, QString *problem)
{
    const auto fail = [&](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    const QString path = m_root + QLatin1Char('/') + relative;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || m_canonicalRoot.isEmpty()
        || !(canonical.startsWith(m_canonicalRoot + QLatin1Char('/')) || canonical == m_canonicalRoot))
        return fail(ImportText::tr("it lies outside the chosen folder"));
    QFile file;
    QString why;
    if (!openRegularFile(file, canonical, &why))
        return fail(why);
    if (file.size() > cap)
        return fail(ImportText::tr("the file is larger than %1 MB and is not read").arg(cap / (1024 * 1024)));
    QByteArray data = file.read(cap + 1);
    if (data.size() > cap)
        return fail(ImportText::tr("the file is larger than %1 MB and is not read").arg(cap / (1024 * 1024)));
    return data;
}

SourceRef FolderSource::ref(const QString &relative) const
{
    SourceRef r;
    r.file = m_display.isEmpty() ? relative : m_display + QLatin1Char('/') + relative;
    return r;
}

PboSource::PboSource(std::shared_ptr<PboArchive> pbo, const QString &display)
    : m_pbo(std::move(pbo))
    , m_display(display)
{
}

QStringList PboSource::files() const
{
    QStringList out;
    for (const PboEntry &entry : m_pbo->entries()) {
        QString name = entry.name;
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        out.append(name);
    }
    return out;
}

std::optional<QByteArray> PboSource::read(const QString &relative, qint64 cap, QString *problem)
{
    const PboEntry *entry = m_pbo->find(relative);
    if (!entry) {
        if (problem)
            *problem = ImportText::tr("there is no such file");
        return std::nullopt;
    }
    return m_pbo->read(*entry, cap, problem);
}

SourceRef PboSource::ref(const QString &relative) const
{
    SourceRef r;
    r.file = m_display;
    const PboEntry *entry = m_pbo->find(relative);
    r.entry = entry ? entry->name : relative;
    return r;
}

QString PboSource::resolveInclude(const QString &written, const QString &from, QString *problem) const
{
    // A path from the game's root may name this PBO's own files through its
    // prefix ("\tag\addon\file.hpp" in a PBO whose prefix is "tag\addon").
    QString path = written;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.startsWith(QLatin1Char('\\'))) {
        QString prefix = m_pbo->property(u"prefix");
        prefix.replace(QLatin1Char('/'), QLatin1Char('\\'));
        while (prefix.endsWith(QLatin1Char('\\')))
            prefix.chop(1);
        const QString own = QLatin1Char('\\') + prefix + QLatin1Char('\\');
        if (prefix.isEmpty() || !path.startsWith(own, Qt::CaseInsensitive)) {
            if (problem)
                *problem = ImportText::tr("it lies outside the chosen folder");
            return {};
        }
        return ContentSource::resolveInclude(path.mid(own.size()), QString(), problem);
    }
    return ContentSource::resolveInclude(written, from, problem);
}

} // namespace kestrin::import
