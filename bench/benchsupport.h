// SPDX-License-Identifier: MIT
#pragma once

// What the document benchmarks share: services that answer without a user,
// the process's memory figures, and the plain write they are measured
// against.

#include "services.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

namespace kestrin::bench {

class QuietMessages : public MessageBoxService {
public:
    MessageAnswer show(const MessageRequest &r) override { return r.defaultAnswer; }
};

class FixedDialog : public SaveDialogService {
public:
    explicit FixedDialog(QString path)
        : m_path(std::move(path))
    {
    }
    void setFilter(const QString &) override {}
    bool showSave() override { return true; }
    QString fileName() const override { return m_path; }

private:
    QString m_path;
};

// A "Key: value kB" line of /proc/self/status; -1 when it cannot be read.
inline qint64 statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak resident size (VmHWM) again from the current size.
inline void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// One write of all the bytes to a new file; with sync, followed by
// fdatasync as the atomic save does before it renames its file into place.
inline double plainWriteMs(const QString &path, const QByteArray &bytes, bool sync)
{
    QElapsedTimer t;
    t.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    qsizetype done = 0;
    while (fd >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    if (fd >= 0) {
        if (sync)
            ::fdatasync(fd);
        ::close(fd);
    }
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace kestrin::bench
