#include "services.h"

#include <QFileInfo>
#include <QSaveFile>

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

SaveResult AtomicTextFileService::writeLine(const QString &path, QStringView text, const TextEncoder &encoder)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given.")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};

    QByteArray buffer = encoder.prefix();
    buffer.reserve(kChunk + 16);
    qsizetype pos = 0;
    while (true) {
        const qsizetype end = chunkEnd(text, pos + kChunk);
        if (!encoder.encode(text.mid(pos, end - pos), buffer)) {
            file.cancelWriting();
            SaveResult result;
            result.unmappable = true;
            return result;
        }
        pos = end;
        if (pos >= text.size())
            buffer.append("\r\n", 2);
        if (!writeAll(file, buffer)) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        buffer.resize(0); // keeps the storage for the next chunk
        if (pos >= text.size())
            break;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace kestrin
