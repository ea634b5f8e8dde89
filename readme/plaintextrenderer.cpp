// SPDX-License-Identifier: MIT
#include "plaintextrenderer.h"

#include "templates.h"

namespace kestrin {

QList<QStringView> plainTextPieces(const ReadmeModel &m)
{
    using templates::kCrLf;
    using templates::kUnderline;
    QList<QStringView> pieces;
    pieces.reserve(64 + 8 * m.sections.size());
    auto entry = [&pieces](const ReadmeEntry &e) { pieces << e.label << e.value << kCrLf; };
    auto section = [&pieces](const ReadmeSection &s) {
        pieces << s.heading << kCrLf << kUnderline << kCrLf << s.body << kCrLf << kCrLf;
    };

    pieces << m.article << u"\t-\t" << m.name << kCrLf << kUnderline << kCrLf;
    entry(m.version);
    entry(m.authors);
    pieces << kCrLf;
    entry(m.releaseDate);
    pieces << kCrLf << m.contactsHeading << kCrLf << kUnderline << kCrLf;
    for (const ReadmeEntry &contact : m.contacts)
        entry(contact);
    pieces << kCrLf << kCrLf;
    entry(m.requiredGame);
    pieces << kUnderline << kCrLf << kCrLf;
    for (const ReadmeSection &s : m.sections)
        section(s);
    // The disclaimer is a caption without closing line breaks of its own.
    pieces << m.disclaimer.heading << kCrLf << kUnderline << kCrLf << m.disclaimer.body;
    pieces << kCrLf << kCrLf << m.footer;
    pieces.removeIf([](QStringView piece) { return piece.isEmpty(); });
    return pieces;
}

QString plainText(const ReadmeModel &model)
{
    QString text;
    const QList<QStringView> pieces = plainTextPieces(model);
    qsizetype size = 0;
    for (QStringView piece : pieces)
        size += piece.size();
    text.reserve(size);
    for (QStringView piece : pieces)
        text += piece;
    return text;
}

} // namespace kestrin
