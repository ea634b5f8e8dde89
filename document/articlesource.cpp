#include "articlesource.h"

#include <algorithm>

namespace kestrin {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QList<qsizetype> lineStarts(QByteArrayView text)
{
    QList<qsizetype> starts{0};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n')
            starts.append(i + 1);
    }
    return starts;
}

SourcePlace placeWith(QByteArrayView text, const QList<qsizetype> &starts, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    const auto it = std::upper_bound(starts.begin(), starts.end(), offset);
    const qsizetype line = it - starts.begin(); // at least 1: starts[0] == 0
    qsizetype column = 1;
    for (qsizetype i = starts[line - 1]; i < offset; ++i) {
        // Count characters, not bytes: UTF-8 continuation bytes add nothing.
        if ((uchar(text[i]) & 0xC0) != 0x80)
            ++column;
    }
    return {line, column};
}

} // namespace

SourcePlace placeInText(QByteArrayView text, qsizetype offset)
{
    return placeWith(text, lineStarts(text), offset);
}

JsonSourceMap::JsonSourceMap(QByteArrayView json, int maxDepth)
    : m_json(json)
    , m_maxDepth(maxDepth)
    , m_lineStarts(lineStarts(json))
{
    qsizetype pos = 0;
    skipSpace(pos);
    m_first = pos;
    scanValue(pos, QString(), 0);
}

qsizetype JsonSourceMap::keyOffset(const QString &path) const
{
    const auto it = m_entries.constFind(path);
    return it == m_entries.cend() ? -1 : it->key;
}

qsizetype JsonSourceMap::valueOffset(const QString &path) const
{
    const auto it = m_entries.constFind(path);
    return it == m_entries.cend() ? -1 : it->value;
}

SourcePlace JsonSourceMap::place(qsizetype offset) const
{
    return placeWith(m_json, m_lineStarts, offset);
}

void JsonSourceMap::skipSpace(qsizetype &pos) const
{
    while (pos < m_json.size() && isSpace(m_json[pos]))
        ++pos;
}

void JsonSourceMap::scanValue(qsizetype &pos, const QString &path, int depth)
{
    skipSpace(pos);
    if (pos >= m_json.size())
        return;
    if (depth >= m_maxDepth) {
        skipValue(pos);
        return;
    }
    switch (m_json[pos]) {
    case '{': scanObject(pos, path, depth); break;
    case '[': scanArray(pos, path, depth); break;
    default: skipValue(pos); break;
    }
}

void JsonSourceMap::scanObject(qsizetype &pos, const QString &path, int depth)
{
    ++pos; // '{'
    QHash<QString, qsizetype> seen;
    while (true) {
        skipSpace(pos);
        if (pos >= m_json.size() || m_json[pos] != '"') {
            if (pos < m_json.size() && m_json[pos] == '}')
                ++pos;
            return;
        }
        const qsizetype keyAt = pos;
        const QString key = scanString(pos);
        skipSpace(pos);
        if (pos >= m_json.size() || m_json[pos] != ':')
            return;
        ++pos;
        skipSpace(pos);
        const QString member = path.isEmpty() ? key : path + QLatin1Char('.') + key;
        const auto earlier = seen.constFind(key);
        if (earlier != seen.cend())
            m_duplicates.append({member, *earlier, keyAt});
        else
            seen.insert(key, keyAt);
        // The last of repeated keys is the one whose value counts.
        m_entries.insert(member, {keyAt, pos});
        scanValue(pos, member, depth + 1);
        skipSpace(pos);
        if (pos < m_json.size() && m_json[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos < m_json.size() && m_json[pos] == '}')
            ++pos;
        return;
    }
}

void JsonSourceMap::scanArray(qsizetype &pos, const QString &path, int depth)
{
    ++pos; // '['
    for (qsizetype index = 0;; ++index) {
        skipSpace(pos);
        if (pos >= m_json.size())
            return;
        if (m_json[pos] == ']') {
            ++pos;
            return;
        }
        const QString element = path + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
        m_entries.insert(element, {pos, pos});
        scanValue(pos, element, depth + 1);
        skipSpace(pos);
        if (pos < m_json.size() && m_json[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos < m_json.size() && m_json[pos] == ']')
            ++pos;
        return;
    }
}

QString JsonSourceMap::scanString(qsizetype &pos) const
{
    QString out;
    ++pos; // opening quote
    while (pos < m_json.size()) {
        const char c = m_json[pos];
        if (c == '"') {
            ++pos;
            break;
        }
        if (c != '\\') {
            const qsizetype start = pos;
            while (pos < m_json.size() && m_json[pos] != '"' && m_json[pos] != '\\')
                ++pos;
            out += QString::fromUtf8(m_json.sliced(start, pos - start));
            continue;
        }
        if (++pos >= m_json.size())
            break;
        const char e = m_json[pos++];
        switch (e) {
        case 'b': out += QChar(u'\b'); break;
        case 'f': out += QChar(u'\f'); break;
        case 'n': out += QChar(u'\n'); break;
        case 'r': out += QChar(u'\r'); break;
        case 't': out += QChar(u'\t'); break;
        case 'u': {
            // Surrogate pairs come as two escapes and join by themselves.
            int unit = 0;
            int digits = 0;
            for (; digits < 4 && pos < m_json.size() && hexValue(m_json[pos]) >= 0; ++digits, ++pos)
                unit = unit * 16 + hexValue(m_json[pos]);
            out += QChar(char16_t(unit));
            break;
        }
        default: out += QLatin1Char(e); break;
        }
    }
    return out;
}

void JsonSourceMap::skipValue(qsizetype &pos) const
{
    if (pos >= m_json.size())
        return;
    auto skipString = [this](qsizetype &p) {
        ++p;
        while (p < m_json.size() && m_json[p] != '"')
            p += m_json[p] == '\\' ? 2 : 1;
        p = std::min(p + 1, m_json.size());
    };
    const char c = m_json[pos];
    if (c == '"') {
        skipString(pos);
        return;
    }
    if (c == '{' || c == '[') {
        qsizetype level = 0;
        while (pos < m_json.size()) {
            const char d = m_json[pos];
            if (d == '"') {
                skipString(pos);
                if (level == 0)
                    return;
                continue;
            }
            if (d == '{' || d == '[')
                ++level;
            else if (d == '}' || d == ']')
                --level;
            ++pos;
            if (level == 0)
                return;
        }
        return;
    }
    while (pos < m_json.size() && !isSpace(m_json[pos]) && m_json[pos] != ',' && m_json[pos] != '}'
           && m_json[pos] != ']')
        ++pos;
}

} // namespace kestrin
