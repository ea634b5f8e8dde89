// SPDX-License-Identifier: MIT
#include "helpfileopen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <vector>

namespace kestrin::help {

namespace {

QString systemMessage(DWORD code)
{
    wchar_t *buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = n > 0 ? QString::fromWCharArray(buffer, int(n)).trimmed() : QStringLiteral("Error %1").arg(code);
    LocalFree(buffer);
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

} // namespace

OpenedHelpFile openOrdinaryFile(const QString &fileName)
{
    OpenedHelpFile opened;
    QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    if (!path.startsWith(QLatin1String("\\\\")))
        path = QStringLiteral("\\\\?\\") + path;
    // Others may read the file meanwhile (chmlib opens it a second time),
    // but not change it.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        opened.error = systemMessage(GetLastError());
        return opened;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info)
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(handle);
        opened.error = QCoreApplication::translate("kestrin::help::ChmArchive", "it is not an ordinary file.");
        return opened;
    }
    // The name of the file this handle holds, whatever links led to it.
    std::vector<wchar_t> finalName(32768);
    const DWORD length = GetFinalPathNameByHandleW(handle, finalName.data(), DWORD(finalName.size()), 0);
    opened.chmlibName =
        (length > 0 && length < finalName.size() ? QString::fromWCharArray(finalName.data(), int(length)) : path)
            .toUtf8();
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        opened.error = systemMessage(ERROR_TOO_MANY_OPEN_FILES);
        return opened;
    }
    opened.file = std::make_unique<QFile>();
    if (!opened.file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        opened.error = opened.file->errorString() + QLatin1Char('.');
        opened.file.reset();
    }
    return opened;
}

} // namespace kestrin::help
