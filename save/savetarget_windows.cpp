// SPDX-License-Identifier: MIT
// The save on Windows. A file is replaced atomically: the bytes go to a
// temporary file in the same folder, are flushed to the disk, and the
// temporary file then takes the target's place through ReplaceFileW, which
// keeps the target's access control list, attributes and creation time (a
// new file is moved into place, with write-through). A file with the
// read-only attribute is refused; a file that another program holds open
// without letting others change it is refused before anything is written,
// naming the file. A reserved device name (NUL, CON, COM1, also with an
// extension) is written to directly and stays a device. Paths are passed in
// their extended-length form, so that they may exceed 260 characters.
#include "savetargetimpl.h"
#include "systemmessage_windows.h"
#include "windowspaths.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

namespace kestrin {

namespace {

const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

bool writeAll(HANDLE handle, const char *data, qsizetype size)
{
    while (size > 0) {
        const DWORD chunk = DWORD(std::min<qsizetype>(size, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(handle, data, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

class WindowsSaveTarget final : public SaveTargetImpl {
public:
    using SaveTargetImpl::SaveTargetImpl;
    ~WindowsSaveTarget() override { discard(); }

    bool open() override;
    bool writeTemporary(QByteArrayView bytes) override;
    bool commitReplace() override;
    bool commitInPlace() override;
    bool commitDirect() override;
    void discard() override;

private:
    bool failWith(DWORD code)
    {
        if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION || code == ERROR_USER_MAPPED_FILE
            || code == ERROR_UNABLE_TO_REMOVE_REPLACED)
            return fail(QStringLiteral("\"%1\" is open in another program, which does not let it be changed; "
                                       "close it there and try again")
                            .arg(shownName));
        return fail(fileio::systemMessage(code));
    }
    bool failAndDiscard(DWORD code)
    {
        failWith(code);
        discard();
        return false;
    }

    bool checkNotHeld();
    bool createTemporary();
    void closeHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }

    QString target;    // the extended-length form, or the device's name
    QString shownName; // the file's name as messages show it
    bool existed = false;
    HANDLE handle = INVALID_HANDLE_VALUE;
    QString temporary; // the temporary file's path while it exists
};

bool WindowsSaveTarget::open()
{
    const QFileInfo info(path);
    shownName = QDir::toNativeSeparators(info.absoluteFilePath());
    if (isReservedDeviceName(info.fileName()) || path.startsWith(QLatin1String("\\\\.\\"))) {
        // The device itself, as the name means on Windows, never a file of
        // that name.
        kind = Kind::Direct;
        target = isReservedDeviceName(info.fileName()) ? info.fileName() : path;
        return true;
    }
    target = extendedLengthPath(info.absoluteFilePath());
    const DWORD attributes = GetFileAttributesW(wide(target));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_NOT_FOUND)
            return failWith(code);
        kind = Kind::Replace;
        return createTemporary() || failWith(GetLastError());
    }
    existed = true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return fail(QStringLiteral("Filename refers to a directory"));
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return fail(QStringLiteral("The file is read-only"));
    if (!checkNotHeld())
        return false;
    kind = Kind::Replace;
    if (createTemporary())
        return true;
    // The folder takes no new file, but the file itself may be written.
    if (GetLastError() == ERROR_ACCESS_DENIED) {
        kind = Kind::InPlace;
        return true;
    }
    return failWith(GetLastError());
}

// Asks for the access that the save needs, as others share the file now: a
// program that holds it open without letting others write or delete it
// makes the save fail here, before anything is written.
bool WindowsSaveTarget::checkNotHeld()
{
    HANDLE probe = CreateFileW(wide(target), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return failWith(GetLastError());
    const DWORD type = GetFileType(probe);
    CloseHandle(probe);
    if (type != FILE_TYPE_DISK)
        kind = Kind::Direct;
    return true;
}

bool WindowsSaveTarget::createTemporary()
{
    const qsizetype slash = target.lastIndexOf(QLatin1Char('\\'));
    const QString folder = target.left(slash + 1);
    const QString stem = folder + QLatin1Char('.') + target.mid(slash + 1).left(200) + QLatin1Char('.');
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = stem + QString::number(QRandomGenerator::global()->generate64(), 36);
        handle = CreateFileW(wide(candidate), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            temporary = candidate;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

bool WindowsSaveTarget::commitReplace()
{
    // The content is on the disk before the name changes hands.
    if (!FlushFileBuffers(handle))
        return failAndDiscard(GetLastError());
    closeHandle();
    if (existed) {
        if (!ReplaceFileW(wide(target), wide(temporary), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            const DWORD code = GetLastError();
            // The target went away meanwhile: the new file simply takes its
            // name.
            if (code != ERROR_FILE_NOT_FOUND)
                return failAndDiscard(code);
            if (!MoveFileExW(wide(temporary), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return failAndDiscard(GetLastError());
        }
    } else if (!MoveFileExW(wide(temporary), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return failAndDiscard(GetLastError());
    }
    temporary.clear();
    return true;
}

bool WindowsSaveTarget::commitInPlace()
{
    handle = CreateFileW(wide(target), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failAndDiscard(GetLastError());
    // Room for the whole text first, so that a full disk fails before any
    // of the old content is overwritten.
    LARGE_INTEGER size;
    size.QuadPart = pending.size();
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handle, size, nullptr, FILE_BEGIN) || !SetEndOfFile(handle)
        || !SetFilePointerEx(handle, start, nullptr, FILE_BEGIN)
        || !writeAll(handle, pending.constData(), pending.size()) || !FlushFileBuffers(handle))
        return failAndDiscard(GetLastError());
    closeHandle();
    return true;
}

bool WindowsSaveTarget::commitDirect()
{
    handle = CreateFileW(wide(target), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failAndDiscard(GetLastError());
    if (!writeAll(handle, pending.constData(), pending.size()))
        return failAndDiscard(GetLastError());
    closeHandle();
    return true;
}

void WindowsSaveTarget::discard()
{
    closeHandle();
    if (!temporary.isEmpty())
        DeleteFileW(wide(temporary));
    temporary.clear();
    pending = QByteArray();
}

bool WindowsSaveTarget::writeTemporary(QByteArrayView bytes)
{
    return writeAll(handle, bytes.data(), bytes.size()) || failAndDiscard(GetLastError());
}

std::unique_ptr<SaveTargetImpl> makeSaveTargetImpl(const QString &path, SaveTargetOptions options)
{
    return std::make_unique<WindowsSaveTarget>(path, options); // Windows has no named pipes in the file system
}

} // namespace kestrin
