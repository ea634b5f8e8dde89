// SPDX-License-Identifier: MIT
#include "pagesanitizer.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace kestrin::help {

namespace {

using Names = QSet<QString>;

Names names(std::initializer_list<const char *> list)
{
    Names set;
    for (const char *name : list)
        set.insert(QLatin1String(name));
    return set;
}

// Elements that have no content and no end tag.
const Names &voidElements()
{
    static const Names set = names({"area", "base", "basefont", "br", "col", "embed", "frame", "hr", "img", "input",
                                    "isindex", "keygen", "link", "meta", "param", "source", "track", "wbr"});
    return set;
}

// Elements whose content is text up to their own end tag.
const Names &rawTextElements()
{
    static const Names set = names({"style", "title", "textarea", "xmp"});
    return set;
}

// The parts of a table other than the table itself.
const Names &tableParts()
{
    static const Names set = names({"caption", "col", "colgroup", "tbody", "td", "tfoot", "th", "thead", "tr"});
    return set;
}

// Block elements: each starts a new line and closes an open paragraph.
const Names &blockElements()
{
    static const Names set = names({"address", "article", "aside",    "blockquote", "center",  "dd",    "dir", "div",
                                    "dl",      "dt",      "fieldset", "figure",     "footer",  "form",  "h1",  "h2",
                                    "h3",      "h4",      "h5",       "h6",         "header",  "hr",    "li",  "menu",
                                    "nav",     "ol",      "p",        "pre",        "section", "table", "ul"});
    return set;
}

// Elements an end tag or an implied end does not reach across.
const Names &scopeBoundaries()
{
    static const Names set = names({"applet", "button", "caption", "html", "marquee", "object", "table", "td", "th"});
    return set;
}

const Names &tableScope()
{
    static const Names set = names({"html", "table"});
    return set;
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isNameStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

class Sanitizer {
public:
    Sanitizer(QStringView in, const PageLimits &limits)
        : m_in(in)
        , m_limits(limits)
    {
        m_out.reserve(in.size() + in.size() / 8);
    }

    SanitizedPage run()
    {
        while (m_pos < m_in.size()) {
            const QChar c = m_in[m_pos];
            if (c == u'<')
                markup();
            else
                text(c);
        }
        popTo(0);
        return {m_out, m_flattened};
    }

private:
    struct Attribute {
        QString name;
        QString value;
        bool hasValue = false;
    };
    struct Tag {
        QString name;
        QList<Attribute> attributes;
        bool end = false;
        bool selfClosing = false;
    };

    void text(QChar c)
    {
        ++m_pos;
        if (isSpace(c)) {
            m_word = 0;
        } else if (++m_word > m_limits.maxWordLength) {
            // A chance to break the line, so that no line is laid out as one
            // endless word.
            m_out += QChar(0x200B);
            m_word = 1;
        }
        if (c == u'>')
            m_out += QLatin1String("&gt;");
        else
            m_out += c;
    }

    qsizetype find(QLatin1StringView what, qsizetype from) const
    {
        const qsizetype at = m_in.indexOf(what, from, Qt::CaseInsensitive);
        return at < 0 ? m_in.size() : at;
    }

    void markup()
    {
        const QStringView rest = m_in.sliced(m_pos);
        if (rest.startsWith(QLatin1String("<!--"))) {
            const qsizetype end = find(QLatin1StringView("-->"), m_pos + 4);
            m_pos = std::min(m_in.size(), end + 3);
            return;
        }
        const QChar next = rest.size() > 1 ? rest[1] : QChar();
        const bool end = next == u'/';
        if (next == u'!' || next == u'?' || (end && (rest.size() < 3 || !isNameStart(rest[2])))) {
            // A declaration, a processing instruction or a broken end tag.
            m_pos = std::min(m_in.size(), find(QLatin1StringView(">"), m_pos) + 1);
            return;
        }
        if (!end && !isNameStart(next)) {
            ++m_pos;
            ++m_word;
            m_out += QLatin1String("&lt;");
            return;
        }
        Tag tag = readTag(end);
        if (tag.name == QLatin1String("qt"))
            tag.name = QStringLiteral("html"); // the browser takes some <qt> pages for tool tips
        if (tag.end)
            endTag(tag.name);
        else
            startTag(tag);
    }

    Tag readTag(bool end)
    {
        Tag tag;
        tag.end = end;
        m_pos += end ? 2 : 1;
        const qsizetype nameStart = m_pos;
        while (m_pos < m_in.size() && isNameChar(m_in[m_pos]))
            ++m_pos;
        tag.name = m_in.sliced(nameStart, m_pos - nameStart).toString().toLower();
        while (m_pos < m_in.size()) {
            const QChar c = m_in[m_pos];
            if (c == u'>') {
                ++m_pos;
                return tag;
            }
            if (isSpace(c) || c == u'/') {
                tag.selfClosing = c == u'/';
                ++m_pos;
                continue;
            }
            tag.selfClosing = false;
            Attribute attribute;
            const qsizetype start = m_pos;
            while (m_pos < m_in.size() && !isSpace(m_in[m_pos]) && m_in[m_pos] != u'>' && m_in[m_pos] != u'='
                   && (m_pos == start || m_in[m_pos] != u'/'))
                ++m_pos;
            attribute.name = m_in.sliced(start, m_pos - start).toString().toLower();
            qsizetype after = m_pos;
            while (after < m_in.size() && isSpace(m_in[after]))
                ++after;
            if (after < m_in.size() && m_in[after] == u'=') {
                m_pos = after + 1;
                while (m_pos < m_in.size() && isSpace(m_in[m_pos]))
                    ++m_pos;
                attribute.hasValue = true;
                attribute.value = readValue();
            }
            if (!attribute.name.isEmpty() && std::all_of(attribute.name.cbegin(), attribute.name.cend(), isNameChar))
                tag.attributes.append(attribute);
        }
        return tag;
    }

    QString readValue()
    {
        if (m_pos >= m_in.size())
            return {};
        const QChar quote = m_in[m_pos];
        if (quote == u'"' || quote == u'\'') {
            const qsizetype close = m_in.indexOf(quote, m_pos + 1);
            const qsizetype end = close < 0 ? m_in.size() : close;
            const QString value = m_in.sliced(m_pos + 1, end - m_pos - 1).toString();
            m_pos = std::min(m_in.size(), end + 1);
            return value;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && !isSpace(m_in[m_pos]) && m_in[m_pos] != u'>')
            ++m_pos;
        return m_in.sliced(start, m_pos - start).toString();
    }

    void writeTag(const Tag &tag)
    {
        m_out += u'<';
        m_out += tag.name;
        for (const Attribute &attribute : tag.attributes) {
            m_out += u' ';
            m_out += attribute.name;
            if (!attribute.hasValue)
                continue;
            QString value = attribute.value;
            value.replace(u'"', QLatin1String("&quot;"));
            value.replace(u'<', QLatin1String("&lt;"));
            value.replace(u'>', QLatin1String("&gt;"));
            m_out += QLatin1String("=\"");
            m_out += value;
            m_out += u'"';
        }
        m_out += u'>';
    }

    // The attribute's number of pixels cut down to the bound; a percentage
    // stays. True when it was cut.
    bool limitNumber(Attribute &attribute, qint64 bound)
    {
        const QString trimmed = attribute.value.trimmed();
        qsizetype digits = 0;
        while (digits < trimmed.size() && trimmed[digits].isDigit())
            ++digits;
        bool ok = false;
        const qint64 number = trimmed.first(std::min<qsizetype>(digits, 12)).toLongLong(&ok);
        if (ok && digits < trimmed.size() && trimmed[digits] == u'%')
            return false;
        if (digits > 12 || (ok && number > bound)) {
            attribute.value = QString::number(bound);
            m_flattened = true;
            return true;
        }
        return false;
    }

    // The number an attribute starts with, as the text layout reads it; 1
    // when there is none.
    static qint64 numberOf(const Tag &tag, QLatin1StringView name)
    {
        for (const Attribute &attribute : tag.attributes) {
            if (attribute.name != name)
                continue;
            const QString trimmed = attribute.value.trimmed();
            qsizetype digits = 0;
            while (digits < trimmed.size() && digits < 12 && trimmed[digits].isDigit())
                ++digits;
            return std::max<qint64>(1, trimmed.first(digits).toLongLong());
        }
        return 1;
    }

    // Sizes, spacings and spans within the bounds, on any element: the text
    // layout takes them at their word however large they are.
    void limitSizes(Tag &tag)
    {
        for (Attribute &attribute : tag.attributes) {
            const QString &n = attribute.name;
            if (n == QLatin1String("width") || n == QLatin1String("height"))
                limitNumber(attribute, m_limits.maxPictureSide);
            else if (n == QLatin1String("cellpadding") || n == QLatin1String("cellspacing")
                     || n == QLatin1String("border") || n == QLatin1String("hspace") || n == QLatin1String("vspace"))
                limitNumber(attribute, m_limits.maxSpacing);
            else if (n == QLatin1String("colspan") || n == QLatin1String("rowspan"))
                limitNumber(attribute, m_limits.maxSpan);
        }
        const qint64 columns = numberOf(tag, QLatin1StringView("colspan"));
        if (columns * numberOf(tag, QLatin1StringView("rowspan")) > m_limits.maxSpanArea) {
            for (Attribute &attribute : tag.attributes) {
                if (attribute.name == QLatin1String("rowspan"))
                    attribute.value = QString::number(std::max<qint64>(1, m_limits.maxSpanArea / columns));
            }
            m_flattened = true;
        }
    }

    // A picture beyond the page's number is left out, its alternative text
    // standing in for it: the text layout's time grows with the square of
    // the pictures on a line. False when it is left out.
    bool keepPicture(const Tag &tag)
    {
        if (++m_pictures <= m_limits.maxPictures)
            return true;
        m_flattened = true;
        for (const Attribute &attribute : tag.attributes) {
            if (attribute.name == QLatin1String("alt") && !attribute.value.isEmpty()) {
                QString alt = attribute.value;
                alt.replace(u'&', QLatin1String("&amp;"));
                alt.replace(u'<', QLatin1String("&lt;"));
                alt.replace(u'>', QLatin1String("&gt;"));
                m_out += alt;
                m_word = 0;
            }
        }
        return false;
    }

    // Skips the content of an element up to its end tag; returns the content.
    QStringView rawContent(const QString &name)
    {
        const QString endTag = QLatin1String("</") + name;
        qsizetype end = m_pos;
        while (true) {
            end = m_in.indexOf(endTag, end, Qt::CaseInsensitive);
            if (end < 0) {
                end = m_in.size();
                break;
            }
            const qsizetype after = end + endTag.size();
            if (after >= m_in.size() || !isNameChar(m_in[after]))
                break;
            end = after;
        }
        const QStringView content = m_in.sliced(m_pos, end - m_pos);
        m_pos = end < m_in.size() ? std::min(m_in.size(), find(QLatin1StringView(">"), end) + 1) : end;
        return content;
    }

    void flattenedTablePart(const QString &name)
    {
        m_flattened = true;
        if (name == QLatin1String("tr")) {
            m_out += QLatin1String("<br>");
            m_word = 0;
        } else if (name == QLatin1String("td") || name == QLatin1String("th")) {
            m_out += u' ';
            m_word = 0;
        }
    }

    void startTag(Tag &tag)
    {
        const QString &name = tag.name;
        if (name == QLatin1String("script")) {
            if (!tag.selfClosing)
                rawContent(name);
            return;
        }
        const bool tablePart = tableParts().contains(name);
        if (tablePart && (m_flatTables > 0 || m_tables == 0)) {
            flattenedTablePart(name);
            return;
        }
        if (name == QLatin1String("table")
            && (m_flatTables > 0 || m_tables >= m_limits.maxTableDepth || m_cost >= m_limits.maxTableCost
                || m_stack.size() >= m_limits.maxDepth)) {
            if (!tag.selfClosing)
                ++m_flatTables;
            m_flattened = true;
            m_out += QLatin1String("<br>");
            return;
        }

        impliedEnds(name);
        if (blockElements().contains(name) || tablePart || name == QLatin1String("br"))
            m_word = 0;

        limitSizes(tag);
        if (name == QLatin1String("td") || name == QLatin1String("th")) {
            // A cell weighs as much as the cells it spans.
            const qint64 weight = (qint64(1) << std::min(m_tables - 1, 30))
                                  * numberOf(tag, QLatin1StringView("colspan"))
                                  * numberOf(tag, QLatin1StringView("rowspan"));
            if (m_cost + weight > m_limits.maxTableCost) {
                // The rest of this table is shown as lines of text.
                closeNearest(QStringLiteral("table"), tableScope());
                ++m_flatTables;
                flattenedTablePart(name);
                return;
            }
            m_cost += weight;
        }

        if (voidElements().contains(name)) {
            if (name == QLatin1String("img") && !keepPicture(tag))
                return;
            writeTag(tag);
            return;
        }
        if (m_stack.size() >= m_limits.maxDepth) {
            m_flattened = true;
            if (name == QLatin1String("style"))
                rawContent(name);
            else if (!tag.selfClosing)
                ++m_dropped[name];
            return;
        }
        m_stack.append(name);
        if (name == QLatin1String("table"))
            ++m_tables;
        writeTag(tag);
        if (rawTextElements().contains(name) && !tag.selfClosing) {
            const QStringView content = rawContent(name);
            // No '<' in the content, so that no reader can take a tag from it.
            for (QChar c : content) {
                if (c != u'<')
                    m_out += c;
                else if (name != QLatin1String("style"))
                    m_out += QLatin1String("&lt;");
                else
                    m_out += u' ';
            }
            popTo(m_stack.size() - 1);
        } else if (tag.selfClosing) {
            popTo(m_stack.size() - 1);
        }
    }

    // What HTML closes without an end tag when this element starts.
    void impliedEnds(const QString &name)
    {
        static const Names listItem = names({"li"});
        static const Names listScope = names({"ol", "ul", "menu", "dir", "table", "td", "th", "html"});
        static const Names definition = names({"dt", "dd"});
        static const Names definitionScope = names({"dl", "table", "td", "th", "html"});
        static const Names cell = names({"td", "th"});
        static const Names cellScope = names({"tr", "table", "html"});
        static const Names row = names({"td", "th", "tr"});
        static const Names rowScope = names({"thead", "tbody", "tfoot", "table", "html"});
        static const Names section = names({"td", "th", "tr", "thead", "tbody", "tfoot", "caption", "colgroup"});
        static const Names paragraph = names({"p"});

        if (blockElements().contains(name))
            closeNearest(paragraph, scopeBoundaries());
        if (name == QLatin1String("li"))
            closeNearest(listItem, listScope);
        else if (definition.contains(name))
            closeNearest(definition, definitionScope);
        else if (cell.contains(name))
            closeOutermost(cell, cellScope);
        else if (name == QLatin1String("tr"))
            closeOutermost(row, rowScope);
        else if (name == QLatin1String("thead") || name == QLatin1String("tbody") || name == QLatin1String("tfoot")
                 || name == QLatin1String("caption") || name == QLatin1String("colgroup"))
            closeOutermost(section, tableScope());
    }

    // Closes everything from the outermost open element of one of these
    // names on, as far back as the nearest boundary: a new row ends the
    // open cell and the open row.
    void closeOutermost(const Names &targets, const Names &boundaries)
    {
        qsizetype outermost = -1;
        for (qsizetype i = m_stack.size() - 1; i >= 0 && !boundaries.contains(m_stack[i]); --i) {
            if (targets.contains(m_stack[i]))
                outermost = i;
        }
        if (outermost >= 0)
            popTo(outermost);
    }

    void endTag(const QString &name)
    {
        if (name == QLatin1String("script"))
            return;
        if (m_flatTables > 0 && name == QLatin1String("table")) {
            --m_flatTables;
            m_out += QLatin1String("<br>");
            return;
        }
        if (tableParts().contains(name) && (m_flatTables > 0 || m_tables == 0))
            return;
        if (const auto dropped = m_dropped.find(name); dropped != m_dropped.end() && *dropped > 0) {
            --*dropped;
            return;
        }
        if (blockElements().contains(name) || tableParts().contains(name))
            m_word = 0;
        const bool tableRelated = name == QLatin1String("table") || tableParts().contains(name);
        closeNearest(name, tableRelated ? tableScope() : scopeBoundaries());
    }

    void closeNearest(const QString &name, const Names &boundaries) { closeNearest(Names{name}, boundaries); }

    // Closes the innermost open element of one of these names, and all that
    // is open inside it, unless a boundary comes first.
    void closeNearest(const Names &targets, const Names &boundaries)
    {
        for (qsizetype i = m_stack.size() - 1; i >= 0; --i) {
            if (targets.contains(m_stack[i])) {
                popTo(i);
                return;
            }
            if (boundaries.contains(m_stack[i]))
                return;
        }
    }

    void popTo(qsizetype index)
    {
        if (index >= m_stack.size())
            return;
        // Elements left out for their depth were inside the innermost open
        // one; they end with it.
        m_dropped.clear();
        while (m_stack.size() > index) {
            const QString name = m_stack.takeLast();
            if (name == QLatin1String("table"))
                --m_tables;
            m_out += QLatin1String("</");
            m_out += name;
            m_out += u'>';
        }
    }

    QStringView m_in;
    PageLimits m_limits;
    qsizetype m_pos = 0;
    QString m_out;
    QList<QString> m_stack;
    QHash<QString, int> m_dropped;
    int m_tables = 0;
    int m_flatTables = 0;
    qint64 m_cost = 0;
    int m_word = 0;
    int m_pictures = 0;
    bool m_flattened = false;
};

} // namespace

SanitizedPage sanitizePage(QStringView html, const PageLimits &limits)
{
    return Sanitizer(html, limits).run();
}

} // namespace kestrin::help
