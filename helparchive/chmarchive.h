// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

struct chmFile;

namespace kestrin::help {

// A compiled HTML Help (.chm) file opened for reading with chmlib.
//
// Paths inside the archive are absolute and use forward slashes
// ("/topics/basics.html"); lookups ignore case, as the format does. The
// archive checks what it can before it reports success, so that a missing,
// unreadable or damaged file is refused with a reason instead of failing
// later inside the decompressor.
class ChmArchive {
    Q_DECLARE_TR_FUNCTIONS(kestrin::help::ChmArchive)

public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive &) = delete;
    ChmArchive &operator=(const ChmArchive &) = delete;

    // Opens the file. On failure the archive stays closed and errorString()
    // says why, in words for the user.
    bool open(const QString &fileName);
    void close();

    bool isOpen() const { return m_file != nullptr; }
    QString fileName() const { return m_fileName; }
    QString errorString() const { return m_error; }

    // What the file's #SYSTEM record declares; empty when not declared.
    QString title() const { return m_title; }
    QString defaultTopic() const { return m_defaultTopic; }
    QString contentsFile() const { return m_contentsFile; }

    bool contains(const QString &path) const;
    // The size of the object at path as the directory gives it, without
    // reading it; nothing if it is absent.
    std::optional<qint64> objectSize(const QString &path) const;
    // The whole object at path, or nothing if it is absent or cannot be read
    // in full (a damaged or truncated file).
    std::optional<QByteArray> read(const QString &path) const;
    // Every ordinary file in the archive (no directories, no system files).
    QStringList entries() const;

    // Makes a path absolute within the archive: strips "ms-its:x.chm::" and
    // "mk:@MSITStore:x.chm::" prefixes, turns backslashes into slashes,
    // resolves "." and ".." and adds the leading slash.
    static QString normalizePath(const QString &path);

    // Objects larger than this are taken as a sign of a damaged directory.
    static constexpr qint64 kMaxObjectSize = 64 * 1024 * 1024;

private:
    bool fail(const QString &reason);
    void readSystemRecord();

    chmFile *m_file = nullptr;
    QString m_fileName;
    QString m_error;
    QString m_title;
    QString m_defaultTopic;
    QString m_contentsFile;
};

} // namespace kestrin::help
