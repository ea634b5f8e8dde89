// SPDX-License-Identifier: MIT
#include "htmltokenizer.h"

#include <algorithm>

namespace kestrin::help {

HtmlTokenizer::Token HtmlTokenizer::next()
{
    if (m_pos >= m_in.size())
        return Token::End;
    const QChar c = m_in[m_pos];
    if (c == u'<')
        return markup();
    ++m_pos;
    m_character = c;
    return Token::Character;
}

qsizetype HtmlTokenizer::find(QLatin1StringView what, qsizetype from) const
{
    const qsizetype at = m_in.indexOf(what, from, Qt::CaseInsensitive);
    return at < 0 ? m_in.size() : at;
}

HtmlTokenizer::Token HtmlTokenizer::markup()
{
    const QStringView rest = m_in.sliced(m_pos);
    if (rest.startsWith(QLatin1String("<!--"))) {
        const qsizetype end = find(QLatin1StringView("-->"), m_pos + 4);
        m_pos = std::min(m_in.size(), end + 3);
        return Token::Skipped;
    }
    const QChar next = rest.size() > 1 ? rest[1] : QChar();
    const bool end = next == u'/';
    if (next == u'!' || next == u'?' || (end && (rest.size() < 3 || !isNameStart(rest[2])))) {
        // A declaration, a processing instruction or a broken end tag.
        m_pos = std::min(m_in.size(), find(QLatin1StringView(">"), m_pos) + 1);
        return Token::Skipped;
    }
    if (!end && !isNameStart(next)) {
        ++m_pos;
        return Token::StrayLess;
    }
    readTag(end);
    if (m_tag.name == QLatin1String("qt"))
        m_tag.name = QStringLiteral("html"); // the browser takes some <qt> pages for tool tips
    return m_tag.end ? Token::EndTag : Token::StartTag;
}

void HtmlTokenizer::readTag(bool end)
{
    m_tag = HtmlTag();
    m_tag.end = end;
    m_pos += end ? 2 : 1;
    const qsizetype nameStart = m_pos;
    while (m_pos < m_in.size() && isNameChar(m_in[m_pos]))
        ++m_pos;
    m_tag.name = m_in.sliced(nameStart, m_pos - nameStart).toString().toLower();
    while (m_pos < m_in.size()) {
        const QChar c = m_in[m_pos];
        if (c == u'>') {
            ++m_pos;
            return;
        }
        if (isHtmlSpace(c) || c == u'/') {
            m_tag.selfClosing = c == u'/';
            ++m_pos;
            continue;
        }
        m_tag.selfClosing = false;
        HtmlAttribute attribute;
        if (readAttribute(attribute))
            m_tag.attributes.append(attribute);
    }
}

// One attribute, from its name on; false when its name is no name.
bool HtmlTokenizer::readAttribute(HtmlAttribute &attribute)
{
    const qsizetype start = m_pos;
    while (m_pos < m_in.size() && !isHtmlSpace(m_in[m_pos]) && m_in[m_pos] != u'>' && m_in[m_pos] != u'='
           && (m_pos == start || m_in[m_pos] != u'/'))
        ++m_pos;
    attribute.name = m_in.sliced(start, m_pos - start).toString().toLower();
    qsizetype after = m_pos;
    while (after < m_in.size() && isHtmlSpace(m_in[after]))
        ++after;
    if (after < m_in.size() && m_in[after] == u'=') {
        m_pos = after + 1;
        while (m_pos < m_in.size() && isHtmlSpace(m_in[m_pos]))
            ++m_pos;
        attribute.hasValue = true;
        attribute.value = readValue();
    }
    return !attribute.name.isEmpty() && std::all_of(attribute.name.cbegin(), attribute.name.cend(), isNameChar);
}

QString HtmlTokenizer::readValue()
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
    while (m_pos < m_in.size() && !isHtmlSpace(m_in[m_pos]) && m_in[m_pos] != u'>')
        ++m_pos;
    return m_in.sliced(start, m_pos - start).toString();
}

QStringView HtmlTokenizer::rawContent(const QString &name)
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

} // namespace kestrin::help
