// SPDX-License-Identifier: MIT
#include "bbcoderenderer.h"

#include "renderrules.h"
#include "templates.h"

namespace kestrin {

namespace {

// A "[" of the user's text is followed by an empty italic tag, so that the
// forum does not read what follows as a tag and shows the bracket as typed.
constexpr QStringView kBBCodeBracket = u"[[i][/i]";

void bbEscaped(TextSink &out, QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = text.indexOf(u'['); i >= 0; i = text.indexOf(u'[', start)) {
        out << text.mid(start, i - start) << kBBCodeBracket;
        start = i + 1;
    }
    out << text.mid(start);
}

} // namespace

void renderBBCode(const ReadmeModel &m, TextSink &out)
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

} // namespace kestrin
