// SPDX-License-Identifier: MIT
#include "filereading.h"

#include <QFile>
#include <QThread>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrin {

namespace {

constexpr int kWaitSliceMs = 50;

bool stopAsked()
{
    const QThread *thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested();
}

WholeFile failed(int code)
{
    WholeFile file;
    file.error = qt_error_string(code);
    return file;
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

WholeFile readWholeFile(const QString &path, qint64 limit)
{
    // Never waits for a pipe's writer in open().
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return failed(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return failed(errno);
    if (S_ISDIR(st.st_mode)) {
        WholeFile folder;
        folder.error = QStringLiteral("file to open is a directory"); // as Qt's files say it
        return folder;
    }
    const bool regular = S_ISREG(st.st_mode);
    WholeFile file;
    if (regular) {
        ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
        if (st.st_size > limit) {
            file.status = WholeFile::Status::TooLarge;
            return file;
        }
        file.bytes.reserve(qsizetype(st.st_size));
    }
    std::array<char, 1 << 16> chunk;
    while (file.bytes.size() <= limit) {
        if (stopAsked())
            return failed(ECANCELED);
        if (!regular) {
            // Data, the writer's end, or a look whether to stop.
            pollfd p{fd.get(), POLLIN, 0};
            const int ready = ::poll(&p, 1, kWaitSliceMs);
            if (ready == 0 || (ready < 0 && errno == EINTR))
                continue;
        }
        const ssize_t got = ::read(fd.get(), chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)
                continue;
            return failed(errno);
        }
        if (got == 0)
            break;
        file.bytes.append(chunk.data(), qsizetype(got));
    }
    file.status = file.bytes.size() > limit ? WholeFile::Status::TooLarge : WholeFile::Status::Read;
    return file;
}

} // namespace kestrin
