// SPDX-License-Identifier: MIT
#include "helpfileopen.h"

#include <QDir>
#include <QFileInfo>

#include <io.h>
#include <windows.h>

#include <vector>

namespace kestrin::help {

QByteArray sameFileName(const QFile &file, const QString &fileName)
{
    QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    if (!path.startsWith(QLatin1String("\\\\")))
        path = QStringLiteral("\\\\?\\") + path;
    // The name of the file this handle holds, whatever links led to it.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    std::vector<wchar_t> finalName(32768);
    const DWORD length = GetFinalPathNameByHandleW(handle, finalName.data(), DWORD(finalName.size()), 0);
    return (length > 0 && length < finalName.size() ? QString::fromWCharArray(finalName.data(), int(length)) : path)
        .toUtf8();
}

} // namespace kestrin::help
