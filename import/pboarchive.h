// SPDX-License-Identifier: MIT
#pragma once

// A PBO, the game's packed bank of files, read the way the community's
// format notes describe it: a header of entries (a zero-terminated name and
// five little-endian 32-bit numbers: packing method, original size,
// reserved, time stamp, data size), optionally opened by the product entry
// ("Vers", followed by zero-terminated key/value pairs up to an empty key)
// and closed by an entry with an empty name; then the entries' data, one
// after another in header order; then, in the game's later PBOs, a zero
// byte and a 20-byte SHA-1 of everything before it.
//
// Only the header is read when the archive is opened, in growing pieces,
// never the whole file; an entry's data is read when asked for, up to a cap.
// Every size in the file is checked against the file's own size, so a
// damaged or hostile PBO costs no more than its header.

#include "importsource.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace kestrin::import {

struct PboEntry {
    QString name; // as stored, "\" between folders
    quint32 method = 0;
    quint32 originalSize = 0;
    quint32 timeStamp = 0;
    quint32 dataSize = 0;
    qint64 offset = 0;       // of the data in the file
    bool compressed = false; // LZSS
    bool encrypted = false;
    bool beyondEnd = false; // the data would reach past the end of the file
    // The size of the entry's content once unpacked.
    qint64 size() const { return compressed ? originalSize : dataSize; }
};

class PboArchive {
public:
    // The packing methods, as the four bytes read as a little-endian number.
    static constexpr quint32 MethodProduct = 0x56657273;    // "Vers"
    static constexpr quint32 MethodCompressed = 0x43707273; // "Cprs"
    static constexpr quint32 MethodEncrypted = 0x456e6372;  // "Encr"
    // Bounds on what a header may claim.
    static constexpr qint64 MaxHeaderBytes = 32 * 1024 * 1024;
    static constexpr int MaxNameBytes = 1024;
    static constexpr int MaxProperties = 1024;

    explicit PboArchive(const QString &path);
    PboArchive(const PboArchive &) = delete;
    PboArchive &operator=(const PboArchive &) = delete;

    // Reads the header. False, with error(), when the file is no PBO one
    // can read (not a regular file, no header end, a name without end).
    bool open();
    QString error() const { return m_error; }
    QString path() const { return m_path; }
    qint64 fileSize() const { return m_fileSize; }

    const QList<PboEntry> &entries() const { return m_entries; }
    // The product entry's key/value pairs, in file order.
    const QList<QPair<QString, QString>> &properties() const { return m_properties; }
    QString property(QStringView key) const; // case-insensitive; empty when absent
    // The entry with this path (either slash, any letter case), or null.
    const PboEntry *find(QStringView path) const;
    // Whether a zero byte and a 20-byte checksum follow the data.
    bool hasChecksum() const { return m_hasChecksum; }
    // Compares the trailing SHA-1 (of the header and the data, without the
    // zero byte) with the file's content, reading the whole
    // file; only done when the file is at most maxBytes long. Empty
    // optional when not checked.
    std::optional<bool> verifyChecksum(qint64 maxBytes);

    // The content of an entry, unpacked, when its unpacked size is at most
    // cap; otherwise (or when damaged) nothing, with why in *problem. Given
    // content may come with a warning in *problem too (a wrong checksum of
    // a compressed entry).
    std::optional<QByteArray> read(const PboEntry &entry, qint64 cap, QString *problem);
    // The notes about the header (entries beyond the end of the file,
    // unknown methods), for the import's review.
    const QList<QString> &headerProblems() const { return m_headerProblems; }
    // How many bytes of the file were read so far.
    qint64 bytesRead() const { return m_bytesRead; }

private:
    class HeaderReader;
    bool readAt(qint64 offset, qint64 size, QByteArray &into);
    bool parseHeader();
    bool readEntries(HeaderReader &header, qint64 &pos, QList<PboEntry> &entries);
    bool readProperties(HeaderReader &header, qint64 &pos);
    void placeEntries(QList<PboEntry> entries, qint64 dataOffset);

    QString m_path;
    QFile m_file;
    qint64 m_fileSize = 0;
    qint64 m_bytesRead = 0;
    QString m_error;
    QList<PboEntry> m_entries;
    QList<QPair<QString, QString>> m_properties;
    QList<QString> m_headerProblems;
    qint64 m_dataEnd = 0;
    bool m_hasChecksum = false;
};

// Entry names and text from PBOs: UTF-8 where valid, else Windows-1252.
QString decodeGameText(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);

} // namespace kestrin::import
