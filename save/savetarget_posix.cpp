// SPDX-License-Identifier: MIT
// Saving on POSIX systems: the file is written next to the target and
// renamed over it, keeping what the target was (owner, mode, attributes).

#include "savetarget.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace kestrin {

namespace {

const char kNoName[] = "No file name was given.";

} // namespace

namespace {

constexpr int kMaxLinks = 40; // as the kernel allows when it follows links itself
// A temporary file of this program's that has not been written to for this
// long belongs to a save that was killed; the next save into its folder
// removes it.
constexpr time_t kStaleSeconds = 10 * 60;
const char kTemporaryMark[] = ".kestrin-";
const char kTemporaryEnd[] = ".tmp";

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

// Set when the user gave up the command that this save belongs to (the
// window runs its saves on a thread of their own).
bool cancelled()
{
    const QThread *thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested();
}

// How long a wait lasts before the save looks again whether it was given up.
constexpr int kWaitSliceMs = 50;

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

// Waits until the descriptor is ready for events, or the save is given up
// (false, errno ECANCELED).
bool waitFor(int fd, short events)
{
    for (;;) {
        if (cancelled()) {
            errno = ECANCELED;
            return false;
        }
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, kWaitSliceMs);
        if (n > 0 || (n < 0 && errno != EINTR))
            return true;
    }
}

// Writes everything, through interruptions and full pipes; false with errno
// set when the system refuses or the save is given up.
bool writeAll(int fd, const char *data, qsizetype size, off_t *offset = nullptr)
{
    while (size > 0) {
        if (cancelled()) {
            errno = ECANCELED;
            return false;
        }
        const ssize_t n = offset ? ::pwrite(fd, data, size_t(size), *offset) : ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                if (!waitFor(fd, POLLOUT))
                    return false;
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= n;
        if (offset)
            *offset += n;
    }
    return true;
}

// While it lives, a pipe whose reader has gone makes a write fail with
// EPIPE instead of ending the program; a SIGPIPE raised meanwhile is taken
// back.
class SigPipeBlocked {
public:
    SigPipeBlocked()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
    }
    ~SigPipeBlocked()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{0, 0};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    SigPipeBlocked(const SigPipeBlocked &) = delete;
    SigPipeBlocked &operator=(const SigPipeBlocked &) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_old{};
    bool m_wasPending = false;
};

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

} // namespace

struct SaveTarget::Impl {
    enum class Kind {
        Replace, // through a temporary file renamed over the target
        InPlace, // the target rewritten where it is
        Direct,  // written to as a stream: a pipe, a device, a descriptor
    };

    QString path;
    SaveTargetOptions options;
    QString error;
    Kind kind = Kind::Replace;
    // Where the save goes: the folder as the kernel walked to it (links
    // followed as they may be), and the name in it.
    int folder = -1;
    QByteArray name;
    bool existed = false;
    struct stat targetStat {};
    int target = -1;      // the existing file, opened for writing (Replace, InPlace)
    int fd = -1;          // where the bytes go
    QByteArray temporary; // the temporary file's name in the folder while it exists
    QByteArray pending;   // what is written at commit (not Replace)

    ~Impl()
    {
        discard();
        closeTarget();
    }

    bool fail(int code)
    {
        error = qt_error_string(code);
        return false;
    }
    bool fail(const QString &reason)
    {
        error = reason;
        return false;
    }
    bool failAndDiscard(int code)
    {
        fail(code);
        discard();
        return false;
    }

    bool open();
    bool locate(QByteArray path);
    bool openExisting();
    bool openDescriptor(int descriptor);
    bool openSocket();
    bool createTemporary(mode_t mode);
    bool replacingIsRefused() const;
    bool stillReplaceable();
    bool commitReplace();
    bool commitInPlace();
    bool commitDirect();
    void discard();
    void closeTarget();
};

