// SPDX-License-Identifier: MIT
#include "pboarchive.h"

#include "boundedfile.h"
#include "lzss.h"

#include <QCryptographicHash>
#include <QStringDecoder>

namespace kestrin::import {

namespace {

quint32 le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

constexpr qint64 FirstHeaderPiece = 64 * 1024;

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned c = p[i];
        int follow = 0;
        if (c < 0x80)
            follow = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            follow = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            follow = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + follow >= n + (follow ? 0 : 1))
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += follow + 1;
    }
    return true;
}

QString decodeGameText(QByteArrayView bytes)
{
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi(bytes);
    return QString::fromLatin1(bytes);
}

PboArchive::PboArchive(const QString &path)
    : m_path(path)
{
}

bool PboArchive::readAt(qint64 offset, qint64 size, QByteArray &into)
{
    into.clear();
    if (offset < 0 || size < 0 || offset > m_fileSize || size > m_fileSize - offset)
        return false;
    if (!m_file.seek(offset))
        return false;
    into.resize(size);
    qint64 done = 0;
    while (done < size) {
        const qint64 got = m_file.read(into.data() + done, size - done);
        if (got <= 0)
            break;
        done += got;
    }
    m_bytesRead += done;
    into.resize(done);
    return done == size;
}

bool PboArchive::open()
{
    QString why;
    if (!openRegularFile(m_file, m_path, &why)) {
        m_error = why;
        return false;
    }
    m_fileSize = m_file.size();
    return parseHeader();
}

// The header, read in pieces that double in size until its end is found,
// up to the file's size and MaxHeaderBytes.
class PboArchive::HeaderReader {
public:
    explicit HeaderReader(PboArchive &archive)
        : m_archive(archive)
        , m_limit(qMin(archive.m_fileSize, MaxHeaderBytes))
    {
    }
    // Whether the header's first need bytes are at hand.
    bool grow(qint64 need)
    {
        if (need <= m_have)
            return true;
        if (need > m_limit)
            return false;
        const qint64 want = qMax(need, qMin(m_limit, qMax(FirstHeaderPiece, m_have * 2)));
        QByteArray more;
        if (!m_archive.readAt(m_have, want - m_have, more))
            return false;
        m_header.append(more);
        m_have = want;
        return true;
    }
    // Reads a zero-terminated string at pos, at most MaxNameBytes long.
    bool readString(qint64 &pos, QByteArray &out)
    {
        for (qint64 end = pos;; ++end) {
            if (end - pos > MaxNameBytes)
                return false;
            if (!grow(end + 1))
                return false;
            if (m_header.at(end) == '\0') {
                out = m_header.mid(pos, end - pos);
                pos = end + 1;
                return true;
            }
        }
    }
    // An entry's name and its 20 bytes of fields at pos.
    bool readEntry(qint64 &pos, QByteArray &name, PboEntry &entry)
    {
        if (!readString(pos, name) || !grow(pos + 20))
            return false;
        const char *f = m_header.constData() + pos;
        entry.method = le32(f);
        entry.originalSize = le32(f + 4);
        entry.timeStamp = le32(f + 12);
        entry.dataSize = le32(f + 16);
        pos += 20;
        return true;
    }

private:
    PboArchive &m_archive;
    QByteArray m_header;
    qint64 m_have = 0;
    const qint64 m_limit;
};

bool PboArchive::parseHeader()
{
    HeaderReader header(*this);
    qint64 pos = 0;
    QList<PboEntry> entries;
    if (!readEntries(header, pos, entries)) {
        m_error = m_fileSize < 21 ? ImportText::tr("the file is too short to be a PBO")
                                  : ImportText::tr("the PBO's header is damaged or has no end");
        return false;
    }
    placeEntries(std::move(entries), pos);
    return true;
}

