// SPDX-License-Identifier: MIT
#include "pagebuilder.h"

#include <algorithm>

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

// The number an attribute starts with, as the text layout reads it; 1 when
// there is none.
qint64 numberOf(const HtmlTag &tag, QLatin1StringView name)
{
    for (const HtmlAttribute &attribute : tag.attributes) {
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

} // namespace

PageBuilder::PageBuilder(HtmlTokenizer &tokens, const PageLimits &limits)
    : m_tokens(tokens)
    , m_limits(limits)
{
    m_out.reserve(tokens.size() + tokens.size() / 8);
}

SanitizedPage PageBuilder::run()
{
    for (;;) {
        switch (m_tokens.next()) {
        case HtmlTokenizer::Token::End: popTo(0); return {m_out, m_flattened};
        case HtmlTokenizer::Token::Character: text(m_tokens.character()); break;
        case HtmlTokenizer::Token::StrayLess: strayLess(); break;
        case HtmlTokenizer::Token::StartTag: startTag(m_tokens.tag()); break;
        case HtmlTokenizer::Token::EndTag: endTag(m_tokens.tag().name); break;
        case HtmlTokenizer::Token::Skipped: break;
        }
    }
}

void PageBuilder::text(QChar c)
{
    if (isHtmlSpace(c)) {
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

void PageBuilder::strayLess()
{
    ++m_word;
    m_out += QLatin1String("&lt;");
}

void PageBuilder::writeTag(const HtmlTag &tag)
{
    m_out += u'<';
    m_out += tag.name;
    for (const HtmlAttribute &attribute : tag.attributes) {
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
bool PageBuilder::limitNumber(HtmlAttribute &attribute, qint64 bound)
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

// Sizes, spacings and spans within the bounds, on any element: the text
// layout takes them at their word however large they are.
void PageBuilder::limitSizes(HtmlTag &tag)
{
    for (HtmlAttribute &attribute : tag.attributes) {
        const QString &n = attribute.name;
        if (n == QLatin1String("width") || n == QLatin1String("height"))
            limitNumber(attribute, m_limits.maxPictureSide);
        else if (n == QLatin1String("cellpadding") || n == QLatin1String("cellspacing") || n == QLatin1String("border")
                 || n == QLatin1String("hspace") || n == QLatin1String("vspace"))
            limitNumber(attribute, m_limits.maxSpacing);
        else if (n == QLatin1String("colspan") || n == QLatin1String("rowspan"))
            limitNumber(attribute, m_limits.maxSpan);
    }
    const qint64 columns = numberOf(tag, QLatin1StringView("colspan"));
    if (columns * numberOf(tag, QLatin1StringView("rowspan")) > m_limits.maxSpanArea) {
        for (HtmlAttribute &attribute : tag.attributes) {
            if (attribute.name == QLatin1String("rowspan"))
                attribute.value = QString::number(std::max<qint64>(1, m_limits.maxSpanArea / columns));
        }
        m_flattened = true;
    }
}

// A picture beyond the page's number is left out, its alternative text
// standing in for it: the text layout's time grows with the square of
// the pictures on a line. False when it is left out.
bool PageBuilder::keepPicture(const HtmlTag &tag)
{
    if (++m_pictures <= m_limits.maxPictures)
        return true;
    m_flattened = true;
    for (const HtmlAttribute &attribute : tag.attributes) {
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

void PageBuilder::flattenedTablePart(const QString &name)
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

void PageBuilder::startTag(HtmlTag &tag)
{
    const QString &name = tag.name;
    if (name == QLatin1String("script")) {
        if (!tag.selfClosing)
            m_tokens.rawContent(name);
        return;
    }
    if (flattensTable(tag))
        return;
    impliedEnds(name);
    if (blockElements().contains(name) || tableParts().contains(name) || name == QLatin1String("br"))
        m_word = 0;
    limitSizes(tag);
    if ((name == QLatin1String("td") || name == QLatin1String("th")) && !weighCell(tag))
        return;
    if (voidElements().contains(name)) {
        if (name == QLatin1String("img") && !keepPicture(tag))
            return;
        writeTag(tag);
        return;
    }
    if (m_stack.size() >= m_limits.maxDepth) {
        dropTooDeep(tag);
        return;
    }
    openElement(tag);
}

// A part of a table shown as text, or a table beyond the bounds: true when
// the tag is taken care of so.
bool PageBuilder::flattensTable(const HtmlTag &tag)
{
    const QString &name = tag.name;
    if (tableParts().contains(name) && (m_flatTables > 0 || m_tables == 0)) {
        flattenedTablePart(name);
        return true;
    }
    if (name == QLatin1String("table")
        && (m_flatTables > 0 || m_tables >= m_limits.maxTableDepth || m_cost >= m_limits.maxTableCost
            || m_stack.size() >= m_limits.maxDepth)) {
        if (!tag.selfClosing)
            ++m_flatTables;
        m_flattened = true;
        m_out += QLatin1String("<br>");
        return true;
    }
    return false;
}

// A cell weighs as much as the cells it spans; false when the page's tables
// would weigh too much with it, and the rest of its table is shown as lines
// of text.
bool PageBuilder::weighCell(const HtmlTag &tag)
{
    const qint64 weight = (qint64(1) << std::min(m_tables - 1, 30)) * numberOf(tag, QLatin1StringView("colspan"))
                          * numberOf(tag, QLatin1StringView("rowspan"));
    if (m_cost + weight > m_limits.maxTableCost) {
        closeNearest(QStringLiteral("table"), tableScope());
        ++m_flatTables;
        flattenedTablePart(tag.name);
        return false;
    }
    m_cost += weight;
    return true;
}

// An element nested too deeply loses its tags; its text stays.
void PageBuilder::dropTooDeep(const HtmlTag &tag)
{
    m_flattened = true;
    if (tag.name == QLatin1String("style"))
        m_tokens.rawContent(tag.name);
    else if (!tag.selfClosing)
        ++m_dropped[tag.name];
}

void PageBuilder::openElement(const HtmlTag &tag)
{
    const QString &name = tag.name;
    m_stack.append(name);
    if (name == QLatin1String("table"))
        ++m_tables;
    writeTag(tag);
    if (rawTextElements().contains(name) && !tag.selfClosing) {
        writeRawText(name, m_tokens.rawContent(name));
        popTo(m_stack.size() - 1);
    } else if (tag.selfClosing) {
        popTo(m_stack.size() - 1);
    }
}

// No '<' in the content, so that no reader can take a tag from it.
void PageBuilder::writeRawText(const QString &name, QStringView content)
{
    for (QChar c : content) {
        if (c != u'<')
            m_out += c;
        else if (name != QLatin1String("style"))
            m_out += QLatin1String("&lt;");
        else
            m_out += u' ';
    }
}

// What HTML closes without an end tag when this element starts.
void PageBuilder::impliedEnds(const QString &name)
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
void PageBuilder::closeOutermost(const Names &targets, const Names &boundaries)
{
    qsizetype outermost = -1;
    for (qsizetype i = m_stack.size() - 1; i >= 0 && !boundaries.contains(m_stack[i]); --i) {
        if (targets.contains(m_stack[i]))
            outermost = i;
    }
    if (outermost >= 0)
        popTo(outermost);
}

void PageBuilder::endTag(const QString &name)
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

// Closes the innermost open element of one of these names, and all that
// is open inside it, unless a boundary comes first.
void PageBuilder::closeNearest(const Names &targets, const Names &boundaries)
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

void PageBuilder::popTo(qsizetype index)
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

} // namespace kestrin::help
