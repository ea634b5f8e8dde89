// SPDX-License-Identifier: MIT
#include "fileicons.h"

#include <QFileDialog>
#include <QIcon>

namespace kestrin::ui {

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    // Folders, devices, pipes and sockets Qt tells from the file system's
    // own record; only a file's type would come from its contents.
    if (!info.isFile())
        return QFileIconProvider::icon(info);
    const QMimeType type = m_mime.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    // Looking an icon up in the theme searches every icon folder on disk:
    // once a type, not once a file, or a folder of a few hundred files
    // keeps the dialog busy for seconds while the user types a path.
    {
        const QMutexLocker lock(&m_iconsLock);
        const auto known = m_icons.constFind(type.name());
        if (known != m_icons.cend())
            return *known;
    }
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QFileIconProvider::icon(QFileIconProvider::File);
    const QMutexLocker lock(&m_iconsLock);
    m_icons.insert(type.name(), icon);
    return icon;
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType type = m_mime.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

NameOnlyIconProvider *NameOnlyIconProvider::shared()
{
    static NameOnlyIconProvider provider;
    return &provider;
}

void NameOnlyIconProvider::useIn(QFileDialog &dialog)
{
    dialog.setIconProvider(shared());
}

} // namespace kestrin::ui
