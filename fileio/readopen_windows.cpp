// SPDX-License-Identifier: MIT
// Windows: the file is opened through its handle (CreateFileW never waits
// on a pipe: it connects or fails at once) and its type is read from the
// handle; the handle is then given to the C runtime for QFile.
#include "readopen.h"
#include "systemmessage_windows.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace kestrin::fileio {

namespace {

ReadOpening failed(DWORD code)
{
    ReadOpening opening;
    opening.error = systemMessage(code);
    opening.systemError = int(code);
    return opening;
}

// The device namespace (\\.\PhysicalDrive0, \\.\pipe\name, \\.\CON) holds
// no ordinary files, whatever type its handles report.
bool isDevicePath(const QString &path)
{
    return path.startsWith(QLatin1String("\\\\.\\")) || path.startsWith(QLatin1String("//./"));
}

QString longNativePath(const QString &path)
{
    if (isDevicePath(path))
        return QDir::toNativeSeparators(path);
    QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!native.startsWith(QLatin1String("\\\\")))
        native = QStringLiteral("\\\\?\\") + native;
    return native;
}

FileKind kindOf(HANDLE handle, const QString &path, qint64 *size)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (isDevicePath(path) || GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info))
        return FileKind::Stream;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileKind::Folder;
    *size = (qint64(info.nFileSizeHigh) << 32) | qint64(info.nFileSizeLow);
    return FileKind::Regular;
}

} // namespace

ReadOpening openForReading(QFile &file, const QString &path, Streams streams, OthersMay others)
{
    const QString native = longNativePath(path);
    const DWORD share = others == OthersMay::OnlyRead ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    // Backup semantics let a folder be opened, to be told apart by its
    // handle as elsewhere.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_READ, share, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failed(GetLastError());
    ReadOpening opening;
    opening.kind = kindOf(handle, path, &opening.size);
    if (opening.kind == FileKind::Folder || (opening.kind == FileKind::Stream && streams == Streams::Refuse)) {
        CloseHandle(handle);
        return opening;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return failed(ERROR_TOO_MANY_OPEN_FILES);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        opening.error = file.errorString();
        return opening;
    }
    opening.opened = true;
    return opening;
}

} // namespace kestrin::fileio
