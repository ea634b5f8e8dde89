// SPDX-License-Identifier: MIT
// Saving on POSIX systems: the temporary file beside the target, what it
// takes over from the target, and the replace; and the target rewritten in
// place where it may not be replaced.

#include "savetarget_posix.h"

#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace kestrin {

using namespace posixsave;

namespace {

// A temporary file of this program's that has not been written to for this
// long belongs to a save that was killed; the next save into its folder
// removes it.
constexpr time_t kStaleSeconds = 10 * 60;
const char kTemporaryMark[] = ".kestrin-";
const char kTemporaryEnd[] = ".tmp";

#ifdef Q_OS_LINUX
QList<QByteArray> splitNames(const QByteArray &list)
{
    QList<QByteArray> names;
    for (const QByteArray &name : list.split('\0')) {
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

// The names of the extended attributes of an open file.
QList<QByteArray> attributeNames(int fd)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size <= 0)
            return {};
        QByteArray list(size, '\0');
        const ssize_t n = ::flistxattr(fd, list.data(), size_t(size));
        if (n >= 0) {
            list.truncate(n);
            return splitNames(list);
        }
        if (errno != ERANGE)
            return {};
    }
    return {};
}

// Gives the temporary file the target's extended attributes (its access
// control lists among them), and takes away what it inherited that the
// target does not have (a folder's default list). What the user may not set
// (another user's security labels) is left out.
void copyAttributes(int target, int fd)
{
    const QList<QByteArray> names = attributeNames(target);
    for (const QByteArray &name : names) {
        const ssize_t size = ::fgetxattr(target, name.constData(), nullptr, 0);
        if (size < 0)
            continue;
        QByteArray value(size, '\0');
        const ssize_t n = ::fgetxattr(target, name.constData(), value.data(), size_t(size));
        if (n >= 0)
            ::fsetxattr(fd, name.constData(), value.constData(), size_t(n), 0);
    }
    for (const QByteArray &name : attributeNames(fd)) {
        if (!names.contains(name))
            ::fremovexattr(fd, name.constData());
    }
}
#endif

} // namespace

namespace posixsave {

// Removes this program's temporary files in the folder that saves killed
// midway left behind: the saving user's own, by their name and age.
void removeStaleTemporaries(int folder)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR *dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    const time_t now = ::time(nullptr);
    const uid_t user = ::geteuid();
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith('.') || !name.contains(kTemporaryMark) || !name.endsWith(kTemporaryEnd))
            continue;
        struct stat st {};
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && st.st_uid == user && now - st.st_mtime > kStaleSeconds)
            ::unlinkat(folder, name.constData(), 0);
    }
    ::closedir(dir);
}

} // namespace posixsave

bool PosixSaveTarget::writeTemporary(QByteArrayView bytes)
{
    if (!writeAll(fd, bytes.data(), bytes.size()))
        return failAndDiscard(errno);
#ifdef Q_OS_LINUX
    // A large file is on its way to the disk while the rest of it is being
    // made, so that the sync before the rename has little left to wait
    // for. Only a hint: the sync reports what fails.
    written += bytes.size();
    if (written - handedOn >= kWritebackStep) {
        ::sync_file_range(fd, handedOn, written - handedOn, SYNC_FILE_RANGE_WRITE);
        handedOn = written;
    }
#endif
    return true;
}

bool PosixSaveTarget::createTemporary(mode_t mode)
{
    // Hidden, beside the target, short enough for any file system, and
    // named so that a later save knows it for this program's own.
    const QByteArray stem = '.' + name.left(200) + kTemporaryMark;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate =
            stem + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + kTemporaryEnd;
        fd = ::openat(folder, candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW,
                      mode);
        if (fd >= 0) {
            temporary = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// In a folder with the sticky bit, only the file's or the folder's owner
// may replace the file; others who may write it rewrite it in place.
bool PosixSaveTarget::replacingIsRefused() const
{
    struct stat st {};
    if (::fstat(folder, &st) != 0 || !(st.st_mode & S_ISVTX))
        return false;
    const uid_t user = ::geteuid();
    return user != 0 && targetStat.st_uid != user && st.st_uid != user;
}

// Just before the rename: what now has the target's name is still a file
// that may be replaced (another program may have put something else there
// since the save began).
bool PosixSaveTarget::stillReplaceable()
{
    struct stat now {};
    if (::fstatat(folder, name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT || fail(errno);
    if (existed && !S_ISREG(now.st_mode))
        return fail(QStringLiteral("The file was replaced by something that is not a file"));
    if (!existed && !S_ISREG(now.st_mode))
        return fail(EEXIST);
    if ((now.st_mode & 0222) == 0)
        return fail(QStringLiteral("The file is read-only"));
    return true;
}

bool PosixSaveTarget::commitReplace()
{
    if (existed) {
        // Owner and group first (which clears the special bits), then the
        // attributes, then the mode, which must agree with the access list.
        if (::fchown(fd, targetStat.st_uid, targetStat.st_gid) != 0
            && ::fchown(fd, uid_t(-1), targetStat.st_gid) != 0) {
            // Someone else's file: it becomes the saving user's.
        }
#ifdef Q_OS_LINUX
        copyAttributes(target, fd);
#endif
        if (::fchmod(fd, targetStat.st_mode & 07777) != 0)
            return failAndDiscard(errno);
    }
    // Content and metadata are on the disk before the name changes hands.
    if (::fsync(fd) != 0)
        return failAndDiscard(errno);
    const int closing = ::close(fd);
    fd = -1;
    if (closing != 0)
        return failAndDiscard(errno);
    if (cancelled())
        return failAndDiscard(ECANCELED);
    if (!stillReplaceable()) {
        discard();
        return false;
    }
    int renamed = -1;
#ifdef RENAME_NOREPLACE
    // A new file never replaces one that appeared meanwhile.
    if (!existed) {
        renamed = ::renameat2(folder, temporary.constData(), folder, name.constData(), RENAME_NOREPLACE);
        if (renamed != 0 && errno != EINVAL && errno != ENOSYS)
            return failAndDiscard(errno);
    }
#endif
    if (renamed != 0 && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        return failAndDiscard(errno);
    temporary.clear();
    // The rename itself lasts once the folder is synced.
    const int synced = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (synced >= 0) {
        ::fsync(synced);
        ::close(synced);
    }
    return true;
}

bool PosixSaveTarget::commitInPlace()
{
    fd = ::fcntl(target, F_DUPFD_CLOEXEC, 3);
    if (fd < 0)
        return failAndDiscard(errno);
#ifdef Q_OS_LINUX
    // Room for the whole text first: a full disk or a file-size limit then
    // fails before any of the old content is overwritten.
    if (!pending.isEmpty() && ::fallocate(fd, 0, 0, off_t(pending.size())) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS)
        return failAndDiscard(errno);
#endif
    off_t offset = 0;
    if (!writeAll(fd, pending.constData(), pending.size(), &offset) || ::ftruncate(fd, offset) != 0 || ::fsync(fd) != 0)
        return failAndDiscard(errno);
    const int closing = ::close(fd);
    fd = -1;
    return closing == 0 || failAndDiscard(errno);
}

} // namespace kestrin
