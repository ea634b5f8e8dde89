// SPDX-License-Identifier: MIT
// The text config's tokens: words, numbers, strings and punctuation, and
// the raw skipping of a block that is not read.
#include "configlexer.h"

namespace kestrin::import::textconfig {

namespace {

bool startsComment(const char *p, qsizetype n, qsizetype i)
{
    return p[i] == '/' && i + 1 < n && (p[i + 1] == '/' || p[i + 1] == '*');
}

// Past the comment that starts at i: a line comment up to its line break,
// a block comment past its "*/" (counting the lines it spans).
qsizetype pastComment(const char *p, qsizetype n, qsizetype i, int &line)
{
    if (p[i + 1] == '/') {
        while (i < n && p[i] != '\n')
            ++i;
        return i;
    }
    i += 2;
    while (i < n && !(p[i] == '*' && i + 1 < n && p[i + 1] == '/')) {
        if (p[i] == '\n')
            ++line;
        ++i;
    }
    return qMin(i + 2, n);
}

} // namespace

qsizetype Lexer::pastRawText(const Frame &frame, qsizetype i, int line)
{
    // From the opening quote at i; a doubled quote stands for itself.
    const char *p = frame.data.constData();
    const qsizetype n = frame.data.size();
    const char quote = p[i];
    ++i;
    while (i < n && p[i] != '\n') {
        if (p[i] == quote) {
            if (i + 1 < n && p[i + 1] == quote) {
                i += 2;
                continue;
            }
            break;
        }
        ++i;
    }
    if (i >= n || p[i] == '\n') {
        SourceRef at = frame.where;
        at.line = line;
        note(at, ImportText::tr("a text has no closing quote"));
        return i; // the text ends with its line
    }
    return i + 1;
}

int Lexer::skipRaw(int depth)
{
    if (!m_buffer.empty() || m_frames.empty() || !m_macros.isEmpty())
        return depth;
    Frame &frame = m_frames.back();
    if (!frame.macro.isEmpty())
        return depth;
    const char *p = frame.data.constData();
    const qsizetype n = frame.data.size();
    qsizetype i = frame.pos;
    int line = frame.where.line;
    bool lineStart = false;
    while (i < n && depth > 0) {
        const char c = p[i];
        if (c == '\n') {
            ++line;
            lineStart = true;
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#' && lineStart)
            break;
        lineStart = false;
        if (c == '"' || c == '\'') {
            i = pastRawText(frame, i, line);
        } else if (startsComment(p, n, i)) {
            i = pastComment(p, n, i, line);
        } else {
            depth += c == '{' ? 1 : c == '}' ? -1 : 0;
            ++i;
        }
    }
    // Stopped after the closing brace, at a directive (line start) or at
    // the end of the file; the token reader goes on from there.
    frame.where.line = line;
    frame.pos = i;
    frame.atLineStart = lineStart;
    return depth;
}

Token Lexer::lex()
{
    if (m_pendingEnd) {
        m_pendingEnd = false;
        Token end;
        end.type = Token::Punct;
        end.punct = ';';
        end.text = QStringLiteral(";");
        if (!m_frames.empty())
            end.where = m_frames.back().where;
        return end;
    }
    for (;;) {
        if (m_frames.empty()) {
            Token end;
            return end;
        }
        Frame &frame = m_frames.back();
        if (frame.pos >= frame.data.size()) {
            endFrame();
            continue;
        }
        if (skipBlank(frame))
            continue;
        const char c = frame.data[frame.pos];
        if (c == '#' && frame.atLineStart && frame.macro.isEmpty()) {
            ++frame.pos;
            directive(frame);
            continue;
        }
        frame.atLineStart = false;
        Token token;
        token.where = frame.where;
        if (c == '"' || c == '\'') {
            lexString(frame, c, token);
            return token;
        }
        if (startsNumber(frame)) {
            lexNumber(frame, token);
            return token;
        }
        if (isIdentStart(c)) {
            if (lexName(frame, token))
                return token;
            continue; // a macro, expanded
        }
        ++frame.pos;
        token.type = Token::Punct;
        token.punct = c;
        token.text = QString(QLatin1Char(c));
        return token;
    }
}

// A file or a macro read to its end.
void Lexer::endFrame()
{
    const Frame &frame = m_frames.back();
    const bool wasFile = frame.macro.isEmpty();
    const SourceRef where = frame.where;
    const int open = frame.conditionals;
    m_frames.pop_back();
    if (wasFile && open > 0)
        note(where, ImportText::tr("an #ifdef block has no #endif"));
}

// Line ends, white space and comments; true when there was one.
bool Lexer::skipBlank(Frame &frame)
{
    const QByteArray &d = frame.data;
    const char c = d[frame.pos];
    if (c == '\n') {
        ++frame.pos;
        if (frame.macro.isEmpty())
            ++frame.where.line;
        frame.atLineStart = true;
        return true;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++frame.pos;
        return true;
    }
    if (c == '/' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '/') {
        while (frame.pos < d.size() && d[frame.pos] != '\n')
            ++frame.pos;
        return true;
    }
    if (c == '/' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '*') {
        frame.pos += 2;
        while (frame.pos < d.size() && !(d[frame.pos] == '*' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '/')) {
            if (d[frame.pos] == '\n' && frame.macro.isEmpty())
                ++frame.where.line;
            ++frame.pos;
        }
        frame.pos = qMin(frame.pos + 2, d.size());
        return true;
    }
    return false;
}

// A text in double or single quotes, the quote doubled inside.
void Lexer::lexString(Frame &frame, char quote, Token &token)
{
    const QByteArray &d = frame.data;
    QByteArray bytes;
    ++frame.pos;
    bool closed = false;
    while (frame.pos < d.size() && d[frame.pos] != '\n') {
        const char s = d[frame.pos++];
        if (s == quote) {
            if (frame.pos < d.size() && d[frame.pos] == quote) {
                bytes.append(quote);
                ++frame.pos;
                continue;
            }
            closed = true;
            break;
        }
        if (s != '\r')
            bytes.append(s);
    }
    if (!closed) {
        // The statement ends with the line, so that the next line is read
        // on its own.
        note(token.where, ImportText::tr("a text has no closing quote"));
        m_pendingEnd = true;
    }
    token.type = Token::String;
    token.text = decode(frame, bytes);
}

bool Lexer::startsNumber(const Frame &frame) const
{
    const QByteArray &d = frame.data;
    const char c = d[frame.pos];
    const bool signedNumber = (c == '-' || c == '+' || c == '.') && frame.pos + 1 < d.size()
                              && (isDigit(d[frame.pos + 1]) || (d[frame.pos + 1] == '.' && c != '.'));
    return isDigit(c) || signedNumber;
}

void Lexer::lexNumber(Frame &frame, Token &token)
{
    const QByteArray &d = frame.data;
    const qsizetype start = frame.pos++;
    while (frame.pos < d.size()) {
        const char n = d[frame.pos];
        const char prev = d[frame.pos - 1];
        if (isIdentChar(n) || n == '.' || ((n == '-' || n == '+') && (prev == 'e' || prev == 'E')))
            ++frame.pos;
        else
            break;
    }
    token.type = Token::Number;
    token.text = QString::fromLatin1(d.constData() + start, frame.pos - start);
}

// A word; false when it was a macro without arguments, now expanded.
bool Lexer::lexName(Frame &frame, Token &token)
{
    const QByteArray &d = frame.data;
    const qsizetype start = frame.pos;
    while (frame.pos < d.size() && isIdentChar(d[frame.pos]))
        ++frame.pos;
    const QString name = QString::fromLatin1(d.constData() + start, frame.pos - start);
    qsizetype after = frame.pos;
    while (after < d.size() && (d[after] == ' ' || d[after] == '\t'))
        ++after;
    const bool call = after < d.size() && d[after] == '(';
    const auto macro = m_macros.constFind(name);
    if (macro != m_macros.constEnd() && !macro->hasArguments && expand(name, frame))
        return false;
    if (call) {
        // A macro with arguments (or a name this file does not define):
        // taken whole, arguments and all, and not guessed.
        const qsizetype end = callEnd(frame, after);
        token.type = Token::Unexpandable;
        token.text = QString::fromLatin1(d.constData() + start, end - start).simplified();
        frame.pos = end;
        return true;
    }
    token.type = Token::Word;
    token.text = name;
    return true;
}

// Where the parentheses that open at "at" close (or the end of the text);
// the lines inside are counted.
qsizetype Lexer::callEnd(Frame &frame, qsizetype at)
{
    const QByteArray &d = frame.data;
    qsizetype p = at;
    int depth = 0;
    for (; p < d.size(); ++p) {
        if (d[p] == '(')
            ++depth;
        else if (d[p] == ')' && --depth == 0) {
            ++p;
            break;
        } else if (d[p] == '\n' && frame.macro.isEmpty())
            ++frame.where.line;
    }
    return p;
}

} // namespace kestrin::import::textconfig
