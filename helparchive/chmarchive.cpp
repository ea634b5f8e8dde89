// SPDX-License-Identifier: MIT
#include "chmarchive.h"

#include "chmstructure.h"
#include "helpfileopen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <chm_lib.h>

#include <cstring>
#include <limits>

namespace kestrin::help {

namespace {

// #SYSTEM record codes.
constexpr quint16 kSystemContentsFile = 0;
constexpr quint16 kSystemDefaultTopic = 2;
constexpr quint16 kSystemTitle = 3;

quint16 readLe16(const char *p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

// A NUL-terminated string of a #SYSTEM entry; UTF-8 when valid, otherwise
// taken as Latin-1 so that an old single-byte title still shows something.
QString systemString(QByteArrayView data)
{
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0)
        data = data.first(nul);
    QString text = QString::fromUtf8(data);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(data);
    return text.trimmed();
}

int collectEntry(chmFile *, chmUnitInfo *info, void *context)
{
    auto *list = static_cast<QStringList *>(context);
    list->append(QString::fromUtf8(info->path, qsizetype(::strnlen(info->path, sizeof info->path))));
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

ChmArchive::~ChmArchive()
{
    close();
}

void ChmArchive::close()
{
    if (m_file) {
        chm_close(m_file);
        m_file = nullptr;
    }
    m_title.clear();
    m_defaultTopic.clear();
    m_contentsFile.clear();
}

bool ChmArchive::fail(const QString &reason)
{
    close();
    m_error = reason;
    return false;
}

bool ChmArchive::open(const QString &fileName)
{
    close();
    m_fileName = fileName;
    m_error.clear();

    const QFileInfo info(fileName);
    if (!info.exists())
        return fail(ChmArchive::tr("the file does not exist."));
    if (info.isDir())
        return fail(ChmArchive::tr("it is a folder, not a file."));
    if (!info.isFile())
        return fail(ChmArchive::tr("it is not an ordinary file."));

    // The file is opened once, without waiting, and must still be an
    // ordinary file: whatever is put in its place after the check above (a
    // FIFO, a device) is neither waited on nor read.
    const OpenedHelpFile opened = openOrdinaryFile(fileName);
    if (!opened.file)
        return fail(opened.error);

    // chmlib says no more than "failed" about any file it cannot open; read
    // the header ourselves first to tell the user what is wrong.
    if (const QString problem = checkChmStructure(*opened.file); !problem.isEmpty())
        return fail(problem);

    // chmlib opens by name: the name of the very file just checked.
    m_file = chm_open(opened.chmlibName.constData());
    opened.file->close();
    if (!m_file)
        return fail(ChmArchive::tr("the file is damaged: its directory cannot be read."));

    readSystemRecord();
    return true;
}

void ChmArchive::readSystemRecord()
{
    const std::optional<QByteArray> record = read(QStringLiteral("/#SYSTEM"));
    if (!record)
        return;
    const QByteArray &data = *record;
    qsizetype pos = 4; // the record's version number
    while (pos + 4 <= data.size()) {
        const quint16 code = readLe16(data.constData() + pos);
        const quint16 length = readLe16(data.constData() + pos + 2);
        pos += 4;
        if (pos + length > data.size())
            break;
        const QByteArrayView value(data.constData() + pos, length);
        switch (code) {
        case kSystemContentsFile: m_contentsFile = normalizePath(systemString(value)); break;
        case kSystemDefaultTopic: m_defaultTopic = normalizePath(systemString(value)); break;
        case kSystemTitle: m_title = systemString(value); break;
        default: break;
        }
        pos += length;
    }
    if (m_contentsFile == QLatin1String("/"))
        m_contentsFile.clear();
    if (m_defaultTopic == QLatin1String("/"))
        m_defaultTopic.clear();
}

bool ChmArchive::contains(const QString &path) const
{
    if (!m_file)
        return false;
    chmUnitInfo info;
    return chm_resolve_object(m_file, normalizePath(path).toUtf8().constData(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<qint64> ChmArchive::objectSize(const QString &path) const
{
    if (!m_file)
        return std::nullopt;
    const QByteArray name = normalizePath(path).toUtf8();
    chmUnitInfo info;
    if (name.size() > CHM_MAX_PATHLEN || chm_resolve_object(m_file, name.constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    return qint64(std::min<LONGUINT64>(info.length, LONGUINT64(std::numeric_limits<qint64>::max())));
}

std::optional<QByteArray> ChmArchive::read(const QString &path) const
{
    if (!m_file)
        return std::nullopt;
    const QByteArray name = normalizePath(path).toUtf8();
    if (name.size() > CHM_MAX_PATHLEN)
        return std::nullopt;
    chmUnitInfo info;
    if (chm_resolve_object(m_file, name.constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > LONGUINT64(kMaxObjectSize))
        return std::nullopt;
    QByteArray data(qsizetype(info.length), Qt::Uninitialized);
    if (info.length == 0)
        return data;
    const LONGINT64 got =
        chm_retrieve_object(m_file, &info, reinterpret_cast<unsigned char *>(data.data()), 0, LONGINT64(info.length));
    if (got != LONGINT64(info.length))
        return std::nullopt;
    return data;
}

QStringList ChmArchive::entries() const
{
    QStringList list;
    if (m_file)
        chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectEntry, &list);
    return list;
}

QString ChmArchive::normalizePath(const QString &path)
{
    QString p = path.trimmed();
    // Links written for the Windows viewer may name the archive itself.
    static const QRegularExpression storePrefix(QStringLiteral("^(?:ms-its|mk:@msitstore|its):.*?::"),
                                                QRegularExpression::CaseInsensitiveOption);
    p.remove(storePrefix);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!p.startsWith(QLatin1Char('/')))
        p.prepend(QLatin1Char('/'));
    p = QDir::cleanPath(p);
    // cleanPath leaves a leading "/.." of a path that climbs above the root.
    while (p.startsWith(QLatin1String("/../")))
        p.remove(0, 3);
    if (p == QLatin1String("/.."))
        p = QStringLiteral("/");
    return p;
}

} // namespace kestrin::help
