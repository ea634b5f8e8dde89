#include "services.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kestrin {

namespace {

// Characters encoded and written at a time, so that the encoded copy of a
// large text never has to exist in memory whole.
constexpr qsizetype kChunk = 256 * 1024;

// Writes until everything is written or the system refuses, so that a short
// write (a full disk, a file-size limit) ends in the system's own reason.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

SaveResult AtomicTextFileService::writePieces(const QString &path, const QList<QStringView> &pieces,
                                              const TextEncoder &encoder)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given."), false};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString(), false};

    auto fail = [&file](bool unmappable) {
        const QString reason = unmappable ? QString() : file.errorString();
        file.cancelWriting();
        return SaveResult{false, reason, unmappable};
    };

    // Encoded text gathers in the buffer and goes out whenever a chunk's
    // worth is there.
    QByteArray buffer = encoder.prefix();
    buffer.reserve(kChunk + 1024);
    for (QStringView piece : pieces) {
        qsizetype pos = 0;
        while (pos < piece.size()) {
            const qsizetype end = chunkEnd(piece, pos + kChunk - buffer.size());
            if (!encoder.encode(piece.mid(pos, end - pos), buffer))
                return fail(true);
            pos = end;
            if (buffer.size() >= kChunk / 2) {
                if (!writeAll(file, buffer))
                    return fail(false);
                buffer.resize(0); // keeps the storage for the next chunk
            }
        }
    }
    buffer.append("\r\n", 2);
    if (!writeAll(file, buffer))
        return fail(false);
    if (!file.commit())
        return {false, file.errorString(), false};
    return {true, {}, false};
}

SaveResult AtomicTextFileService::writeBytes(const QString &path, QByteArrayView bytes)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given."), false};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString(), false};
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.data() + done, std::min(bytes.size() - done, kChunk));
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason, false};
        }
        done += n;
    }
    if (!file.commit())
        return {false, file.errorString(), false};
    return {true, {}, false};
}

} // namespace kestrin
