// SPDX-License-Identifier: MIT
// The text config's parser: classes, values and arrays from the lexer's
// tokens (configlexer.h).
#include "textconfig.h"

#include "configlexer.h"

namespace kestrin::import {

namespace {

using namespace textconfig;

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
    // "class name" or "class name : base"; false (the statement skipped)
    // when a name is missing.
    bool classHead(ConfigClass &child);
    void closeClass(const ConfigClass &child);
    void skipClassBody();
    void deleteStatement(ConfigClass &into);
    void entryStatement(ConfigClass &into, int depth);
    // What follows an entry's name: "= value" or "[] = {...}".
    bool entryValue(ConfigValue &out, int depth);
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

bool Parser::classHead(ConfigClass &child)
{
    const Token keyword = m_lex.take();
    const Token name = m_lex.take();
    if (name.type != Token::Word && name.type != Token::Unexpandable) {
        unexpected(name);
        skipStatement();
        return false;
    }
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
            return false;
        }
        child.base = base.text;
    }
    return true;
}

void Parser::classStatement(ConfigClass &into, int depth)
{
    ConfigClass child;
    if (!classHead(child))
        return;
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
    if (!m_keep || m_keep(m_path)) {
        body(child, depth + 1);
        closeClass(child);
    } else {
        skipClassBody();
    }
    m_path.removeLast();
    if (m_lex.peek().is(';'))
        m_lex.take();
    into.classes.push_back(std::move(child));
}

void Parser::closeClass(const ConfigClass &child)
{
    const Token close = m_lex.peek();
    if (close.is('}'))
        m_lex.take();
    else
        error(close, ImportText::tr("the class %1 has no closing brace").arg(child.name));
}

void Parser::skipClassBody()
{
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
        } else if (t.is(';')) {
            m_lex.take();
        } else if (t.isWord(QLatin1StringView("class"))) {
            classStatement(into, depth);
        } else if (t.isWord(QLatin1StringView("delete"))) {
            deleteStatement(into);
        } else if (t.isWord(QLatin1StringView("enum"))) {
            m_lex.take();
            skipBraces();
            if (m_lex.peek().is(';'))
                m_lex.take();
        } else if (t.type == Token::Unexpandable) {
            unexpandable(t);
            skipStatement();
        } else if (t.type != Token::Word) {
            unexpected(t);
            m_lex.take();
            skipStatement();
        } else {
            entryStatement(into, depth);
        }
    }
}

void Parser::deleteStatement(ConfigClass &into)
{
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
}

void Parser::entryStatement(ConfigClass &into, int depth)
{
    ConfigEntry entry;
    const Token name = m_lex.take();
    entry.name = name.text;
    entry.where = name.where;
    if (!entryValue(entry.value, depth)) {
        skipStatement();
        return;
    }
    if (m_lex.peek().is(';'))
        m_lex.take();
    else if (!m_lex.peek().is('}'))
        unexpected(m_lex.peek());
    into.values.push_back(std::move(entry));
}

bool Parser::entryValue(ConfigValue &out, int depth)
{
    if (m_lex.peek().is('[') && m_lex.peek(1).is(']')) {
        // "name[] = {...}", or "name[] += {...}" that adds to the base's array
        m_lex.take();
        m_lex.take();
        if (m_lex.peek().is('+'))
            m_lex.take();
        const Token eq = m_lex.take();
        if (!eq.is('=')) {
            unexpected(eq);
            return false;
        }
        if (!m_lex.peek().is('{')) {
            unexpected(m_lex.peek());
            return false;
        }
        return array(out, depth + 1);
    }
    if (m_lex.peek().is('=')) {
        m_lex.take();
        return value(out, false);
    }
    unexpected(m_lex.peek());
    return false;
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
