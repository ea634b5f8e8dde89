// SPDX-License-Identifier: MIT
#include "chmstructure.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

namespace kestrin::help {

namespace {

// The archive's messages, in the context of the archive that reports them.
struct ArchiveMessages {
    Q_DECLARE_TR_FUNCTIONS(kestrin::help::ChmArchive)
};

// Sizes and limits of the format (as chmlib reads it).
constexpr qint64 kItsfV2Length = 0x58;
constexpr qint64 kItsfV3Length = 0x60;
constexpr qint64 kItspLength = 0x54;
constexpr qint64 kPmglHeaderLength = 0x14;
constexpr qint64 kPmgiHeaderLength = 0x08;
constexpr quint64 kMaxPathLength = 512;
constexpr qint64 kMaxDirectoryLength = 64 * 1024 * 1024;
constexpr quint64 kMaxBlockLength = 16 * 1024 * 1024;
constexpr quint64 kCompressedSlack = 6144;  // what chmlib allows a block to grow by
constexpr quint64 kControlDataBuffer = 256; // chmlib's buffer for the control data

const QByteArray kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
const QByteArray kContent = "::DataSpace/Storage/MSCompressed/Content";
const QByteArray kControlData = "::DataSpace/Storage/MSCompressed/ControlData";

QString badDirectory()
{
    return ArchiveMessages::tr("the file is damaged: its directory cannot be read.");
}

QString badCompression()
{
    return ArchiveMessages::tr("the file is damaged: its compressed pages cannot be read.");
}

// Little-endian numbers and the format's variable-length integers, with
// every read checked against the end of the data.
class Reader {
public:
    Reader(QByteArrayView data, qsizetype from = 0, qsizetype to = -1)
        : m_data(data)
        , m_pos(from)
        , m_end(to < 0 ? data.size() : to)
    {
        if (m_pos < 0 || m_pos > m_end || m_end > m_data.size())
            m_ok = false;
    }

    bool ok() const { return m_ok; }
    qsizetype pos() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_end; }

    quint64 fixed(int bytes)
    {
        if (!m_ok || m_end - m_pos < bytes) {
            m_ok = false;
            return 0;
        }
        quint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | quint8(m_data[m_pos + i]);
        m_pos += bytes;
        return value;
    }
    quint32 u32() { return quint32(fixed(4)); }
    qint32 i32() { return qint32(fixed(4)); }
    quint64 u64() { return fixed(8); }

    quint64 encoded()
    {
        quint64 value = 0;
        for (int i = 0; i < 10; ++i) {
            if (!m_ok || m_pos >= m_end) {
                m_ok = false;
                return 0;
            }
            const quint8 byte = quint8(m_data[m_pos++]);
            value = (value << 7) | (byte & 0x7f);
            if (byte < 0x80)
                return value;
        }
        m_ok = false;
        return 0;
    }

