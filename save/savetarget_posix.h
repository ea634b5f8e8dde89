// SPDX-License-Identifier: MIT
#pragma once

// The save on POSIX systems, in three parts: finding the target (the walk
// to its folder, the program's own descriptors; savetarget_posix.cpp), the
// temporary file and the replace (savetarget_posix_replace.cpp), and
// writing to streams (savetarget_posix_stream.cpp).

#include "savetargetimpl.h"

#include <QByteArray>

#include <sys/stat.h>
#include <sys/types.h>

namespace kestrin {

class PosixSaveTarget final : public SaveTargetImpl {
public:
    using SaveTargetImpl::SaveTargetImpl;
    ~PosixSaveTarget() override;

    bool open() override;
    bool writeTemporary(QByteArrayView bytes) override;
    bool commitReplace() override;
    bool commitInPlace() override;
    bool commitDirect() override;
    void discard() override;
    void closeTarget() override;

private:
    using SaveTargetImpl::fail;
    bool fail(int code);
    bool failAndDiscard(int code);

    bool locate(QByteArray path);
    bool openExisting();
    bool openDescriptor(int descriptor);
    bool openSocket();
    bool createTemporary(mode_t mode);
    bool replacingIsRefused() const;
    bool stillReplaceable();

    // Where the save goes: the folder as the kernel walked to it (links
    // followed as they may be), and the name in it.
    int folder = -1;
    QByteArray name;
    bool existed = false;
    struct stat targetStat {};
    int target = -1;      // the existing file, opened for writing (Replace, InPlace)
    int fd = -1;          // where the bytes go
    QByteArray temporary; // the temporary file's name in the folder while it exists
    // Of the temporary file: how much is written, and how much of it was
    // handed to the disk's writeback early, a step at a time.
    off_t written = 0;
    off_t handedOn = 0;
    static constexpr off_t kWritebackStep = 4 * 1024 * 1024;
};

namespace posixsave {

// How long a wait lasts before the save looks again whether it was given up.
constexpr int kWaitSliceMs = 50;

QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);
bool sameFile(const struct stat &a, const struct stat &b);
// Set when the user gave up the command that this save belongs to (the
// window runs its saves on a thread of their own).
bool cancelled();
// Writes everything, through interruptions and full pipes; false with errno
// set when the system refuses or the save is given up.
bool writeAll(int fd, const char *data, qsizetype size, off_t *offset = nullptr);
// Removes this program's temporary files in the folder that saves killed
// midway left behind.
void removeStaleTemporaries(int folder);

} // namespace posixsave

} // namespace kestrin
