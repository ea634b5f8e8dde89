// SPDX-License-Identifier: MIT
// Saving on POSIX systems: writing without ever hanging, and the targets
// that are written to as streams (a named pipe, a device, a descriptor).

#include "savetarget_posix.h"

#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin {

using namespace posixsave;

namespace {

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

} // namespace

namespace posixsave {

// Set when the user gave up the command that this save belongs to (the
// window runs its saves on a thread of their own).
bool cancelled()
{
    const QThread *thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested();
}

// Writes everything, through interruptions and full pipes; false with errno
// set when the system refuses or the save is given up.
bool writeAll(int fd, const char *data, qsizetype size, off_t *offset)
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

} // namespace posixsave

bool PosixSaveTarget::commitDirect()
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

} // namespace kestrin
