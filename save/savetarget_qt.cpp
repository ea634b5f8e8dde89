// SPDX-License-Identifier: MIT
// Saving where no platform file of its own is built: Qt's atomic save.

#include "savetargetimpl.h"

#include <QSaveFile>

namespace kestrin {

namespace {

class QtSaveTarget final : public SaveTargetImpl {
public:
    QtSaveTarget(const QString &path, SaveTargetOptions options)
        : SaveTargetImpl(path, options)
    {
        file.setFileName(path);
    }

    bool open() override
    {
        kind = Kind::Replace;
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return true;
        return fail(file.errorString());
    }

    bool writeTemporary(QByteArrayView bytes) override
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                fail(file.errorString());
                discard();
                return false;
            }
            done += n;
        }
        return true;
    }

    bool commitReplace() override { return file.commit() || fail(file.errorString()); }
    // QSaveFile replaces every target.
    bool commitInPlace() override { return commitReplace(); }
    bool commitDirect() override { return commitReplace(); }

    void discard() override
    {
        if (file.isOpen())
            file.cancelWriting();
    }

private:
    QSaveFile file;
};

} // namespace

std::unique_ptr<SaveTargetImpl> makeSaveTargetImpl(const QString &path, SaveTargetOptions options)
{
    return std::make_unique<QtSaveTarget>(path, options);
}

} // namespace kestrin
