// SPDX-License-Identifier: MIT
#pragma once

#include "fileservice.h"

namespace kestrin {

// Replaces the target atomically: the text goes to a temporary file in the
// same folder, which is renamed over the target only once it is complete and
// keeps the target's owner, group, mode, extended attributes and access
// control lists. Any failure leaves an existing target as it was and nothing
// else behind. A file that no one may write to is refused; a file that may
// be written in a folder that takes no new files is rewritten in place; a
// target that is not a regular file (a named pipe, a device, /dev/stdout) is
// written to directly and stays what it is (savetarget.h).
class AtomicTextFileService : public TextFileService, public ByteFileService {
public:
    SaveResult writePieces(const QString &path, const QList<QStringView> &pieces, const TextEncoder &encoder) override;
    SaveResult writeBytes(const QString &path, QByteArrayView bytes) override;
    // Each piece goes to the file as it comes.
    SaveResult writeStream(const QString &path, const ByteProducer &produce) override;

    // A named pipe that nothing reads from is waited for (a command-line
    // program does so); otherwise the save fails at once.
    void setWaitForPipeReader(bool wait) { m_waitForPipeReader = wait; }

private:
    bool m_waitForPipeReader = false;
};

} // namespace kestrin
