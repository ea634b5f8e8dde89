// SPDX-License-Identifier: MIT
#include "atomicfileservice.h"
#include "savetarget.h"

#include <algorithm>

namespace kestrin {

namespace {

// Characters encoded and written at a time, so that the encoded copy of a
// large text never has to exist in memory whole.
constexpr qsizetype kChunk = 256 * 1024;

SaveResult failed(const SaveTarget &target)
{
    return {false, target.error(), false};
}

} // namespace

SaveResult AtomicTextFileService::writePieces(const QString &path, const QList<QStringView> &pieces,
                                              const TextEncoder &encoder)
{
    SaveTarget target(path, {m_waitForPipeReader});
    if (!target.open())
        return failed(target);

    // Encoded text gathers in the buffer and goes out whenever a chunk's
    // worth is there.
    QByteArray buffer = encoder.prefix();
    buffer.reserve(kChunk + 1024);
    for (QStringView piece : pieces) {
        qsizetype pos = 0;
        while (pos < piece.size()) {
            const qsizetype end = chunkEnd(piece, pos + kChunk - buffer.size());
            if (!encoder.encode(piece.mid(pos, end - pos), buffer)) {
                target.discard();
                return {false, QString(), true};
            }
            pos = end;
            if (buffer.size() >= kChunk / 2) {
                if (!target.write(buffer))
                    return failed(target);
                buffer.resize(0); // keeps the storage for the next chunk
            }
        }
    }
    buffer.append("\r\n", 2);
    if (!target.write(buffer) || !target.commit())
        return failed(target);
    return {true, {}, false};
}

SaveResult AtomicTextFileService::writeBytes(const QString &path, QByteArrayView bytes)
{
    SaveTarget target(path, {m_waitForPipeReader});
    if (!target.open())
        return failed(target);
    for (qsizetype done = 0; done < bytes.size(); done += kChunk) {
        if (!target.write(bytes.sliced(done, std::min(bytes.size() - done, kChunk))))
            return failed(target);
    }
    if (!target.commit())
        return failed(target);
    return {true, {}, false};
}

SaveResult AtomicTextFileService::writeStream(const QString &path, const ByteProducer &produce)
{
    SaveTarget target(path, {m_waitForPipeReader});
    if (!target.open())
        return failed(target);
    // A failed write has already given the save up; the producer is told
    // to stop, and nothing more goes to the file.
    bool writing = true;
    produce([&](QByteArrayView piece) {
        writing = writing && target.write(piece);
        return writing;
    });
    if (!writing || !target.commit())
        return failed(target);
    return {true, {}, false};
}

} // namespace kestrin
