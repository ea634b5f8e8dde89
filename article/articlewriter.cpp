// SPDX-License-Identifier: MIT
// Writing an article file: UTF-8 JSON in the order of the field table,
// four blanks of indentation, texts of several lines as arrays of lines.

#include "articlewriter.h"
#include "articlefields.h"

namespace kestrin {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QByteArray indentation(int level)
{
    return QByteArray(4 * level, ' ');
}

QByteArray jsonString(QStringView text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'"': out += QLatin1String("\\\""); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\b': out += QLatin1String("\\b"); break;
        case u'\f': out += QLatin1String("\\f"); break;
        default:
            // Control characters and lone surrogate halves are escaped, so
            // that the UTF-8 file keeps every character of the text; so is
            // U+FEFF, which Qt's JSON reader drops from the start of a
            // string when it stands there unescaped.
            if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() == 0xFEFF)
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

// One line: a string; several lines: an array of strings, one per line.
QByteArray jsonText(QStringView text, int level)
{
    if (!text.contains(kCrLf))
        return jsonString(text);
    QByteArray out = "[\n";
    const QList<QStringView> lines = text.split(kCrLf);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += indentation(level + 1) + jsonString(lines[i]);
        out += i + 1 < lines.size() ? ",\n" : "\n";
    }
    return out + indentation(level) + ']';
}

class ObjectWriter {
public:
    explicit ObjectWriter(int level)
        : m_level(level)
    {
    }

    bool isEmpty() const { return m_members.isEmpty(); }

    void member(QStringView key, const QByteArray &value) { m_members << jsonString(key) + ": " + value; }
    void text(QStringView key, QStringView text) { member(key, jsonText(text, m_level + 1)); }

    QByteArray finish() const
    {
        QByteArray out = "{\n";
        for (qsizetype i = 0; i < m_members.size(); ++i) {
            out += indentation(m_level + 1) + m_members[i];
            out += i + 1 < m_members.size() ? ",\n" : "\n";
        }
        return out + indentation(m_level) + '}';
    }

private:
    int m_level;
    QList<QByteArray> m_members;
};

// The members of one object of the file: the fields directly inside group
// (the top of the file for an empty group). A group without members is
// left out.
QByteArray writeObject(const Article &article, QStringView group, int level)
{
    ObjectWriter out(level);
    for (const ArticleField &field : kArticleFields) {
        const QString key = QLatin1String(field.key);
        if (parentOf(key) != group)
            continue;
        const QStringView leaf = leafOf(key);
        switch (field.type) {
        case FieldType::Schema: break;
        case FieldType::FormatVersion: out.member(leaf, QByteArray::number(kArticleFormatVersion)); break;
        case FieldType::ArticleKind:
        case FieldType::Text: out.text(leaf, article.*field.text); break;
        case FieldType::OptionalText:
            if (const std::optional<QString> &text = article.*field.optionalText)
                out.text(leaf, *text);
            break;
        case FieldType::Group: {
            const QByteArray members = writeObject(article, key, level + 1);
            if (!members.isEmpty())
                out.member(leaf, members);
            break;
        }
        case FieldType::InstallationKind:
            if (article.installation)
                out.text(leaf, installationKindName(*article.installation));
            break;
        case FieldType::InstallationText:
            if (article.installation == InstallationKind::OwnDescription)
                out.text(leaf, article.installationText);
            break;
        }
    }
    return out.isEmpty() && !group.isEmpty() ? QByteArray() : out.finish();
}

} // namespace

QByteArray writeArticleJson(const Article &article)
{
    return writeObject(article, QStringView(), 0) + '\n';
}

} // namespace kestrin
