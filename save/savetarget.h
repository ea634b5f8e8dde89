// SPDX-License-Identifier: MIT
#pragma once

// One save of a whole file, shared by every writer of the program.
//
// A regular file (or the file a symbolic link leads to; the link stays) is
// replaced atomically: the bytes go to a temporary file in the same folder,
// which takes over the target's owner, group, mode (special bits included),
// extended attributes and access control lists before it is renamed over
// the target. When the folder cannot take a temporary file but the file
// itself may be written, the file is rewritten in place (not atomic). A
// target that exists and is not a regular file (a named pipe, a device, a
// descriptor of this process such as /dev/stdout) is written to directly and
// stays what it is. A target that no one may write to (no write bit) is
// refused, even for a user who could write anyway.

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace kestrin {

class SaveTargetImpl; // each system's side (savetargetimpl.h)

struct SaveTargetOptions {
    // Opening a named pipe that nothing reads from waits for a reader (as a
    // shell's redirection does) instead of failing at once.
    bool waitForPipeReader = false;
};

class SaveTarget {
public:
    explicit SaveTarget(const QString &path, SaveTargetOptions options = {});
    ~SaveTarget(); // an unfinished save is discarded
    SaveTarget(const SaveTarget &) = delete;
    SaveTarget &operator=(const SaveTarget &) = delete;

    // Checks the target and prepares the write; nothing of the target is
    // changed yet. False with error() when the target cannot be written.
    bool open();
    // The next bytes of the file. Where the target is not replaced
    // atomically, the bytes are kept until commit(), so that a save given up
    // before it leaves the target untouched.
    bool write(QByteArrayView bytes);
    // Makes the written bytes the file's content.
    bool commit();
    // Gives the save up: an existing target is left as it was, and no
    // temporary file stays behind.
    void discard();

    // Why the last step failed, in the words of the system where it has them.
    QString error() const;

private:
    std::unique_ptr<SaveTargetImpl> d;
};

} // namespace kestrin
