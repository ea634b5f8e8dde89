// SPDX-License-Identifier: MIT
// Saving on POSIX systems: the file is written next to the target and
// renamed over it, keeping what the target was (owner, mode, attributes).
// This part finds the target: the walk to its folder as the kernel walks,
// the program's own descriptors, and what the target is.

#include "savetarget_posix.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin {

using namespace posixsave;

namespace {

constexpr int kMaxLinks = 40; // as the kernel allows when it follows links itself

// The descriptor number that a path in /proc/<own pid>/fd (or a thread's fd
// folder) names, or -1. /dev/stdout and /dev/fd/N lead there.
int ownDescriptorNumber(const QByteArray &path)
{
    char real[PATH_MAX];
    if (!::realpath(folderOf(path).constData(), real))
        return -1;
    const QByteArray folder(real);
    const QByteArray own = "/proc/" + QByteArray::number(::getpid());
    if (folder != own + "/fd" && !(folder.startsWith(own + "/task/") && folder.endsWith("/fd")))
        return -1;
    bool ok = false;
    const int fd = nameOf(path).toInt(&ok);
    return ok && fd >= 0 ? fd : -1;
}

// Whether the path leads, through links, to one of this process's own
// descriptors, and which. Only looks: the save itself goes through the
// kernel's own walk.
int ownDescriptorOf(QByteArray path)
{
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return -1;
        if (const int fd = ownDescriptorNumber(path); fd >= 0)
            return fd;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0 || n >= target.size())
            return -1;
        target.truncate(n);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return -1;
}

} // namespace

namespace posixsave {

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    // "folder/" names the folder itself.
    return name.isEmpty() ? QByteArrayLiteral(".") : name;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace posixsave

std::unique_ptr<SaveTargetImpl> makeSaveTargetImpl(const QString &path, SaveTargetOptions options)
{
    return std::make_unique<PosixSaveTarget>(path, options);
}

PosixSaveTarget::~PosixSaveTarget()
{
    discard();
    closeTarget();
}

bool PosixSaveTarget::fail(int code)
{
    error = qt_error_string(code);
    return false;
}

bool PosixSaveTarget::failAndDiscard(int code)
{
    fail(code);
    discard();
    return false;
}

bool PosixSaveTarget::open()
{
    const QByteArray local = QFile::encodeName(path);
    // Of the program's own descriptors only the standard output and error
    // are written to; the others are its own business (its display
    // connection among them).
    if (const int own = ownDescriptorOf(local); own >= 0) {
        if (own == STDOUT_FILENO || own == STDERR_FILENO)
            return openDescriptor(own);
        return fail(QStringLiteral("The file is one of the program's own open files, which cannot be written to"));
    }
    if (!locate(local))
        return false;
    if (!existed) {
        // A new file: created as any new file would be, under the umask and
        // the folder's default access control list.
        kind = Kind::Replace;
        removeStaleTemporaries(folder);
        return createTemporary(0666) || fail(errno);
    }
    return openExisting();
}

// Walks to the folder that holds the target, following a link at the end
// the way the kernel allows it to be followed (a link another user put in a
// sticky folder is refused where the system protects such links).
bool PosixSaveTarget::locate(QByteArray local)
{
    int base = AT_FDCWD;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        const int next = ::openat(base, folderOf(local).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (next < 0)
            return fail(errno);
        if (folder >= 0)
            ::close(folder);
        folder = next;
        base = folder;
        name = nameOf(local);
        if (::fstatat(folder, name.constData(), &targetStat, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return fail(errno);
            existed = false;
            return true;
        }
        if (!S_ISLNK(targetStat.st_mode)) {
            existed = true;
            return true;
        }
        // The kernel follows the link (and any after it) first: whatever it
        // refuses, the save refuses with its words. A link that leads
        // nowhere yet is followed to where the new file is made.
        const int probe = ::openat(folder, name.constData(), O_PATH | O_CLOEXEC);
        if (probe < 0 && errno != ENOENT)
            return fail(errno);
        if (probe >= 0)
            ::close(probe);
        QByteArray link(PATH_MAX, '\0');
        const ssize_t n = ::readlinkat(folder, name.constData(), link.data(), size_t(link.size()));
        if (n < 0)
            return fail(errno);
        if (n >= link.size())
            return fail(ENAMETOOLONG);
        link.truncate(n);
        local = link;
    }
    return fail(ELOOP);
}

bool PosixSaveTarget::openExisting()
{
    if (S_ISDIR(targetStat.st_mode))
        return fail(QStringLiteral("Filename refers to a directory"));
    // No write bit for anyone: the file is not to be written, whoever asks.
    if ((targetStat.st_mode & 0222) == 0)
        return fail(QStringLiteral("The file is read-only"));
    if (S_ISSOCK(targetStat.st_mode))
        return openSocket();
    if (!S_ISREG(targetStat.st_mode)) {
        // Opened when the bytes are there (commitDirect).
        kind = Kind::Direct;
        return ::faccessat(folder, name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0 || fail(errno);
    }
    // Opened as a shell's redirection opens it (without emptying it), so
    // that the system's protections of files in sticky folders apply; what
    // is checked from here on is the file that was opened.
    do
        target = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NONBLOCK,
                          0666);
    while (target < 0 && errno == EINTR);
    if (target < 0)
        return fail(errno);
    if (::fstat(target, &targetStat) != 0)
        return fail(errno);
    if (!S_ISREG(targetStat.st_mode))
        return fail(QStringLiteral("The file was replaced by something that is not a file"));
    if ((targetStat.st_mode & 0222) == 0)
        return fail(QStringLiteral("The file is read-only"));
    ::fcntl(target, F_SETFL, ::fcntl(target, F_GETFL) & ~O_NONBLOCK);
    if (replacingIsRefused()) {
        kind = Kind::InPlace;
        return true;
    }
    kind = Kind::Replace;
    removeStaleTemporaries(folder);
    if (createTemporary(0600))
        return true;
    // The folder takes no new file, but the file itself may be written.
    if (errno == EACCES || errno == EPERM) {
        kind = Kind::InPlace;
        return true;
    }
    return fail(errno);
}

bool PosixSaveTarget::openDescriptor(int descriptor)
{
    kind = Kind::Direct;
    fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
    return fd >= 0 || fail(errno);
}

// A socket cannot be opened; the one exception is the socket that this
// process's standard output or error already is.
bool PosixSaveTarget::openSocket()
{
    for (int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat st {};
        if (::fstat(stream, &st) == 0 && sameFile(st, targetStat))
            return openDescriptor(stream);
    }
    return fail(QStringLiteral("The file is a socket, which cannot be written to"));
}

void PosixSaveTarget::discard()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    if (!temporary.isEmpty())
        ::unlinkat(folder, temporary.constData(), 0);
    temporary.clear();
    pending = QByteArray();
}

void PosixSaveTarget::closeTarget()
{
    if (target >= 0)
        ::close(target);
    target = -1;
    if (folder >= 0)
        ::close(folder);
    folder = -1;
}

} // namespace kestrin
