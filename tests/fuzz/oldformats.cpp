// SPDX-License-Identifier: MIT
// The renderers as they were before the sink wrote UTF-8 itself: the
// oracle the layout fuzzer compares the rewrite with.
#include "oldformats.h"

#include "plaintextrenderer.h"
#include "templates.h"

#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <functional>

namespace kestrin::oracle {

namespace {

// Gathers the rendered text: as one string; as UTF-8 bytes, encoding every
// chunk as it fills, so that only the bytes are kept; as UTF-8 bytes handed
// on chunk by chunk, so that not even they are kept.
class Sink {
public:
    enum class Mode { Text, Utf8, Stream };
    using ChunkWriter = std::function<bool(QByteArrayView)>;

    explicit Sink(Mode mode, ChunkWriter write = {})
        : m_mode(mode)
        , m_write(std::move(write))
    {
        if (m_mode == Mode::Utf8 || m_mode == Mode::Stream)
            m_buffer.reserve(kChunk + 1024);
        if (m_mode == Mode::Stream)
            m_bytes.reserve(3 * (kChunk + 1024));
    }

    Sink &operator<<(QStringView text)
    {
        if (m_stopped)
            return *this;
        if (m_mode != Mode::Text && text.size() > kChunk) {
            // A long run of text is encoded a chunk at a time, not gathered.
            for (qsizetype pos = 0; pos < text.size() && !m_stopped; pos += kChunk)
                *this << text.mid(pos, std::min(kChunk, text.size() - pos));
            return *this;
        }
        m_buffer += text;
        if (m_mode != Mode::Text && m_buffer.size() >= kChunk)
            flush();
        return *this;
    }
    Sink &operator<<(QChar c)
    {
        if (!m_stopped)
            m_buffer += c;
        return *this;
    }

    // A string made while rendering, kept as long as the sink.
    QStringView keep(QString text)
    {
        m_owned.append(std::move(text));
        return m_owned.constLast();
    }

    // Room for about as many bytes as characters, so that a large export is
    // not copied as it grows.
    void expect(qsizetype size) { m_bytes.reserve(size); }

