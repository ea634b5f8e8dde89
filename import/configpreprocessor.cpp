// SPDX-License-Identifier: MIT
// The text config's preprocessor, as the lexer meets its directives:
// #include, #define and #undef, #ifdef/#ifndef/#else/#endif, and the
// expansion of macros without arguments.
#include "configlexer.h"

namespace kestrin::import::textconfig {

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
    if (word == "include")
        includeDirective(frame, at, rest);
    else if (word == "define")
        defineDirective(rest);
    else if (word == "undef")
        m_macros.remove(QString::fromLatin1(rest));
    else
        conditionalDirective(frame, at, word, rest);
    // #pragma, #line and the like change nothing that is read here.
}

bool Lexer::mayInclude(const SourceRef &at, const QString &path)
{
    if (!m_resolve) {
        note(at, ImportText::tr("the included file %1 is not read").arg(path));
        return false;
    }
    if (m_totalNoted)
        return false;
    if (fileDepth() >= m_limits.maxIncludeDepth) {
        note(at, ImportText::tr("the included file %1 is nested too deeply and is not read").arg(path));
        return false;
    }
    return true;
}

bool Lexer::readableInclude(const SourceRef &at, const QString &path, const IncludedFile &file)
{
    if (!file.problem.isEmpty()) {
        note(at, ImportText::tr("the included file %1 is not read: %2").arg(path, file.problem));
        return false;
    }
    for (const Frame &f : m_frames) {
        if (f.macro.isEmpty() && f.identity == file.identity) {
            note(at, ImportText::tr("the file %1 includes itself; it is read once").arg(path));
            return false;
        }
    }
    if (m_total + file.data.size() > m_limits.maxTotalBytes) {
        if (!m_totalNoted)
            note(at,
                 ImportText::tr("the included files are too large together; %1 and later ones are not read").arg(path));
        m_totalNoted = true;
        return false;
    }
    return true;
}

void Lexer::includeDirective(Frame &frame, const SourceRef &at, const QByteArray &rest)
{
    QByteArray written = rest;
    if (written.size() >= 2
        && ((written.front() == '"' && written.back() == '"') || (written.front() == '<' && written.back() == '>')))
        written = written.mid(1, written.size() - 2);
    const QString path = decode(frame, written);
    if (!mayInclude(at, path))
        return;
    const IncludedFile file = m_resolve(path, at);
    if (!readableInclude(at, path, file))
        return;
    // The file starts on the line after the directive.
    if (frame.pos < frame.data.size() && frame.data[frame.pos] == '\n') {
        ++frame.pos;
        ++frame.where.line;
        frame.atLineStart = true;
    }
    pushFile(file.data, file.where, file.identity);
}

void Lexer::defineDirective(const QByteArray &rest)
{
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
}

void Lexer::conditionalDirective(Frame &frame, const SourceRef &at, const QByteArray &word, const QByteArray &rest)
{
    if (word == "ifdef" || word == "ifndef") {
        const bool defined = m_macros.contains(QString::fromLatin1(rest));
        if (defined == (word == "ifdef")) {
            ++frame.conditionals;
        } else if (skipConditional(frame, true) == Stop::Else) {
            ++frame.conditionals; // the #else block is read up to its #endif
        }
    } else if (word == "else") {
        // The block before was read: the #else block is not.
        skipConditional(frame, false);
        if (frame.conditionals > 0)
            --frame.conditionals;
    } else if (word == "endif") {
        if (frame.conditionals > 0)
            --frame.conditionals;
    } else if (word == "if" || word == "elif") {
        note(at, ImportText::tr("an #if condition cannot be worked out here; its block is skipped"));
        skipConditional(frame, false);
    }
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

} // namespace kestrin::import::textconfig
