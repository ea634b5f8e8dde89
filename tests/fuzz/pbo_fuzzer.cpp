// SPDX-License-Identifier: MIT
// Fuzz target: the PBO reader and its LZSS unpacking. The input is written
// to a file and opened as a PBO; every entry is read with a small cap.
// Checked:
//   - what is read of an entry has exactly the entry's unpacked size;
//   - nothing beyond the header's bound and the entries read is read;
//   - the LZSS unpacker, fed the input directly with a size from its first
//     bytes, gives exactly that size or refuses.

#include "fuzzsupport.h"

#include "lzss.h"
#include "pboarchive.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace kestrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = dir.filePath(QStringLiteral("input.pbo"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    import::PboArchive pbo(path);
    if (pbo.open()) {
        constexpr qint64 Cap = 256 * 1024;
        qint64 allowed = qMin<qint64>(pbo.fileSize(), import::PboArchive::MaxHeaderBytes) + 1;
        for (const import::PboEntry &entry : pbo.entries()) {
            KESTRIN_FUZZ_CHECK(entry.offset >= 0);
            QString problem;
            const auto content = pbo.read(entry, Cap, &problem);
            if (content)
                KESTRIN_FUZZ_CHECK(content->size() == entry.size());
            else
                KESTRIN_FUZZ_CHECK(!problem.isEmpty());
            allowed += entry.dataSize;
        }
        (void)pbo.verifyChecksum(1024 * 1024);
        allowed += pbo.fileSize();
        KESTRIN_FUZZ_CHECK(pbo.bytesRead() <= allowed);
    } else {
        KESTRIN_FUZZ_CHECK(!pbo.error().isEmpty());
    }

    if (size >= 3) {
        const qsizetype wanted = qsizetype(data[0] | (data[1] << 8) | ((data[2] & 0x0F) << 16));
        QString problem;
        const auto unpacked = import::lzssDecompress(QByteArrayView(bytes).sliced(3), wanted, &problem);
        if (unpacked)
            KESTRIN_FUZZ_CHECK(unpacked->data.size() == wanted);
        else
            KESTRIN_FUZZ_CHECK(!problem.isEmpty());
    }
    return 0;
}
