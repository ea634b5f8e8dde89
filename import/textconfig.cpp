// SPDX-License-Identifier: MIT
#include "textconfig.h"

#include "pboarchive.h"

#include <QHash>
#include <QSet>

#include <deque>

namespace kestrin::import {

namespace {

struct Token {
    enum Type { End, Word, Number, String, Punct, Unexpandable };
    Type type = End;
    QString text;
    char punct = 0;
    SourceRef where;
    bool is(char c) const { return type == Punct && punct == c; }
    bool isWord(QLatin1StringView word) const { return type == Word && text.compare(word, Qt::CaseInsensitive) == 0; }
};

struct Macro {
    QByteArray body;
    bool hasArguments = false;
};

struct Frame {
    QByteArray data;
    qsizetype pos = 0;
    SourceRef where; // line: the current line
    QString identity;
    QString macro; // the macro this frame expands, or empty for a file
    bool utf8 = true;
    bool atLineStart = true;
    int conditionals = 0; // #ifdef levels open in this file
};

bool isIdentStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool isIdentChar(char c)
{
    return isIdentStart(c) || (c >= '0' && c <= '9');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Lexer {
public:
    Lexer(const TextConfigLimits &limits, const IncludeResolver &resolve, ImportNotes &notes)
        : m_limits(limits)
        , m_resolve(resolve)
        , m_notes(notes)
    {
    }

    void pushFile(const QByteArray &data, const SourceRef &where, const QString &identity)
    {
        Frame frame;
        frame.data = data;
        frame.where = where;
        frame.where.line = 1;
        frame.identity = identity;
        frame.utf8 = isValidUtf8(data);
        m_total += data.size();
        m_frames.push_back(std::move(frame));
    }

    const Token &peek(int ahead = 0)
    {
        while (int(m_buffer.size()) <= ahead)
            m_buffer.push_back(lex());
        return m_buffer[size_t(ahead)];
    }
    Token take()
    {
        peek();
        Token t = std::move(m_buffer.front());
        m_buffer.pop_front();
        return t;
    }
    void note(const SourceRef &where, const QString &text) { m_notes.append({where, text}); }
    // Skips the rest of a block whose "{" was just taken, byte by byte
    // (strings and comments known, no token built), up to and with the
    // "}" that closes it. Gives how many blocks are still open where it had
    // to stop: a directive, a macro, the end of a file.
    int skipRaw(int depth);

private:
    Token lex();
    void directive(Frame &frame);
    enum class Stop { Else, Endif, End };
    Stop skipConditional(Frame &frame, bool stopAtElse);
    QByteArray directiveLine(Frame &frame);
    QString decode(const Frame &frame, QByteArrayView bytes) const
    {
        return frame.utf8 ? QString::fromUtf8(bytes) : decodeGameText(bytes);
    }
    bool expand(const QString &name, const Frame &frame);
    int fileDepth() const
    {
        int n = 0;
        for (const Frame &f : m_frames)
            n += f.macro.isEmpty() ? 1 : 0;
        return n;
    }

    TextConfigLimits m_limits;
    const IncludeResolver &m_resolve;
    ImportNotes &m_notes;
    std::vector<Frame> m_frames;
    std::deque<Token> m_buffer;
    QHash<QString, Macro> m_macros;
    qint64 m_total = 0;
    bool m_totalNoted = false;
    bool m_pendingEnd = false;
};

QByteArray Lexer::directiveLine(Frame &frame)
{
    // The rest of the line, with "\" at a line's end joining the next.
    QByteArray line;
    const QByteArray &d = frame.data;
    while (frame.pos < d.size()) {
        const char c = d[frame.pos];
        // Only a real line break (LF or CR LF) is joined; a lone CR is no line of its own.
        const bool joinsLine =
            c == '\\' && frame.pos + 1 < d.size()
            && (d[frame.pos + 1] == '\n'
                || (d[frame.pos + 1] == '\r' && frame.pos + 2 < d.size() && d[frame.pos + 2] == '\n'));
        if (joinsLine) {
            frame.pos += 1;
            if (d[frame.pos] == '\r' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '\n')
                ++frame.pos;
            ++frame.pos;
            ++frame.where.line;
            line.append(' ');
            continue;
        }
        if (c == '\n')
            break;
        if (c == '/' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '/') {
            while (frame.pos < d.size() && d[frame.pos] != '\n')
                ++frame.pos;
            break;
        }
        if (c != '\r')
            line.append(c);
        ++frame.pos;
    }
    return line;
}

Lexer::Stop Lexer::skipConditional(Frame &frame, bool stopAtElse)
{
    // Skips lines up to the matching #endif (or #else when stopAtElse),
    // following nested conditionals.
    int nested = 0;
    const QByteArray &d = frame.data;
    while (frame.pos < d.size()) {
        qsizetype p = frame.pos;
        while (p < d.size() && (d[p] == ' ' || d[p] == '\t'))
            ++p;
        if (p < d.size() && d[p] == '#') {
            frame.pos = p + 1;
            const QByteArray line = directiveLine(frame).trimmed();
            qsizetype end = 0;
            while (end < line.size() && isIdentChar(line[end]))
                ++end;
            const QByteArray word = line.left(end);
            if (word.startsWith("if"))
                ++nested;
            else if (word == "endif" && nested-- == 0)
                return Stop::Endif;
            else if (word == "else" && nested == 0 && stopAtElse)
                return Stop::Else;
        } else {
            while (p < d.size() && d[p] != '\n')
                ++p;
            frame.pos = p;
        }
        if (frame.pos < d.size() && d[frame.pos] == '\n') {
            ++frame.pos;
            ++frame.where.line;
        }
    }
    return Stop::End;
}

void Lexer::directive(Frame &frame)
{
    const SourceRef at = frame.where;
    const QByteArray line = directiveLine(frame).trimmed();
    qsizetype split = 0;
    while (split < line.size() && isIdentChar(line[split]))
        ++split;
    const QByteArray word = line.left(split);
    const QByteArray rest = line.mid(split).trimmed();
    if (word == "include") {
        QByteArray written = rest;
        if (written.size() >= 2
            && ((written.front() == '"' && written.back() == '"') || (written.front() == '<' && written.back() == '>')))
            written = written.mid(1, written.size() - 2);
        const QString path = decode(frame, written);
        if (!m_resolve) {
            note(at, ImportText::tr("the included file %1 is not read").arg(path));
            return;
        }
        if (m_totalNoted)
            return;
        if (fileDepth() >= m_limits.maxIncludeDepth) {
            note(at, ImportText::tr("the included file %1 is nested too deeply and is not read").arg(path));
            return;
        }
        IncludedFile file = m_resolve(path, at);
        if (!file.problem.isEmpty()) {
            note(at, ImportText::tr("the included file %1 is not read: %2").arg(path, file.problem));
            return;
        }
        for (const Frame &f : m_frames) {
            if (f.macro.isEmpty() && f.identity == file.identity) {
                note(at, ImportText::tr("the file %1 includes itself; it is read once").arg(path));
                return;
            }
        }
        if (m_total + file.data.size() > m_limits.maxTotalBytes) {
            if (!m_totalNoted)
                note(at, ImportText::tr("the included files are too large together; %1 and later ones are not read")
                             .arg(path));
            m_totalNoted = true;
            return;
        }
        // The file starts on the line after the directive.
        if (frame.pos < frame.data.size() && frame.data[frame.pos] == '\n') {
            ++frame.pos;
            ++frame.where.line;
            frame.atLineStart = true;
        }
        pushFile(file.data, file.where, file.identity);
        return;
    }
    if (word == "define") {
        qsizetype n = 0;
        while (n < rest.size() && isIdentChar(rest[n]))
            ++n;
        const QString name = QString::fromLatin1(rest.left(n));
        if (name.isEmpty())
            return;
        Macro macro;
        macro.hasArguments = n < rest.size() && rest[n] == '(';
        macro.body = rest.mid(n).trimmed();
        m_macros.insert(name, macro);
        return;
    }
    if (word == "undef") {
        m_macros.remove(QString::fromLatin1(rest));
        return;
    }
    if (word == "ifdef" || word == "ifndef") {
        const bool defined = m_macros.contains(QString::fromLatin1(rest));
        if (defined == (word == "ifdef")) {
            ++frame.conditionals;
        } else if (skipConditional(frame, true) == Stop::Else) {
            ++frame.conditionals; // the #else block is read up to its #endif
        }
        return;
    }
    if (word == "else") {
        // The block before was read: the #else block is not.
        skipConditional(frame, false);
        if (frame.conditionals > 0)
            --frame.conditionals;
        return;
    }
    if (word == "endif") {
        if (frame.conditionals > 0)
            --frame.conditionals;
        return;
    }
    if (word == "if" || word == "elif") {
        note(at, ImportText::tr("an #if condition cannot be worked out here; its block is skipped"));
        skipConditional(frame, false);
        return;
    }
    // #pragma, #line and the like change nothing that is read here.
}

bool Lexer::expand(const QString &name, const Frame &from)
{
    int depth = 0;
    for (const Frame &f : m_frames) {
        if (f.macro == name)
            return false; // a macro does not expand inside itself
        depth += f.macro.isEmpty() ? 0 : 1;
    }
    if (depth >= m_limits.maxMacroDepth)
        return false;
    const Macro &macro = m_macros[name];
    if (m_total + macro.body.size() > m_limits.maxTotalBytes) {
        if (!m_totalNoted)
            note(from.where, ImportText::tr("the macros expand to too much text; the rest is not expanded"));
        m_totalNoted = true;
        return false;
    }
    Frame frame;
    frame.data = macro.body;
    frame.where = from.where;
    frame.macro = name;
    frame.utf8 = from.utf8;
    frame.atLineStart = false;
    m_total += macro.body.size();
    m_frames.push_back(std::move(frame));
    return true;
}

int Lexer::skipRaw(int depth)
{
    if (!m_buffer.empty() || m_frames.empty() || !m_macros.isEmpty())
        return depth;
    Frame &frame = m_frames.back();
    if (!frame.macro.isEmpty())
        return depth;
    const QByteArray &d = frame.data;
    const char *p = d.constData();
    const qsizetype n = d.size();
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
            ++i;
            while (i < n && p[i] != '\n') {
                if (p[i] == c) {
                    if (i + 1 < n && p[i + 1] == c) {
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
                continue; // the text ends with its line
            }
            ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && p[i + 1] == '/') {
            while (i < n && p[i] != '\n')
                ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && p[i + 1] == '*') {
            i += 2;
            while (i < n && !(p[i] == '*' && i + 1 < n && p[i + 1] == '/')) {
                if (p[i] == '\n')
                    ++line;
                ++i;
            }
            i = qMin(i + 2, n);
            continue;
        }
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        ++i;
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
        const QByteArray &d = frame.data;
        if (frame.pos >= d.size()) {
            const bool wasFile = frame.macro.isEmpty();
            const SourceRef where = frame.where;
            const int open = frame.conditionals;
            m_frames.pop_back();
            if (wasFile && open > 0)
                note(where, ImportText::tr("an #ifdef block has no #endif"));
            continue;
        }
        const char c = d[frame.pos];
        if (c == '\n') {
            ++frame.pos;
            if (frame.macro.isEmpty())
                ++frame.where.line;
            frame.atLineStart = true;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++frame.pos;
            continue;
        }
        if (c == '/' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '/') {
            while (frame.pos < d.size() && d[frame.pos] != '\n')
                ++frame.pos;
            continue;
        }
        if (c == '/' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '*') {
            frame.pos += 2;
            while (frame.pos < d.size()
                   && !(d[frame.pos] == '*' && frame.pos + 1 < d.size() && d[frame.pos + 1] == '/')) {
                if (d[frame.pos] == '\n' && frame.macro.isEmpty())
                    ++frame.where.line;
                ++frame.pos;
            }
            frame.pos = qMin(frame.pos + 2, d.size());
            continue;
        }
        if (c == '#' && frame.atLineStart && frame.macro.isEmpty()) {
            ++frame.pos;
            directive(frame);
            continue;
        }
        frame.atLineStart = false;
        Token token;
        token.where = frame.where;
        if (c == '"' || c == '\'') {
            QByteArray bytes;
            ++frame.pos;
            bool closed = false;
            while (frame.pos < d.size() && d[frame.pos] != '\n') {
                const char s = d[frame.pos++];
                if (s == c) {
                    if (frame.pos < d.size() && d[frame.pos] == c) {
                        bytes.append(c);
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
                // The statement ends with the line, so that the next line
                // is read on its own.
                note(token.where, ImportText::tr("a text has no closing quote"));
                m_pendingEnd = true;
            }
            token.type = Token::String;
            token.text = decode(frame, bytes);
            return token;
        }
        const bool signedNumber = (c == '-' || c == '+' || c == '.') && frame.pos + 1 < d.size()
                                  && (isDigit(d[frame.pos + 1]) || (d[frame.pos + 1] == '.' && c != '.'));
        if (isDigit(c) || signedNumber) {
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
            return token;
        }
        if (isIdentStart(c)) {
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
                continue;
            if (call) {
                // A macro with arguments (or a name this file does not
                // define): taken whole, arguments and all, and not guessed.
                qsizetype p = after;
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
                token.type = Token::Unexpandable;
                token.text = QString::fromLatin1(d.constData() + start, p - start).simplified();
                frame.pos = p;
                return token;
            }
            token.type = Token::Word;
            token.text = name;
            return token;
        }
        ++frame.pos;
        token.type = Token::Punct;
        token.punct = c;
        token.text = QString(QLatin1Char(c));
        return token;
    }
}

class Parser {
public:
    Parser(Lexer &lexer, const TextConfigLimits &limits, const ClassFilter &keep)
        : m_lex(lexer)
        , m_limits(limits)
        , m_keep(keep)
    {
    }
    void body(ConfigClass &into, int depth);

private:
    void error(const Token &at, const QString &text) { m_lex.note(at.where, text); }
    void unexpected(const Token &at)
    {
        error(at, at.type == Token::End ? ImportText::tr("the file ends too early")
                                        : ImportText::tr("unexpected \"%1\"; the statement is skipped").arg(at.text));
    }
    void skipStatement();
    void skipBraces();
    bool value(ConfigValue &out, bool inArray);
    bool array(ConfigValue &out, int depth);
    void classStatement(ConfigClass &into, int depth);
    void unexpandable(const Token &at)
    {
        error(at, ImportText::tr("the macro %1 cannot be expanded here; the statement is skipped").arg(at.text));
    }

    Lexer &m_lex;
    TextConfigLimits m_limits;
    const ClassFilter &m_keep;
    QStringList m_path;
};

void Parser::skipStatement()
{
    // Up to and with the next ";" at this level, or up to a "}" that
    // closes the class.
    int depth = 0;
    for (;;) {
        const Token &t = m_lex.peek();
        if (t.type == Token::End)
            return;
        if (t.is('{'))
            ++depth;
        if (t.is('}')) {
            if (depth == 0)
                return;
            --depth;
        }
        if (t.is(';') && depth == 0) {
            m_lex.take();
            return;
        }
        m_lex.take();
    }
}

void Parser::skipBraces()
{
    int depth = 0;
    while (m_lex.peek().type != Token::End) {
        const Token t = m_lex.take();
        if (t.is('{'))
            ++depth;
        else if (t.is('}') && --depth <= 0)
            return;
    }
}

bool Parser::value(ConfigValue &out, bool inArray)
{
    // One value up to ";" (or "," and "}" in an array); several tokens make
    // an expression, kept as written with single spaces.
    QStringList parts;
    int count = 0;
    bool bad = false;
    Token first;
    for (;;) {
        const Token &t = m_lex.peek();
        if (t.type == Token::End || t.is(';') || t.is('}') || (inArray && t.is(',')) || (inArray && t.is('{')))
            break;
        if (t.type == Token::Unexpandable && !bad) {
            unexpandable(t);
            bad = true;
        }
        if (count == 0)
            first = t;
        parts.append(t.text);
        ++count;
        m_lex.take();
    }
    if (bad)
        return false;
    if (count == 1 && (first.type == Token::String || first.type == Token::Number)) {
        out.kind = first.type == Token::String ? ConfigValue::String : ConfigValue::Number;
        out.text = first.text;
        return true;
    }
    out.kind = ConfigValue::Word;
    out.text = parts.join(QLatin1Char(' '));
    return true;
}

bool Parser::array(ConfigValue &out, int depth)
{
    out.kind = ConfigValue::Array;
    const Token open = m_lex.take();
    if (!open.is('{')) {
        unexpected(open);
        return false;
    }
    if (depth > m_limits.maxDepth) {
        error(open, ImportText::tr("the arrays are nested too deeply; this one is skipped"));
        return false;
    }
    bool ok = true;
    for (;;) {
        const Token &t = m_lex.peek();
        if (t.is('}')) {
            m_lex.take();
            return ok;
        }
        if (t.type == Token::End) {
            unexpected(t);
            return false;
        }
        ConfigValue item;
        if (t.is('{')) {
            if (!array(item, depth + 1))
                return false;
            out.items.push_back(std::move(item));
        } else if (t.is(',')) {
            // An empty element ("{,}" or a trailing comma) is no element.
        } else if (value(item, true)) {
            if (!item.text.isEmpty() || item.kind != ConfigValue::Word)
                out.items.push_back(std::move(item));
        } else {
            ok = false;
        }
        const Token &next = m_lex.peek();
        if (next.is(',')) {
            m_lex.take();
        } else if (!next.is('}')) {
            unexpected(next);
            return false;
        }
    }
}

void Parser::classStatement(ConfigClass &into, int depth)
{
    const Token keyword = m_lex.take();
    const Token name = m_lex.take();
    if (name.type != Token::Word && name.type != Token::Unexpandable) {
        unexpected(name);
        skipStatement();
        return;
    }
    ConfigClass child;
    child.name = name.text;
    child.where = keyword.where;
    if (name.type == Token::Unexpandable)
        error(name, ImportText::tr("the class name %1 is a macro that cannot be expanded here").arg(name.text));
    if (m_lex.peek().is(':')) {
        m_lex.take();
        const Token base = m_lex.take();
        if (base.type != Token::Word && base.type != Token::Unexpandable) {
            unexpected(base);
            skipStatement();
            return;
        }
        child.base = base.text;
    }
    if (m_lex.peek().is(';')) {
        m_lex.take();
        child.declarationOnly = true;
        into.classes.push_back(std::move(child));
        return;
    }
    const Token open = m_lex.peek();
    if (!open.is('{')) {
        unexpected(open);
        skipStatement();
        return;
    }
    if (depth >= m_limits.maxDepth) {
        error(open, ImportText::tr("the classes are nested too deeply; this one is skipped"));
        skipBraces();
        if (m_lex.peek().is(';'))
            m_lex.take();
        return;
    }
    m_lex.take();
    m_path.append(child.name);
    const bool keep = !m_keep || m_keep(m_path);
    m_path.removeLast();
    if (!keep) {
        // Not wanted: passed over without building anything.
        for (int open = m_lex.skipRaw(1); open > 0;) {
            const Token t = m_lex.take();
            if (t.type == Token::End)
                break;
            if (t.is('{'))
                ++open;
            else if (t.is('}') && --open > 0)
                open = m_lex.skipRaw(open);
        }
        if (m_lex.peek().is(';'))
            m_lex.take();
        into.classes.push_back(std::move(child));
        return;
    }
    m_path.append(child.name);
    body(child, depth + 1);
    m_path.removeLast();
    const Token close = m_lex.peek();
    if (close.is('}'))
        m_lex.take();
    else
        error(close, ImportText::tr("the class %1 has no closing brace").arg(child.name));
    if (m_lex.peek().is(';'))
        m_lex.take();
    into.classes.push_back(std::move(child));
}

void Parser::body(ConfigClass &into, int depth)
{
    for (;;) {
        const Token &t = m_lex.peek();
        if (t.type == Token::End)
            return;
        if (t.is('}')) {
            if (depth > 0)
                return;
            unexpected(t);
            m_lex.take();
            continue;
        }
        if (t.is(';')) {
            m_lex.take();
            continue;
        }
        if (t.isWord(QLatin1StringView("class"))) {
            classStatement(into, depth);
            continue;
        }
        if (t.isWord(QLatin1StringView("delete"))) {
            m_lex.take();
            const Token name = m_lex.take();
            if (name.type == Token::Word) {
                ConfigClass gone;
                gone.name = name.text;
                gone.where = name.where;
                gone.declarationOnly = true;
                into.classes.push_back(std::move(gone));
            }
            skipStatement();
            continue;
        }
        if (t.isWord(QLatin1StringView("enum"))) {
            m_lex.take();
            skipBraces();
            if (m_lex.peek().is(';'))
                m_lex.take();
            continue;
        }
        if (t.type == Token::Unexpandable) {
            unexpandable(t);
            skipStatement();
            continue;
        }
        if (t.type != Token::Word) {
            unexpected(t);
            m_lex.take();
            skipStatement();
            continue;
        }
        ConfigEntry entry;
        const Token name = m_lex.take();
        entry.name = name.text;
        entry.where = name.where;
        if (m_lex.peek().is('[') && m_lex.peek(1).is(']')) {
            m_lex.take();
            m_lex.take();
            if (m_lex.peek().is('+'))
                m_lex.take();
            const Token eq = m_lex.take();
            if (!eq.is('=')) {
                unexpected(eq);
                skipStatement();
                continue;
            }
            if (!m_lex.peek().is('{')) {
                unexpected(m_lex.peek());
                skipStatement();
                continue;
            }
            const bool ok = array(entry.value, depth + 1);
            if (!ok) {
                skipStatement();
                continue;
            }
        } else if (m_lex.peek().is('=')) {
            m_lex.take();
            if (!value(entry.value, false)) {
                skipStatement();
                continue;
            }
        } else {
            unexpected(m_lex.peek());
            skipStatement();
            continue;
        }
        if (m_lex.peek().is(';'))
            m_lex.take();
        else if (!m_lex.peek().is('}'))
            unexpected(m_lex.peek());
        into.values.push_back(std::move(entry));
    }
}

} // namespace

ConfigParse parseTextConfig(const QByteArray &text, const SourceRef &where, const IncludeResolver &resolve,
                            const TextConfigLimits &limits, const ClassFilter &keep)
{
    ConfigParse parse;
    parse.root.where = where;
    Lexer lexer(limits, resolve, parse.notes);
    QByteArray data = text;
    // A UTF-8 byte-order mark is no part of the config.
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    lexer.pushFile(data, where, where.file + QLatin1Char('\n') + where.entry);
    Parser parser(lexer, limits, keep);
    parser.body(parse.root, 0);
    return parse;
}

} // namespace kestrin::import
