// SPDX-License-Identifier: MIT
#pragma once

// The text config's lexer: the tokens of a file and of everything it
// includes or expands, with the preprocessor's directives applied as they
// come (configpreprocessor.cpp). The parser (textconfig.cpp) reads the
// tokens.

#include "configtree.h"
#include "pboarchive.h"
#include "textconfig.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <deque>
#include <vector>

namespace kestrin::import::textconfig {

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

inline bool isIdentStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
inline bool isIdentChar(char c)
{
    return isIdentStart(c) || (c >= '0' && c <= '9');
}
inline bool isDigit(char c)
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
    qsizetype pastRawText(const Frame &frame, qsizetype i, int line);
    Token lex();
    void endFrame();
    bool skipBlank(Frame &frame);
    void lexString(Frame &frame, char quote, Token &token);
    bool startsNumber(const Frame &frame) const;
    void lexNumber(Frame &frame, Token &token);
    bool lexName(Frame &frame, Token &token);
    qsizetype callEnd(Frame &frame, qsizetype at);
    void directive(Frame &frame);
    void includeDirective(Frame &frame, const SourceRef &at, const QByteArray &rest);
    bool mayInclude(const SourceRef &at, const QString &path);
    bool readableInclude(const SourceRef &at, const QString &path, const IncludedFile &file);
    void defineDirective(const QByteArray &rest);
    void conditionalDirective(Frame &frame, const SourceRef &at, const QByteArray &word, const QByteArray &rest);
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

} // namespace kestrin::import::textconfig
