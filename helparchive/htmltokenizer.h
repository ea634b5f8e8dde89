// SPDX-License-Identifier: MIT
#pragma once

// The tokens of an HTML page as a forgiving reader sees them: characters of
// text one by one, start and end tags with their attributes, and what is
// skipped (comments, declarations, processing instructions, broken end
// tags). The tree is built from them by PageBuilder.

#include <QList>
#include <QString>
#include <QStringView>

namespace kestrin::help {

inline bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

inline bool isNameStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

struct HtmlAttribute {
    QString name; // in lower case
    QString value;
    bool hasValue = false;
};

struct HtmlTag {
    QString name; // in lower case
    QList<HtmlAttribute> attributes;
    bool end = false;
    bool selfClosing = false;
};

class HtmlTokenizer {
public:
    enum class Token {
        End,       // the page is read
        Character, // one character of text: character()
        StrayLess, // a '<' that starts no tag, as text
        StartTag,  // tag()
        EndTag,    // tag()
        Skipped,   // a comment, a declaration or a broken end tag
    };

    explicit HtmlTokenizer(QStringView in)
        : m_in(in)
    {
    }

    Token next();
    QChar character() const { return m_character; }
    HtmlTag &tag() { return m_tag; }
    // The content of the element just started, up to its end tag (which is
    // skipped too), as text.
    QStringView rawContent(const QString &name);
    qsizetype size() const { return m_in.size(); }

private:
    Token markup();
    void readTag(bool end);
    bool readAttribute(HtmlAttribute &attribute);
    QString readValue();
    qsizetype find(QLatin1StringView what, qsizetype from) const;

    QStringView m_in;
    qsizetype m_pos = 0;
    QChar m_character;
    HtmlTag m_tag;
};

} // namespace kestrin::help