bool PboArchive::readEntries(HeaderReader &header, qint64 &pos, QList<PboEntry> &entries)
{
    for (bool first = true;; first = false) {
        QByteArray name;
        PboEntry entry;
        if (!header.readEntry(pos, name, entry))
            return false;
        if (name.isEmpty()) {
            if (!first || entry.method != MethodProduct)
                return true; // the end of the header
            if (!readProperties(header, pos))
                return false;
            continue;
        }
        entry.name = decodeGameText(name);
        entry.encrypted = entry.method == MethodEncrypted;
        entry.compressed = entry.method == MethodCompressed
                           || (entry.method == 0 && entry.originalSize != 0 && entry.originalSize != entry.dataSize);
        if (entry.method != 0 && entry.method != MethodCompressed && entry.method != MethodEncrypted
            && entry.method != MethodProduct)
            m_headerProblems.append(
                ImportText::tr("the entry %1 has an unknown packing method and is skipped").arg(entry.name));
        entries.append(entry);
        // Every entry takes at least 21 bytes of header, so the count is
        // bounded by the header's own bound.
    }
}

bool PboArchive::readProperties(HeaderReader &header, qint64 &pos)
{
    // Key and value strings up to an empty key.
    for (int n = 0;; ++n) {
        QByteArray key;
        if (!header.readString(pos, key))
            return false;
        if (key.isEmpty())
            return true;
        QByteArray value;
        if (!header.readString(pos, value))
            return false;
        if (n < MaxProperties)
            m_properties.append({decodeGameText(key), decodeGameText(value)});
    }
}

void PboArchive::placeEntries(QList<PboEntry> entries, qint64 dataOffset)
{
    // The data follows the header in the entries' order.
    for (PboEntry &entry : entries) {
        entry.offset = dataOffset;
        dataOffset += entry.dataSize; // 64-bit: cannot overflow with 32-bit sizes
        entry.beyondEnd = dataOffset > m_fileSize;
        if (entry.beyondEnd)
            m_headerProblems.append(ImportText::tr("the entry %1 reaches past the end of the file").arg(entry.name));
    }
    m_entries = std::move(entries);
    m_dataEnd = dataOffset;
    if (m_dataEnd + 21 == m_fileSize) {
        QByteArray zero;
        m_hasChecksum = readAt(m_dataEnd, 1, zero) && zero.at(0) == '\0';
    }
}

QString PboArchive::property(QStringView key) const
{
    for (const auto &[k, v] : m_properties)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

const PboEntry *PboArchive::find(QStringView path) const
{
    QString wanted = path.toString();
    wanted.replace(QLatin1Char('/'), QLatin1Char('\\'));
    for (const PboEntry &entry : m_entries) {
        QString name = entry.name;
        name.replace(QLatin1Char('/'), QLatin1Char('\\'));
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

std::optional<bool> PboArchive::verifyChecksum(qint64 maxBytes)
{
    if (!m_hasChecksum || m_fileSize > maxBytes)
        return std::nullopt;
    QByteArray all;
    if (!readAt(0, m_fileSize, all))
        return std::nullopt;
    const QByteArray digest = QCryptographicHash::hash(QByteArrayView(all).first(m_dataEnd), QCryptographicHash::Sha1);
    return digest == all.right(20);
}

std::optional<QByteArray> PboArchive::read(const PboEntry &entry, qint64 cap, QString *problem)
{
    const auto fail = [&](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (entry.encrypted)
        return fail(ImportText::tr("the entry is encrypted"));
    if (entry.beyondEnd)
        return fail(ImportText::tr("the entry reaches past the end of the file"));
    if (entry.size() > cap)
        return fail(ImportText::tr("the entry is larger than %1 MB and is not read").arg(cap / (1024 * 1024)));
    if (entry.compressed && entry.originalSize > lzssMaxOutput(entry.dataSize))
        return fail(ImportText::tr("the compressed entry claims more data than it could hold"));
    QByteArray data;
    if (!readAt(entry.offset, entry.dataSize, data))
        return fail(ImportText::tr("the entry could not be read"));
    if (!entry.compressed)
        return data;
    QString why;
    auto unpacked = lzssDecompress(data, entry.originalSize, &why);
    if (!unpacked)
        return fail(why);
    if (unpacked->checksumPresent && !unpacked->checksumMatches && problem)
        *problem = ImportText::tr("the compressed entry's checksum does not match; it may be damaged");
    return std::move(unpacked->data);
}

} // namespace kestrin::import
