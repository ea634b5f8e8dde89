// SPDX-License-Identifier: MIT
// Saving where no platform file of its own is built: Qt's atomic save.

#include "savetarget.h"

#include <QSaveFile>

namespace kestrin {

namespace {

const char kNoName[] = "No file name was given.";

} // namespace

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

} // namespace kestrin
