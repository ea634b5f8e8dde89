// SPDX-License-Identifier: MIT
#pragma once

// The files of what the user chose, whether a folder on disk or a PBO:
// listed, read with a cap, and named for notes. Nothing outside is ever
// read: paths are relative, ".." may not climb out, and on disk a link that
// leads out of the folder is refused.

#include "importsource.h"
#include "pboarchive.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>

#include <memory>
#include <optional>

namespace kestrin::import {

// The most bytes one config file may have (a mission.sqm of several MB is
// common; anything near this is no config).
inline constexpr qint64 MaxConfigBytes = 64 * 1024 * 1024;

class ContentSource {
public:
    virtual ~ContentSource() = default;
    // Every file, relative, "/" between folders.
    virtual QStringList files() const = 0;
    // The file's bytes, at most cap; nothing with why in *problem.
    virtual std::optional<QByteArray> read(const QString &relative, qint64 cap, QString *problem) = 0;
    virtual SourceRef ref(const QString &relative) const = 0;
    // The file whose relative path is this one in any letter case, or empty.
    QString find(const QString &relative) const;
    // The relative path an #include names, seen from the file `from`; empty
    // with why in *problem when it leaves this folder or PBO.
    virtual QString resolveInclude(const QString &written, const QString &from, QString *problem) const;
};

class FolderSource : public ContentSource {
public:
    // display: how notes name the folder's files (the prefix before the
    // relative path, may be empty).
    FolderSource(const QString &root, const QString &display);
    QStringList files() const override;
    std::optional<QByteArray> read(const QString &relative, qint64 cap, QString *problem) override;
    SourceRef ref(const QString &relative) const override;
    QString root() const { return m_root; }
    // Bounds on what is listed.
    static constexpr int MaxFiles = 20000;
    static constexpr int MaxDepth = 16;

private:
    QString m_root;
    QString m_canonicalRoot;
    QString m_display;
    mutable std::optional<QStringList> m_files;
};

class PboSource : public ContentSource {
public:
    // display: how notes name the PBO.
    PboSource(std::shared_ptr<PboArchive> pbo, const QString &display);
    QStringList files() const override;
    std::optional<QByteArray> read(const QString &relative, qint64 cap, QString *problem) override;
    SourceRef ref(const QString &relative) const override;
    QString resolveInclude(const QString &written, const QString &from, QString *problem) const override;
    PboArchive &pbo() { return *m_pbo; }

private:
    std::shared_ptr<PboArchive> m_pbo;
    QString m_display;
};

// Joins a relative path to the folder of `from`, folding "." and "..";
// empty when it climbs out.
QString joinInside(const QString &fromFile, const QString &written);

} // namespace kestrin::import
