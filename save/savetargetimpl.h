// SPDX-License-Identifier: MIT
#pragma once

// The system's side of SaveTarget. SaveTarget (savetarget.cpp) keeps the
// order of the steps, the same on every system: the bytes go to the
// temporary file as they come where the target is replaced, and are kept
// until commit otherwise; commit takes the way open() chose and then lets go
// of everything the save held. Each system's file says how each step is
// done there (makeSaveTargetImpl).

#include "savetarget.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

namespace kestrin {

class SaveTargetImpl {
public:
    enum class Kind {
        Replace, // through a temporary file that takes the target's place
        InPlace, // the target rewritten where it is
        Direct,  // written to as a stream: a pipe, a device, a descriptor
    };

    SaveTargetImpl(const QString &path, SaveTargetOptions options)
        : path(path)
        , options(options)
    {
    }
    virtual ~SaveTargetImpl() = default;
    SaveTargetImpl(const SaveTargetImpl &) = delete;
    SaveTargetImpl &operator=(const SaveTargetImpl &) = delete;

    // Checks the target (a name is given) and sets kind.
    virtual bool open() = 0;
    // Replace: the next bytes, into the temporary file.
    virtual bool writeTemporary(QByteArrayView bytes) = 0;
    virtual bool commitReplace() = 0;
    virtual bool commitInPlace() = 0;
    virtual bool commitDirect() = 0;
    // Gives up what is unfinished: the temporary file, the kept bytes.
    virtual void discard() = 0;
    // Lets go of the target and its folder, where the save held them.
    virtual void closeTarget() {}

    bool fail(const QString &reason)
    {
        error = reason;
        return false;
    }

    const QString path;
    const SaveTargetOptions options;
    QString error;
    Kind kind = Kind::Replace;
    QByteArray pending; // what is written at commit (not Replace)
};

std::unique_ptr<SaveTargetImpl> makeSaveTargetImpl(const QString &path, SaveTargetOptions options);

} // namespace kestrin
