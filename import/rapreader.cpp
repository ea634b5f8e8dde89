// SPDX-License-Identifier: MIT
#include "rapreader.h"

#include "pboarchive.h"

#include <QSet>

#include <cstring>

namespace kestrin::import {

namespace {

class RapReader {
public:
    RapReader(QByteArrayView data, const SourceRef &where, const RapLimits &limits, const ClassFilter &keep,
              ImportNotes &notes)
        : m_data(data)
        , m_keep(keep)
        , m_where(where)
        , m_limits(limits)
        , m_notes(notes)
    {
    }

    bool readBody(qint64 offset, ConfigClass &into, int depth);

private:
    void note(const QString &text) { m_notes.append({m_where, text}); }
    bool damaged(qint64 at)
    {
        note(ImportText::tr("the binarized file is damaged at byte %1; the rest of this class is skipped").arg(at));
        return false;
    }
    bool byte(qint64 &pos, quint8 &out)
    {
        if (pos >= m_data.size())
            return false;
        out = quint8(m_data[pos++]);
        return true;
    }
    bool u32(qint64 &pos, quint32 &out)
    {
        if (pos + 4 > m_data.size())
            return false;
        const auto *p = reinterpret_cast<const unsigned char *>(m_data.data() + pos);
        out = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
        pos += 4;
        return true;
    }
    bool count(qint64 &pos, qint64 &out)
    {
        out = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            quint8 b = 0;
            if (!byte(pos, b))
                return false;
            out |= qint64(b & 0x7F) << shift;
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool string(qint64 &pos, QString &out)
    {
        const char *start = m_data.data() + pos;
        const qint64 left = m_data.size() - pos;
        if (left <= 0)
            return false;
        const void *end = std::memchr(start, 0, size_t(left));
        if (!end)
            return false;
        const qint64 length = static_cast<const char *>(end) - start;
        out = decodeGameText(QByteArrayView(start, length));
        pos += length + 1;
        return true;
    }
    bool scalar(qint64 &pos, quint8 type, ConfigValue &out);
    bool array(qint64 &pos, ConfigValue &out, int depth);
    // One member of a class body, of the given type; false when the rest
    // of the body is to be skipped.
    bool member(qint64 &pos, quint8 type, ConfigClass &into, int depth);
    // Adds a value read at the current place to the class; always true.
    bool keep(ConfigEntry entry, ConfigClass &into) const;
    // A class with a body of its own, read where the body's offset points.
    bool childClass(qint64 &pos, ConfigClass &into, int depth);
    bool node()
    {
        if (++m_nodes <= m_limits.maxNodes)
            return true;
        if (!m_tooMany)
            note(ImportText::tr("the binarized file has too many entries; the rest is skipped"));
        m_tooMany = true;
        return false;
    }

    QByteArrayView m_data;
    const ClassFilter &m_keep;
    QStringList m_path;
    SourceRef m_where;
    RapLimits m_limits;
    ImportNotes &m_notes;
    QSet<qint64> m_visited;
    qint64 m_nodes = 0;
    bool m_tooMany = false;
};

bool RapReader::scalar(qint64 &pos, quint8 type, ConfigValue &out)
{
    switch (type) {
    case 0: out.kind = ConfigValue::String; return string(pos, out.text);
    case 4: out.kind = ConfigValue::Word; return string(pos, out.text);
    case 1: {
        quint32 bits = 0;
        if (!u32(pos, bits))
            return false;
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        out.kind = ConfigValue::Number;
        out.text = QString::number(double(f), 'g', 7);
        return true;
    }
    case 2: {
        quint32 bits = 0;
        if (!u32(pos, bits))
            return false;
        out.kind = ConfigValue::Number;
        out.text = QString::number(qint32(bits));
        return true;
    }
    default: return false;
    }
}

bool RapReader::array(qint64 &pos, ConfigValue &out, int depth)
{
    out.kind = ConfigValue::Array;
    if (depth > m_limits.maxDepth)
        return false;
    qint64 n = 0;
    // Each element takes at least two bytes.
    if (!count(pos, n) || n > (m_data.size() - pos) / 2 + 1)
        return false;
    out.items.reserve(size_t(n));
    for (qint64 i = 0; i < n; ++i) {
        if (!node())
            return false;
        quint8 type = 0;
        if (!byte(pos, type))
            return false;
        ConfigValue item;
        if (type == 3) {
            if (!array(pos, item, depth + 1))
                return false;
        } else if (!scalar(pos, type, item)) {
            return false;
        }
        out.items.push_back(std::move(item));
    }
    return true;
}

bool RapReader::readBody(qint64 offset, ConfigClass &into, int depth)
{
    if (depth > m_limits.maxDepth) {
        note(ImportText::tr("the binarized file nests classes too deeply; the inner ones are skipped"));
        return false;
    }
    if (offset < 16 || offset >= m_data.size() || m_visited.contains(offset))
        return damaged(offset);
    m_visited.insert(offset);
    qint64 pos = offset;
    qint64 n = 0;
    if (!string(pos, into.base) || !count(pos, n) || n > m_data.size() - pos)
        return damaged(pos);
    for (qint64 i = 0; i < n; ++i) {
        if (!node())
            return false;
        quint8 type = 0;
        if (!byte(pos, type))
            return damaged(pos);
        if (!member(pos, type, into, depth))
            return false;
    }
    return true;
}

bool RapReader::keep(ConfigEntry entry, ConfigClass &into) const
{
    entry.where = m_where;
    into.values.push_back(std::move(entry));
    return true;
}

bool RapReader::member(qint64 &pos, quint8 type, ConfigClass &into, int depth)
{
    switch (type) {
    case 0: return childClass(pos, into, depth);
    case 1: {
        ConfigEntry entry;
        quint8 sub = 0;
        if (!byte(pos, sub) || !string(pos, entry.name) || !scalar(pos, sub, entry.value))
            return damaged(pos);
        return keep(std::move(entry), into);
    }
    case 2:
    case 5: {
        ConfigEntry entry;
        quint32 flags = 0;
        if ((type == 5 && !u32(pos, flags)) || !string(pos, entry.name) || !array(pos, entry.value, depth + 1))
            return damaged(pos);
        return keep(std::move(entry), into);
    }
    case 3:
    case 4: {
        ConfigClass child;
        if (!string(pos, child.name))
            return damaged(pos);
        child.declarationOnly = true;
        child.where = m_where;
        into.classes.push_back(std::move(child));
        return true;
    }
    default:
        note(ImportText::tr("the binarized file has an entry of unknown type %1; the rest of this class is skipped")
                 .arg(type));
        return false;
    }
}

bool RapReader::childClass(qint64 &pos, ConfigClass &into, int depth)
{
    ConfigClass child;
    quint32 body = 0;
    if (!string(pos, child.name) || !u32(pos, body))
        return damaged(pos);
    child.where = m_where;
    m_path.append(child.name);
    if (!m_keep || m_keep(m_path))
        readBody(body, child, depth + 1);
    m_path.removeLast();
    into.classes.push_back(std::move(child));
    return true;
}

} // namespace

bool isRapified(QByteArrayView data)
{
    return data.size() >= 4 && std::memcmp(data.data(), "\0raP", 4) == 0;
}

ConfigParse parseRap(QByteArrayView data, const SourceRef &where, const RapLimits &limits, const ClassFilter &keep)
{
    ConfigParse parse;
    parse.binarized = true;
    if (!isRapified(data) || data.size() < 16) {
        parse.notes.append({where, ImportText::tr("the file is not a binarized config of a known version")});
        return parse;
    }
    const auto *p = reinterpret_cast<const unsigned char *>(data.data());
    const quint32 zero = quint32(p[4]) | quint32(p[5]) << 8 | quint32(p[6]) << 16 | quint32(p[7]) << 24;
    const quint32 eight = quint32(p[8]) | quint32(p[9]) << 8 | quint32(p[10]) << 16 | quint32(p[11]) << 24;
    if (zero != 0 || eight != 8) {
        parse.notes.append({where, ImportText::tr("the file is not a binarized config of a known version")});
        return parse;
    }
    RapReader reader(data, where, limits, keep, parse.notes);
    parse.root.where = where;
    reader.readBody(16, parse.root, 0);
    return parse;
}

} // namespace kestrin::import
