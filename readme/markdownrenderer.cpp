// SPDX-License-Identifier: MIT
#include "markdownrenderer.h"

#include "renderrules.h"

namespace kestrin {

namespace {

// Calls f with each line of text; a line break is CR LF, a lone CR or a
// lone LF. A text that ends with a line break ends with an empty line.
template <typename F>
void forEachLine(QStringView text, F f)
{
    const char16_t *chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (true) {
        const qsizetype end = findLineBreak(chars, start, size);
        f(text.mid(start, end - start));
        if (end == size)
            return;
        start = end + (chars[end] == u'\r' && end + 1 < size && chars[end + 1] == u'\n' ? 2 : 1);
    }
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Characters that CommonMark (and GitHub's tables and strikethrough) would
// take as markup anywhere in a line; in headings "#" too (a closing
// sequence).
constexpr EscapeTable kInlineMarkup{'\\', '`', '*', '_', '[', ']', '<', '&', '~', '|'};
constexpr EscapeTable kHeadingMarkup{'\\', '`', '*', '_', '[', ']', '<', '&', '~', '|', '#'};
static_assert(kInlineMarkup.scannedInBlocks() && kHeadingMarkup.scannedInBlocks());

// Writes text with a backslash before each character that would be markup.
void mdInline(TextSink &out, QStringView text, bool heading = false)
{
    out.appendEscaped(text, heading ? kHeadingMarkup : kInlineMarkup);
}

// Blanks and tabs that open a line are written as character references:
// as they are, they would make an indented code block or vanish.
QStringView mdLeadingBlanks(TextSink &out, QStringView text)
{
    qsizetype i = 0;
    for (; i < text.size() && (text[i] == u' ' || text[i] == u'\t'); ++i)
        out << (text[i] == u' ' ? u"&#32;" : u"&#9;");
    return text.mid(i);
}

// Writes a text that starts a line (or a list item's text): what would
// open a block there (a heading, a quote, a list, a rule, a setext
// underline) is escaped.
void mdLineStart(TextSink &out, QStringView text)
{
    const qsizetype size = text.size();
    if (size > 0 && (text[0] == u' ' || text[0] == u'\t'))
        text = mdLeadingBlanks(out, text);
    if (text.isEmpty() || text.size() != size) {
        mdInline(out, text);
        return;
    }
    const QChar first = text[0];
    const bool blankAfter = text.size() == 1 || text[1] == u' ' || text[1] == u'\t';
    bool escape = first == u'#' || first == u'>' || first == u'=' || (first == u'+' && blankAfter);
    if (first == u'-') {
        bool onlyDashes = true;
        for (QChar c : text)
            onlyDashes = onlyDashes && (c == u'-' || c == u' ' || c == u'\t');
        escape = blankAfter || onlyDashes;
    }
    if (escape) {
        out << QChar(u'\\') << first;
        mdInline(out, text.mid(1));
        return;
    }
    qsizetype digits = 0;
    while (digits < text.size() && digits < 10 && isDigit(text[digits]))
        ++digits;
    if (digits > 0 && digits <= 9 && digits < text.size() && (text[digits] == u'.' || text[digits] == u')')
        && (digits + 1 == text.size() || text[digits + 1] == u' ' || text[digits + 1] == u'\t')) {
        out << text.left(digits) << QChar(u'\\');
        mdInline(out, text.mid(digits));
        return;
    }
    mdInline(out, text);
}

// Writes the Markdown line by line. Lines of a paragraph are joined by hard
// line breaks (a backslash at the line's end); lines that start with "- ",
// "* " or "1. " (and "2. " after "1. ", and so on) are list items.
class MarkdownWriter {
public:
    explicit MarkdownWriter(TextSink &out)
        : m_out(out)
    {
    }

    // The first line of text (after label) as a heading, the others as
    // lines below it.
    void heading(int level, QStringView label, QStringView text)
    {
        closeBlock();
        QStringView rest;
        QStringView first = text;
        const qsizetype br = firstBreak(text);
        if (br >= 0) {
            first = text.left(br);
            rest = text.mid(br + (text.mid(br, 2) == u"\r\n" ? 2 : 1));
        }
        m_out << QStringView(u"######").left(level) << QChar(u' ');
        const QStringView shown = first.isEmpty() ? withoutTrailingBlanks(label) : label;
        // Only what opens the heading's text could be taken for indentation.
        if (!shown.isEmpty())
            mdInline(m_out, shown, true);
        else
            first = mdLeadingBlanks(m_out, first);
        mdInline(m_out, first, true);
        m_out << u"\n\n";
        m_state = State::AfterBlank;
        if (br >= 0)
            lines({}, rest);
    }

    // A label and a value of one or more lines.
    void lines(QStringView label, QStringView value)
    {
        bool firstLine = true;
        forEachLine(value, [&](QStringView line) {
            this->line(firstLine ? label : QStringView(), line);
            firstLine = false;
        });
    }

    // One line; an address as a link.
    void link(QStringView label, QStringView address)
    {
        beginText();
        mdInline(m_out, label);
        m_out << QChar(u'<') << address << QChar(u'>');
    }

    void blank() { closeBlock(); }

    void finish()
    {
        if (m_state == State::InParagraph || m_state == State::InList)
            m_out << QChar(u'\n');
        m_state = State::AfterBlank;
    }

private:
    enum class State { AfterBlank, InParagraph, InList };

    static qsizetype firstBreak(QStringView text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n')
                return i;
        }
        return -1;
    }

    void closeBlock()
    {
        if (m_state == State::InParagraph || m_state == State::InList)
            m_out << u"\n\n";
        m_state = State::AfterBlank;
    }

    void beginText()
    {
        if (m_state == State::InParagraph)
            m_out << u"\\\n";
        else if (m_state == State::InList)
            m_out << u"\n\n"; // a blank line ends the list
        m_state = State::InParagraph;
    }

    void line(QStringView label, QStringView text)
    {
        if (label.isEmpty() && text.isEmpty()) {
            blank();
            return;
        }
        if (label.isEmpty() && listItem(text))
            return;
        beginText();
        if (label.isEmpty()) {
            mdLineStart(m_out, text);
        } else {
            mdInline(m_out, label);
            mdInline(m_out, text);
        }
    }

    static bool hasText(QStringView text)
    {
        for (QChar c : text) {
            if (c != u' ' && c != u'\t')
                return true;
        }
        return false;
    }

    // Writes the line as a list item when it is one.
    bool listItem(QStringView text)
    {
        if (text.size() > 2 && (text[0] == u'-' || text[0] == u'*') && text[1] == u' ' && hasText(text.mid(2))) {
            startItem();
            m_ordered = false;
            m_out << text.left(2);
            mdLineStart(m_out, text.mid(2));
            return true;
        }
        qsizetype digits = 0;
        while (digits < text.size() && digits < 10 && isDigit(text[digits]))
            ++digits;
        if (digits == 0 || digits > 9 || digits + 2 >= text.size() || text[digits] != u'.' || text[digits + 1] != u' '
            || !hasText(text.mid(digits + 2)))
            return false;
        const qint64 number = text.left(digits).toLongLong();
        const bool continues = m_state == State::InList && m_ordered && number == m_number + 1;
        if (number != 1 && !continues)
            return false;
        if (number == 1 && m_state == State::InList && m_ordered)
            m_delimiter = m_delimiter == u'.' ? u')' : u'.'; // a new list right after the last one
        else if (number == 1)
            m_delimiter = u'.';
        startItem();
        m_ordered = true;
        m_number = number;
        m_out << text.left(digits) << m_delimiter << QChar(u' ');
        mdLineStart(m_out, text.mid(digits + 2));
        return true;
    }

    void startItem()
    {
        if (m_state != State::AfterBlank)
            m_out << QChar(u'\n');
        m_state = State::InList;
    }

    TextSink &m_out;
    State m_state = State::AfterBlank;
    bool m_ordered = false;
    qint64 m_number = 0;
    char16_t m_delimiter = u'.';
};

} // namespace

void renderMarkdown(const ReadmeModel &m, TextSink &out)
{
    MarkdownWriter md(out);
    // "kind - name": a tab would show as "&#9;" or vanish. Without a kind
    // or a name the other stands alone, with no dash before or after it.
    const QStringView title = out.keep(
        m.article.isEmpty() || m.name.isEmpty() ? m.article + m.name : m.article + QStringLiteral(" - ") + m.name);
    md.heading(1, {}, title);
    auto entry = [&](const ReadmeEntry &e, bool web = false) {
        if (web && isLinkable(e.value))
            md.link(e.label, e.value);
        else
            md.lines(e.label, e.value);
    };
    entry(m.version);
    entry(m.authors);
    md.blank();
    entry(m.releaseDate);
    md.blank();
    md.heading(2, m.contactsHeading, {});
    for (qsizetype i = 0; i < m.contacts.size(); ++i)
        entry(m.contacts[i], i == ReadmeModel::kWebContact);
    md.blank();
    // The heading holds only the heading; the game version is its body.
    md.heading(2, m.requiredGame.label, {});
    md.lines({}, m.requiredGame.value);
    md.blank();
    auto section = [&](const ReadmeSection &s) {
        md.heading(2, s.heading, {});
        md.lines({}, s.body);
        md.blank();
    };
    for (const ReadmeSection &s : m.sections)
        section(s);
    section(m.disclaimer);
    md.lines({}, m.footer);
    md.finish();
}

} // namespace kestrin