    QString takeText() { return std::move(m_buffer); }
    QByteArray takeBytes()
    {
        flush();
        return std::move(m_bytes);
    }
    // Hands on what is left; false when the writer stopped taking chunks.
    bool finishStream()
    {
        flush();
        return !m_stopped;
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    void flush()
    {
        if (m_stopped)
            return;
        const qsizetype start = m_bytes.size();
        const qsizetype needed = start + m_encoder.requiredSpace(m_buffer.size());
        if (needed > m_bytes.capacity())
            m_bytes.reserve(std::max(needed, m_bytes.capacity() + m_bytes.capacity() / 2));
        m_bytes.resize(needed);
        char *end = m_encoder.appendToBuffer(m_bytes.data() + start, m_buffer);
        m_bytes.resize(end - m_bytes.constData());
        m_buffer.resize(0);
        if (m_mode == Mode::Stream && !m_bytes.isEmpty()) {
            m_stopped = !m_write(m_bytes);
            m_bytes.resize(0); // keeps the storage for the next chunk
        }
    }

    Mode m_mode;
    ChunkWriter m_write;
    bool m_stopped = false; // the writer took no more
    QStringList m_owned;
    QString m_buffer;
    QByteArray m_bytes;
    QStringEncoder m_encoder{QStringEncoder::Utf8};
};

// Calls f with each line of text; a line break is CR LF, a lone CR or a
// lone LF. A text that ends with a line break ends with an empty line.
template <typename F>
void forEachLine(QStringView text, F f)
{
    qsizetype start = 0;
    while (true) {
        // Line feeds are searched for in bulk; a CR is rare anywhere else.
        qsizetype lf = text.indexOf(u'\n', start);
        const qsizetype end = lf < 0 ? text.size() : lf;
        const qsizetype cr = QStringView(text).mid(start, end - start).indexOf(u'\r');
        if (cr >= 0 && start + cr + 1 < end) { // a lone CR before the line feed
            f(text.mid(start, cr));
            start += cr + 1;
            continue;
        }
        if (lf < 0) {
            if (cr >= 0) { // a CR at the very end
                f(text.mid(start, cr));
                f(QStringView());
            } else {
                f(text.mid(start));
            }
            return;
        }
        f(text.mid(start, (cr >= 0 ? start + cr : lf) - start));
        start = lf + 1;
    }
}

QStringView withoutTrailingBlanks(QStringView text)
{
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

// An address that a forum or a Markdown renderer can link as it stands: a
// web address (http:// or https://, nothing else that a reader's browser
// would run or open), with no quotes, blanks, brackets or control
// characters that could end the link early or smuggle in more; the start
// text "http://" alone is no address. Both renderers ask this one rule.
bool isLinkable(QStringView web)
{
    qsizetype rest = 0;
    if (web.startsWith(u"http://", Qt::CaseInsensitive))
        rest = 7;
    else if (web.startsWith(u"https://", Qt::CaseInsensitive))
        rest = 8;
    if (rest == 0 || web.size() == rest)
        return false;
    for (QChar c : web) {
        const char16_t u = c.unicode();
        if (u <= 0x20 || (u >= 0x7f && u <= 0x9f) || c.isSpace() || u == u'"' || u == u'\'' || u == u'[' || u == u']'
            || u == u'<' || u == u'>' || u == u'{' || u == u'}' || u == u'`')
            return false;
    }
    return true;
}

// ---- BBCode -------------------------------------------------------------

// A "[" of the user's text is followed by an empty italic tag, so that the
// forum does not read what follows as a tag and shows the bracket as typed.
constexpr QStringView kBBCodeBracket = u"[[i][/i]";

void bbEscaped(Sink &out, QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = text.indexOf(u'['); i >= 0; i = text.indexOf(u'[', start)) {
        out << text.mid(start, i - start) << kBBCodeBracket;
        start = i + 1;
    }
    out << text.mid(start);
}

void renderBBCode(const ReadmeModel &m, Sink &out)
{
    constexpr QStringView crlf = templates::kCrLf;
    auto entry = [&](const ReadmeEntry &e, bool web = false) {
        out << e.label;
        if (web && isLinkable(e.value))
            out << u"[url]" << e.value << u"[/url]";
        else
            bbEscaped(out, e.value);
        out << crlf;
    };
    auto heading = [&](QStringView label) { out << u"[b]" << withoutTrailingBlanks(label) << u"[/b]" << crlf; };
    auto section = [&](const ReadmeSection &s) {
        heading(s.heading);
        bbEscaped(out, s.body);
        out << crlf << crlf;
    };

    // The title reads "kind - name": the ReadMe's tabs around the dash mean
    // nothing in a forum post.
    out << u"[size=150][b]";
    bbEscaped(out, m.article);
    out << u" - ";
    bbEscaped(out, m.name);
    out << u"[/b][/size]" << crlf;
    entry(m.version);
    entry(m.authors);
    out << crlf;
    entry(m.releaseDate);
    out << crlf;
    heading(m.contactsHeading);
    for (qsizetype i = 0; i < m.contacts.size(); ++i)
        entry(m.contacts[i], i == ReadmeModel::kWebContact);
    out << crlf;
    // One blank line between sections, and the game version as its
    // section's body: the heading holds only the heading.
    heading(m.requiredGame.label);
    bbEscaped(out, m.requiredGame.value);
    out << crlf << crlf;
    for (const ReadmeSection &s : m.sections)
        section(s);
    section(m.disclaimer);
    out << m.footer << crlf;
}

// ---- Markdown -----------------------------------------------------------

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Characters that CommonMark (and GitHub's tables and strikethrough) would
// take as markup anywhere in a line.
constexpr auto kInlineMarkup = [] {
    std::array<bool, 128> table{};
    for (char c : {'\\', '`', '*', '_', '[', ']', '<', '&', '~', '|'})
        table[size_t(c)] = true;
    return table;
}();

// Writes text with a backslash before each character that would be markup;
// in headings "#" too (a closing sequence).
void mdInline(Sink &out, QStringView text, bool heading = false)
{
    const char16_t *chars = text.utf16();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = chars[i];
        if (c >= 128 || !(kInlineMarkup[c] || (heading && c == u'#')))
            continue;
        out << text.mid(start, i - start) << QChar(u'\\') << QChar(c);
        start = i + 1;
    }
    out << text.mid(start);
}

// Blanks and tabs that open a line are written as character references:
// as they are, they would make an indented code block or vanish.
QStringView mdLeadingBlanks(Sink &out, QStringView text)
{
    qsizetype i = 0;
    for (; i < text.size() && (text[i] == u' ' || text[i] == u'\t'); ++i)
        out << (text[i] == u' ' ? u"&#32;" : u"&#9;");
    return text.mid(i);
}

// Writes a text that starts a line (or a list item's text): what would
// open a block there (a heading, a quote, a list, a rule, a setext
// underline) is escaped.
void mdLineStart(Sink &out, QStringView text)
{
    const qsizetype size = text.size();
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
    explicit MarkdownWriter(Sink &out)
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

    Sink &m_out;
    State m_state = State::AfterBlank;
    bool m_ordered = false;
    qint64 m_number = 0;
    char16_t m_delimiter = u'.';
};

void renderMarkdown(const ReadmeModel &m, Sink &out)
{
    MarkdownWriter md(out);
    // "kind - name": a tab would show as "&#9;" or vanish.
    const QStringView title = out.keep(m.article.isEmpty() || m.name.isEmpty()
                                           ? m.article + m.name
                                           : m.article + QStringLiteral(" - ") + m.name);
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

void render(const ReadmeModel &model, ReadmeFormat format, Sink &out)
{
    switch (format) {
    case ReadmeFormat::PlainText:
        for (QStringView piece : plainTextPieces(model))
            out << piece;
        out << templates::kCrLf;
        break;
    case ReadmeFormat::BBCode: renderBBCode(model, out); break;
    case ReadmeFormat::Markdown: renderMarkdown(model, out); break;
    }
}

} // namespace

QString renderReadme(const ReadmeModel &model, ReadmeFormat format)
{
    Sink out(Sink::Mode::Text);
    render(model, format, out);
    return out.takeText();
}

bool renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format, const std::function<bool(QByteArrayView)> &write)
{
    Sink out(Sink::Mode::Stream, write);
    render(model, format, out);
    return out.finishStream();
}

QByteArray renderReadmeUtf8(const ReadmeModel &model, ReadmeFormat format)
{
    Sink out(Sink::Mode::Utf8);
    qsizetype plainSize = 0;
    for (QStringView piece : plainTextPieces(model))
        plainSize += piece.size();
    out.expect(plainSize + plainSize / 8 + 4096);
    render(model, format, out);
    return out.takeBytes();
}

} // namespace kestrin::oracle