    QByteArrayView take(quint64 length)
    {
        if (!m_ok || quint64(m_end - m_pos) < length) {
            m_ok = false;
            return {};
        }
        const QByteArrayView bytes = m_data.sliced(m_pos, qsizetype(length));
        m_pos += qsizetype(length);
        return bytes;
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos;
    qsizetype m_end;
    bool m_ok = true;
};

struct Entry {
    quint64 space;
    quint64 start;
    quint64 length;
};

struct Chunk {
    bool listing = false;    // PMGL
    bool index = false;      // PMGI
    qint32 next = -1;        // PMGL: the next listing chunk
    QList<quint64> children; // PMGI: the chunks it points to
};

std::optional<QByteArray> readAt(QFile &file, quint64 offset, quint64 length)
{
    if (offset > quint64(file.size()) || length > quint64(file.size()) - offset || !file.seek(qint64(offset)))
        return std::nullopt;
    QByteArray bytes = file.read(qint64(length));
    if (quint64(bytes.size()) != length)
        return std::nullopt;
    return bytes;
}

bool parseChunk(QByteArrayView chunk, quint32 chunkCount, Chunk &out, QHash<QByteArray, Entry> &entries)
{
    Reader header(chunk);
    const QByteArrayView signature = header.take(4);
    const quint32 freeSpace = header.u32();
    if (signature == "PMGL") {
        out.listing = true;
        header.u32(); // unknown
        header.i32(); // previous chunk
        out.next = header.i32();
        if (!header.ok() || freeSpace > quint64(chunk.size() - kPmglHeaderLength))
            return false;
        Reader r(chunk, kPmglHeaderLength, chunk.size() - freeSpace);
        while (!r.atEnd()) {
            const quint64 nameLength = r.encoded();
            if (nameLength == 0 || nameLength > kMaxPathLength)
                return false;
            const QByteArray name = r.take(nameLength).toByteArray().toLower();
            const Entry entry{r.encoded(), r.encoded(), r.encoded()};
            if (!r.ok() || entry.space > 1 || entries.contains(name))
                return false;
            entries.insert(name, entry);
        }
        return r.ok();
    }
    if (signature == "PMGI") {
        out.index = true;
        if (!header.ok() || freeSpace > quint64(chunk.size() - kPmgiHeaderLength))
            return false;
        Reader r(chunk, kPmgiHeaderLength, chunk.size() - freeSpace);
        while (!r.atEnd()) {
            const quint64 nameLength = r.encoded();
            if (nameLength > kMaxPathLength)
                return false;
            r.take(nameLength);
            const quint64 child = r.encoded();
            if (!r.ok() || child >= chunkCount)
                return false;
            out.children.append(child);
        }
        return r.ok();
    }
    return true; // other chunks (the AOLL/AOLI kinds) are never read
}

// The index chunks lead to listing chunks without ever coming back.
bool indexIsTree(const QList<Chunk> &chunks, quint64 root, QSet<quint64> &path, int depth = 0)
{
    if (depth > 64 || path.contains(root))
        return false;
    const Chunk &chunk = chunks.at(qsizetype(root));
    if (!chunk.index)
        return true;
    path.insert(root);
    for (quint64 child : chunk.children) {
        if (!indexIsTree(chunks, child, path, depth + 1))
            return false;
    }
    path.remove(root);
    return true;
}

// The reset table: where each compressed block begins, in order and each
// block within its length. False when it is not sound.
bool resetTableIsSound(const QByteArray &table, quint64 contentLength, quint64 &uncompressedLength)
{
    Reader t(table);
    const quint32 version = t.u32();
    const quint32 blockCount = t.u32();
    t.u32(); // entry size
    const quint32 tableOffset = t.u32();
    uncompressedLength = t.u64();
    const quint64 compressedLength = t.u64();
    const quint64 blockLength = t.u64();
    if (!t.ok() || version != 2 || blockCount == 0 || blockLength == 0 || blockLength > kMaxBlockLength
        || compressedLength > contentLength || uncompressedLength > quint64(blockCount) * blockLength)
        return false;
    Reader starts(table, tableOffset);
    quint64 previous = 0;
    for (quint32 i = 0; i < blockCount; ++i) {
        const quint64 start = starts.u64();
        if (!starts.ok() || start < previous || (i > 0 && start - previous > blockLength + kCompressedSlack))
            return false;
        previous = start;
    }
    return compressedLength >= previous && compressedLength - previous <= blockLength + kCompressedSlack;
}

// The control data: the LZX window and how often it is reset. False when it
// is not sound.
bool controlDataIsSound(const QByteArray &control)
{
    Reader c(control);
    c.u32(); // size
    const QByteArrayView signature = c.take(4);
    const quint32 lzxVersion = c.u32();
    quint64 resetInterval = c.u32();
    quint64 windowSize = c.u32();
    const quint64 windowsPerReset = c.u32();
    if (!c.ok() || signature != "LZXC" || (lzxVersion != 1 && lzxVersion != 2))
        return false;
    if (lzxVersion == 2) {
        resetInterval *= 0x8000;
        windowSize *= 0x8000;
    }
    const bool windowOk = windowSize >= (1u << 15) && windowSize <= (1u << 21) && (windowSize & (windowSize - 1)) == 0;
    return windowOk && resetInterval != 0 && resetInterval % (windowSize / 2) == 0 && windowsPerReset != 0
           && resetInterval / (windowSize / 2) * windowsPerReset <= 0xffffffffu;
}

QString checkCompression(QFile &file, quint64 dataOffset, const QHash<QByteArray, Entry> &entries)
{
    const auto resetTable = entries.constFind(kResetTable.toLower());
    const auto content = entries.constFind(kContent.toLower());
    const auto controlData = entries.constFind(kControlData.toLower());
    if (resetTable == entries.cend() || content == entries.cend() || controlData == entries.cend()
        || resetTable->space != 0 || content->space != 0 || controlData->space != 0) {
        // chmlib then reads no compressed pages at all; there are none to
        // show unless something is listed there.
        for (const Entry &entry : entries) {
            if (entry.space == 1 && entry.length > 0)
                return badCompression();
        }
        return {};
    }
    if (controlData->length > kControlDataBuffer)
        return badCompression();
    const std::optional<QByteArray> table = readAt(file, dataOffset + resetTable->start, resetTable->length);
    quint64 uncompressedLength = 0;
    if (!table || !resetTableIsSound(*table, content->length, uncompressedLength))
        return badCompression();
    const std::optional<QByteArray> control = readAt(file, dataOffset + controlData->start, controlData->length);
    if (!control || !controlDataIsSound(*control))
        return badCompression();
    for (const Entry &entry : entries) {
        if (entry.space == 1 && (entry.start > uncompressedLength || entry.length > uncompressedLength - entry.start))
            return badCompression();
    }
    return {};
}

// The file's header (ITSF): where its directory and data lie, each checked
// against the file's size. Empty when it is sound.
struct ItsfHeader {
    quint64 directory = 0;
    quint64 directoryLength = 0;
    quint64 dataOffset = 0;
};

QString readItsfHeader(QFile &file, qint64 size, ItsfHeader &out)
{
    if (!file.seek(0))
        return file.errorString() + QLatin1Char('.');
    const QByteArray header = file.read(kItsfV3Length);
    if (!header.startsWith("ITSF"))
        return ArchiveMessages::tr("it is not a compiled HTML Help (.chm) file.");
    if (header.size() < kItsfV2Length)
        return ArchiveMessages::tr("the file is damaged or incomplete: it ends inside its header.");

    Reader h(header, 4);
    const quint32 version = h.u32();
    if (version != 2 && version != 3)
        return ArchiveMessages::tr("the file is damaged: its header is not valid.");
    if (version == 3 && header.size() < kItsfV3Length)
        return ArchiveMessages::tr("the file is damaged or incomplete: it ends inside its header.");
    Reader sections(header, 0x38);
    const quint64 section0 = sections.u64();
    sections.u64(); // length of section 0
    out.directory = sections.u64();
    out.directoryLength = sections.u64();
    out.dataOffset = version == 3 ? sections.u64() : out.directory + out.directoryLength;

    // Header section 0 records the size the whole file should have.
    if (section0 > quint64(size))
        return ArchiveMessages::tr("the file is damaged: its header is not valid.");
    const std::optional<QByteArray> sizeRecord = readAt(file, section0, 0x10);
    if (!sizeRecord)
        return ArchiveMessages::tr("the file is damaged or incomplete: it ends inside its header.");
    const quint64 declared = Reader(*sizeRecord, 8).u64();
    if (declared > quint64(size))
        return ArchiveMessages::tr("the file is damaged or incomplete: it should be %1 bytes long, but it holds %2.")
            .arg(declared)
            .arg(size);
    if (out.directory > quint64(size) || out.directoryLength > quint64(size) - out.directory
        || out.directoryLength > quint64(kMaxDirectoryLength) || out.dataOffset > quint64(size))
        return ArchiveMessages::tr("the file is damaged: its directory lies outside the file.");
    return {};
}

// The directory (ITSP): its header, then chunks of equal length, whose
// listing chunks form one chain and whose index chunks one tree. False when
// it is not sound; entries holds what the listing names.
bool readDirectory(const QByteArray &dir, QHash<QByteArray, Entry> &entries)
{
    Reader d(dir);
    const QByteArrayView signature = d.take(4);
    const quint32 dirVersion = d.u32();
    const quint32 dirHeaderLength = d.u32();
    d.u32(); // unknown
    const quint32 chunkLength = d.u32();
    d.u32(); // density of the quick-reference section
    d.u32(); // depth of the index tree
    qint32 indexRoot = d.i32();
    const qint32 firstListing = d.i32();
    d.i32(); // last listing chunk
    d.i32(); // unknown
    const quint32 chunkCount = d.u32();
    if (!d.ok() || signature != "ITSP" || dirVersion != 1 || dirHeaderLength != kItspLength
        || chunkLength < kPmglHeaderLength || chunkLength > kMaxBlockLength || chunkCount == 0
        || quint64(chunkCount) * chunkLength > quint64(dir.size() - kItspLength))
        return false;
    if (indexRoot <= -1)
        indexRoot = firstListing;
    if (firstListing < 0 || quint32(firstListing) >= chunkCount || quint32(indexRoot) >= chunkCount)
        return false;

    QList<Chunk> chunks(chunkCount);
    for (quint32 i = 0; i < chunkCount; ++i) {
        const QByteArrayView chunk = QByteArrayView(dir).sliced(kItspLength + qsizetype(i) * chunkLength, chunkLength);
        if (!parseChunk(chunk, chunkCount, chunks[i], entries))
            return false;
    }
    QSet<qint32> seen;
    for (qint32 at = firstListing; at != -1; at = chunks.at(at).next) {
        if (at < 0 || quint32(at) >= chunkCount || seen.contains(at) || !chunks.at(at).listing)
            return false;
        seen.insert(at);
    }
    QSet<quint64> path;
    return indexIsTree(chunks, quint64(indexRoot), path);
}

} // namespace

QString checkChmStructure(QFile &file)
{
    const qint64 size = file.size();
    if (size == 0)
        return ArchiveMessages::tr("the file is empty.");
    ItsfHeader header;
    if (const QString problem = readItsfHeader(file, size, header); !problem.isEmpty())
        return problem;
    const std::optional<QByteArray> dir = readAt(file, header.directory, header.directoryLength);
    QHash<QByteArray, Entry> entries;
    if (!dir || !readDirectory(*dir, entries))
        return badDirectory();
    const quint64 dataOffset = header.dataOffset;
    for (const Entry &entry : entries) {
        if (entry.space == 0
            && (entry.start > quint64(size) - dataOffset || entry.length > quint64(size) - dataOffset - entry.start))
            return ArchiveMessages::tr("the file is damaged or incomplete: its directory names data beyond its end.");
    }
    return checkCompression(file, dataOffset, entries);
}

} // namespace kestrin::help
