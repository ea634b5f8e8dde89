// SPDX-License-Identifier: MIT
#include "savetarget.h"

#include <QByteArray>
#include <QFile>

#ifdef Q_OS_UNIX
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif
#else
#include <QSaveFile>
#endif

namespace kestrin {

namespace {

const char kNoName[] = "No file name was given.";

} // namespace

#ifdef Q_OS_UNIX

namespace {

constexpr int kMaxLinks = 40; // as the kernel allows when it follows links itself

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The descriptor of this process that a path in /proc/<own pid>/fd (or a
// thread's fd folder) names, or -1. /dev/stdout and /dev/fd/N lead there.
int ownDescriptor(const QByteArray &path)
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
    return ok && fd >= 0 && ::fcntl(fd, F_GETFD) != -1 ? fd : -1;
}

struct Resolved {
    QByteArray path;     // the file at the end of the links
    int descriptor = -1; // or a descriptor of this process
    int error = 0;
};

// Follows symbolic links to the file that a save replaces, also when the
// last link leads nowhere yet (the file is then created where it points).
Resolved resolve(QByteArray path)
{
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? Resolved{path} : Resolved{path, -1, errno};
        if (!S_ISLNK(st.st_mode))
            return {path};
        if (const int fd = ownDescriptor(path); fd >= 0)
            return {path, fd};
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return {path, -1, errno};
        if (n >= target.size())
            return {path, -1, ENAMETOOLONG};
        target.truncate(n);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return {path, -1, ELOOP};
}

// Writes everything, through interruptions and full pipes; false with errno
// set when the system refuses.
bool writeAll(int fd, const char *data, qsizetype size, off_t *offset = nullptr)
{
    while (size > 0) {
        const ssize_t n = offset ? ::pwrite(fd, data, size_t(size), *offset) : ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd p{fd, POLLOUT, 0};
                ::poll(&p, 1, -1);
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

// The names of a file's extended attributes; reads through the descriptor
// when fd >= 0.
QList<QByteArray> attributeNames(const QByteArray &path, int fd)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = fd >= 0 ? ::flistxattr(fd, nullptr, 0) : ::listxattr(path.constData(), nullptr, 0);
        if (size <= 0)
            return {};
        QByteArray list(size, '\0');
        const ssize_t n = fd >= 0 ? ::flistxattr(fd, list.data(), size_t(size))
                                  : ::listxattr(path.constData(), list.data(), size_t(size));
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
void copyAttributes(const QByteArray &target, int fd)
{
    const QList<QByteArray> names = attributeNames(target, -1);
    for (const QByteArray &name : names) {
        const ssize_t size = ::getxattr(target.constData(), name.constData(), nullptr, 0);
        if (size < 0)
            continue;
        QByteArray value(size, '\0');
        const ssize_t n = ::getxattr(target.constData(), name.constData(), value.data(), size_t(size));
        if (n >= 0)
            ::fsetxattr(fd, name.constData(), value.constData(), size_t(n), 0);
    }
    for (const QByteArray &name : attributeNames(QByteArray(), fd)) {
        if (!names.contains(name))
            ::fremovexattr(fd, name.constData());
    }
}
#endif

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
    QByteArray target; // the file at the end of the links
    bool existed = false;
    struct stat targetStat {};
    int fd = -1;
    QByteArray temporary; // the temporary file's path while it exists
    QByteArray pending;   // what is written at commit (not Replace)

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
    bool openDescriptor(int descriptor);
    bool openSocket();
    bool createTemporary(mode_t mode);
    bool replacingIsRefused() const;
    bool commitReplace();
    bool commitInPlace();
    bool commitDirect();
    void discard();
};

bool SaveTarget::Impl::open()
{
    if (path.isEmpty())
        return fail(QString::fromLatin1(kNoName));
    const Resolved resolved = resolve(QFile::encodeName(path));
    if (resolved.error)
        return fail(resolved.error);
    target = resolved.path;
    if (resolved.descriptor >= 0)
        return openDescriptor(resolved.descriptor);

    if (::stat(target.constData(), &targetStat) != 0) {
        if (errno != ENOENT)
            return fail(errno);
        // A new file: created as any new file would be, under the umask and
        // the folder's default access control list.
        kind = Kind::Replace;
        return createTemporary(0666) || fail(errno);
    }
    existed = true;
    if (S_ISDIR(targetStat.st_mode))
        return fail(QStringLiteral("Filename refers to a directory"));
    // No write bit for anyone: the file is not to be written, whoever asks.
    if ((targetStat.st_mode & 0222) == 0)
        return fail(QStringLiteral("The file is read-only"));
    if (S_ISSOCK(targetStat.st_mode))
        return openSocket();
    if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return fail(errno);
    if (!S_ISREG(targetStat.st_mode)) {
        kind = Kind::Direct;
        return true;
    }
    if (replacingIsRefused()) {
        kind = Kind::InPlace;
        return true;
    }
    kind = Kind::Replace;
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
    QByteArray folder = folderOf(target);
    if (!folder.endsWith('/'))
        folder += '/';
    // Hidden, beside the target, and short enough for any file system.
    const QByteArray stem = folder + '.' + nameOf(target).left(200) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = stem + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
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
    struct stat folder {};
    if (::stat(folderOf(target).constData(), &folder) != 0 || !(folder.st_mode & S_ISVTX))
        return false;
    const uid_t user = ::geteuid();
    return user != 0 && targetStat.st_uid != user && folder.st_uid != user;
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
    if (::rename(temporary.constData(), target.constData()) != 0)
        return failAndDiscard(errno);
    temporary.clear();
    // The rename itself lasts once the folder is synced.
    const int folder = ::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool SaveTarget::Impl::commitInPlace()
{
    fd = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
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
        // device that waits for a line) cannot hang the save; the writes
        // then wait as usual.
        const bool wait = S_ISFIFO(targetStat.st_mode) && options.waitForPipeReader;
        do
            fd = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK));
        while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            if (errno == ENXIO && S_ISFIFO(targetStat.st_mode))
                return fail(QStringLiteral("No program is reading from the named pipe"));
            return fail(errno);
        }
        if (!wait)
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    {
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
        ::unlink(temporary.constData());
    temporary.clear();
    pending = QByteArray();
}

SaveTarget::SaveTarget(const QString &path, SaveTargetOptions options)
    : d(std::make_unique<Impl>())
{
    d->path = path;
    d->options = options;
}

SaveTarget::~SaveTarget()
{
    d->discard();
}

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

#else // not Unix: Qt's own atomic save

struct SaveTarget::Impl {
    QSaveFile file;
    QString error;
};

SaveTarget::SaveTarget(const QString &path, SaveTargetOptions)
    : d(std::make_unique<Impl>())
{
    d->file.setFileName(path);
}

SaveTarget::~SaveTarget()
{
    discard();
}

bool SaveTarget::open()
{
    if (d->file.fileName().isEmpty()) {
        d->error = QString::fromLatin1(kNoName);
        return false;
    }
    if (d->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    d->error = d->file.errorString();
    return false;
}

bool SaveTarget::write(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = d->file.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            d->error = d->file.errorString();
            discard();
            return false;
        }
        done += n;
    }
    return true;
}

bool SaveTarget::commit()
{
    if (d->file.commit())
        return true;
    d->error = d->file.errorString();
    return false;
}

void SaveTarget::discard()
{
    if (d->file.isOpen())
        d->file.cancelWriting();
}

QString SaveTarget::error() const
{
    return d->error;
}

#endif

} // namespace kestrin
