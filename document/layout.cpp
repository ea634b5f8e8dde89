#include "layout.h"

#include "templates.h"

#include <initializer_list>

namespace kestrin {

QString layoutReadme(const LayoutFields &fields, const SectionBlocks &blocks)
{
    QString text;
    layoutReadme(fields, blocks, text);
    return text;
}

void layoutReadme(const LayoutFields &f, const SectionBlocks &b, QString &text)
{
    using namespace templates;
    const QStringView crlf = kCrLf;
    const QStringView rule = kUnderline;
    const std::initializer_list<QStringView> pieces{
        f.article, u"\t-\t", f.name, crlf,
        rule, crlf,
        u"Version: ", f.version, crlf,
        u"Author(s): ", f.authors, crlf,
        crlf,
        u"Release date: ", f.releaseDate, crlf,
        crlf,
        u"Contacts:", crlf,
        rule, crlf,
        u"Web: ", f.web, crlf,
        u"Email: ", f.email, crlf,
        b.skypeLine, b.icqLine, b.otherLine,
        crlf,
        crlf,
        u"Required game: ", f.requiredGame, crlf,
        rule, crlf,
        crlf,
        b.addonsBlock,
        b.installationBlock,
        u"Description: ", crlf, rule, crlf, f.description, crlf, crlf,
        b.featuresBlock, b.changelogBlock, b.notesBlock,
        u"Credits: ", crlf, rule, crlf, f.credits, crlf, crlf,
        f.disclaimer, crlf,
        crlf,
        kFooter,
    };
    qsizetype size = 0;
    for (QStringView piece : pieces)
        size += piece.size();
    templates::assign(text, pieces, size);
}

} // namespace kestrin