bool SaveTarget::Impl::open()
{
    if (path.isEmpty())
        return fail(QString::fromLatin1(kNoName));
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
bool SaveTarget::Impl::locate(QByteArray local)
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

bool SaveTarget::Impl::openExisting()
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

bool SaveTarget::Impl::openDescriptor(int descriptor)
{
    kind = Kind::Direct;
    fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
    return fd >= 0 || fail(errno);
}

// A socket cannot be opened; the one exception is the socket that this
// process's standard output or error already is.
bool SaveTarget::Impl::openSocket()
{
    for (int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat st {};
        if (::fstat(stream, &st) == 0 && sameFile(st, targetStat))
            return openDescriptor(stream);
    }
    return fail(QStringLiteral("The file is a socket, which cannot be written to"));
}

bool SaveTarget::Impl::createTemporary(mode_t mode)
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
bool SaveTarget::Impl::replacingIsRefused() const
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
bool SaveTarget::Impl::stillReplaceable()
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

bool SaveTarget::Impl::commitReplace()
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

bool SaveTarget::Impl::commitInPlace()
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

bool SaveTarget::Impl::commitDirect()
{
    if (fd < 0) {
        // Opened without waiting, so that a pipe nothing reads from (or a
        // device that waits for a line) cannot hang the save; a pipe's
        // reader is waited for only where that was asked, and only until
        // the save is given up. O_CREAT as a shell's redirection has it, so
        // that the system's protection of pipes in sticky folders applies.
        const bool wait = S_ISFIFO(targetStat.st_mode) && options.waitForPipeReader;
        for (;;) {
            fd = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NONBLOCK,
                          0666);
            if (fd >= 0)
                break;
            if (errno == EINTR)
                continue;
            if (errno != ENXIO || !wait)
                break;
            if (cancelled())
                return failAndDiscard(ECANCELED);
            ::poll(nullptr, 0, kWaitSliceMs);
        }
        if (fd < 0) {
            if (errno == ENXIO && S_ISFIFO(targetStat.st_mode))
                return fail(QStringLiteral("No program is reading from the named pipe"));
            return fail(errno);
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !sameFile(opened, targetStat)) {
            discard();
            return fail(QStringLiteral("The file was replaced while it was being saved"));
        }
    }
    {
        // The descriptor stays non-blocking: a reader that stops reading
        // makes the writes wait, looking whether the save was given up.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        const SigPipeBlocked blocked;
        if (!writeAll(fd, pending.constData(), pending.size()))
            return failAndDiscard(errno);
    }
    const int closing = ::close(fd);
    fd = -1;
    return closing == 0 || failAndDiscard(errno);
}

void SaveTarget::Impl::discard()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    if (!temporary.isEmpty())
        ::unlinkat(folder, temporary.constData(), 0);
    temporary.clear();
    pending = QByteArray();
}

void SaveTarget::Impl::closeTarget()
{
    if (target >= 0)
        ::close(target);
    target = -1;
    if (folder >= 0)
        ::close(folder);
    folder = -1;
}

SaveTarget::SaveTarget(const QString &path, SaveTargetOptions options)
    : d(std::make_unique<Impl>())
{
    d->path = path;
    d->options = options;
}

SaveTarget::~SaveTarget() = default;

bool SaveTarget::open()
{
    return d->open();
}

bool SaveTarget::write(QByteArrayView bytes)
{
    if (d->kind != Impl::Kind::Replace) {
        d->pending.append(bytes);
        return true;
    }
    return writeAll(d->fd, bytes.data(), bytes.size()) || d->failAndDiscard(errno);
}

bool SaveTarget::commit()
{
    bool ok = false;
    switch (d->kind) {
    case Impl::Kind::Replace: ok = d->commitReplace(); break;
    case Impl::Kind::InPlace: ok = d->commitInPlace(); break;
    case Impl::Kind::Direct: ok = d->commitDirect(); break;
    }
    d->discard();
    d->closeTarget();
    return ok;
}

void SaveTarget::discard()
{
    d->discard();
}

QString SaveTarget::error() const
{
    return d->error;
}

} // namespace kestrin
