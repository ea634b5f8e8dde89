#include "layout.h"

#include "templates.h"

#include <QStringList>

namespace kestrin {

QStringList readmePieces(const LayoutFields &f, const SectionBlocks &b)
{
    using namespace templates;
    const QString crlf = kCrLf.toString();
    const QString rule = kUnderline.toString();
    QStringList pieces{
        f.article,
        QStringLiteral("\t-\t"),
        f.name,
        crlf,
        rule,
        crlf,
        QStringLiteral("Version: "),
        f.version,
        crlf,
        QStringLiteral("Author(s): "),
        f.authors,
        crlf,
        crlf,
        QStringLiteral("Release date: "),
        f.releaseDate,
        crlf,
        crlf,
        QStringLiteral("Contacts:"),
        crlf,
        rule,
        crlf,
        QStringLiteral("Web: "),
        f.web,
        crlf,
        QStringLiteral("Email: "),
        f.email,
        crlf,
        b.skypeLine,
        b.icqLine,
        b.otherLine,
        crlf,
        crlf,
        QStringLiteral("Required game: "),
        f.requiredGame,
        crlf,
        rule,
        crlf,
        crlf,
        b.addonsBlock,
        b.installationBlock,
        QStringLiteral("Description: "),
        crlf,
        rule,
        crlf,
        f.description,
        crlf,
        crlf,
        b.featuresBlock,
        b.changelogBlock,
        b.notesBlock,
        QStringLiteral("Credits: "),
        crlf,
        rule,
        crlf,
        f.credits,
        crlf,
        crlf,
        f.disclaimer,
        crlf,
        crlf,
        kFooter.toString(),
    };
    pieces.removeAll(QString());
    return pieces;
}

QString layoutReadme(const LayoutFields &fields, const SectionBlocks &blocks)
{
    return readmePieces(fields, blocks).join(QString());
}

} // namespace kestrin
