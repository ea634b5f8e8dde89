#pragma once

// Where the keys and values of a JSON text stand, for messages that name a
// line and column. QJsonDocument gives the values but no places; this scan
// walks the same text and records them.

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

namespace kestrin {

struct SourcePlace {
    qsizetype line = 0;   // 1-based
    qsizetype column = 0; // 1-based, counted in characters
};

class JsonSourceMap {
public:
    // Scans json, which QJsonDocument has accepted. Members of objects are
    // recorded under their dotted path ("contacts.skype"), elements of
    // arrays as "path[i]" (0-based), down to maxDepth levels.
    explicit JsonSourceMap(QByteArrayView json, int maxDepth = 3);

    // Byte offsets in the text; -1 when the path was not seen.
    qsizetype keyOffset(const QString &path) const;
    qsizetype valueOffset(const QString &path) const;

    // A key that its object holds more than once.
    struct Duplicate {
        QString path;
        qsizetype first = 0; // offset of the first key
        qsizetype again = 0; // offset of the repeated key
    };
    const QList<Duplicate> &duplicates() const { return m_duplicates; }

    // Offset of the first character that is not white space.
    qsizetype firstValueOffset() const { return m_first; }

    SourcePlace place(qsizetype offset) const;

private:
    struct Entry {
        qsizetype key = -1;
        qsizetype value = -1;
    };

    void scanValue(qsizetype &pos, const QString &path, int depth);
    void scanObject(qsizetype &pos, const QString &path, int depth);
    void scanArray(qsizetype &pos, const QString &path, int depth);
    QString scanString(qsizetype &pos) const;
    void skipValue(qsizetype &pos) const;
    void skipSpace(qsizetype &pos) const;

    QByteArrayView m_json;
    int m_maxDepth;
    qsizetype m_first = 0;
    QHash<QString, Entry> m_entries;
    QList<Duplicate> m_duplicates;
    QList<qsizetype> m_lineStarts;
};

// The place of a byte offset in a UTF-8 text.
SourcePlace placeInText(QByteArrayView text, qsizetype offset);

} // namespace kestrin
