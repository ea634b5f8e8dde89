// SPDX-License-Identifier: MIT
#include "readmemodel.h"

#include "templates.h"

namespace kestrin {

namespace {

using templates::kCrLf;
using templates::kUnderline;

// "Skype: " + value + CR LF, as a contact line; an empty block is no line.
void addContactLine(QList<ReadmeEntry> &contacts, const QString &block, QStringView label,
                    const std::optional<QString> &rebuilt)
{
    if (rebuilt) {
        contacts.append({label.toString(), *rebuilt});
        return;
    }
    if (block.isEmpty())
        return;
    if (block.startsWith(label) && block.endsWith(kCrLf)) {
        contacts.append({label.toString(), TextSlice(block, label.size(), block.size() - label.size() - kCrLf.size())});
        return;
    }
    contacts.append({QString(), TextSlice(block), true});
}

// Heading, CR LF, underline, CR LF, body, then the closing text (CR LF CR LF
// for a block, nothing for the disclaimer).
ReadmeSection parseSection(const QString &text, QStringView closing)
{
    const qsizetype headingEnd = text.indexOf(kCrLf);
    const qsizetype bodyStart = headingEnd + kCrLf.size() + kUnderline.size() + kCrLf.size();
    const bool framed = headingEnd >= 0 && bodyStart <= text.size() - closing.size()
                        && QStringView(text).mid(headingEnd + kCrLf.size(), kUnderline.size()) == kUnderline
                        && QStringView(text).mid(headingEnd + kCrLf.size() + kUnderline.size(), kCrLf.size()) == kCrLf
                        && text.endsWith(closing);
    if (!framed)
        return {QString(), TextSlice(text), true};
    return {text.left(headingEnd), TextSlice(text, bodyStart, text.size() - closing.size() - bodyStart)};
}

void addSection(QList<ReadmeSection> &sections, const QString &block, QStringView heading,
                const std::optional<QString> &rebuilt)
{
    if (rebuilt)
        sections.append({heading.toString(), *rebuilt});
    else if (!block.isEmpty())
        sections.append(parseSection(block, u"\r\n\r\n"));
}

// The installation section's body: the start state's, a template's, or the
// author's own description.
QString installationBody(const Article &a)
{
    if (a.hasStartInstallation())
        return templates::startupInstallationBody();
    if (*a.installation == InstallationKind::OwnDescription)
        return a.installationText;
    return templates::installationBody(*a.installation);
}

} // namespace

ReadmeModel readmeModel(const Article &a)
{
    ReadmeModel m;
    m.article = a.kind;
    m.name = a.name;
    m.version = {QStringLiteral("Version: "), a.version};
    m.authors = {QStringLiteral("Author(s): "), a.authors};
    m.releaseDate = {QStringLiteral("Release date: "), a.releaseDate};
    m.contactsHeading = QStringLiteral("Contacts:");
    m.contacts = {{QStringLiteral("Web: "), a.web}, {QStringLiteral("Email: "), a.email}};
    const auto contact = [&m](const char16_t *label, const std::optional<QString> &value) {
        if (value)
            m.contacts.append({QString::fromUtf16(label), *value});
    };
    contact(u"Skype: ", a.skype);
    contact(u"ICQ: ", a.icq);
    contact(u"Other: ", a.other);
    m.requiredGame = {QStringLiteral("Required game: "), a.requiredGame};

    const auto section = [&m](QStringView heading, const QString &body) {
        m.sections.append({heading.toString(), body});
    };
    const auto optionalSection = [&section](QStringView heading, const std::optional<QString> &body) {
        if (body)
            section(heading, *body);
    };
    section(templates::kAddonsHeading, a.requiredAddons.value_or(templates::kNoneAddons.toString()));
    section(templates::kInstallationHeading, installationBody(a));
    section(u"Description: ", a.description);
    optionalSection(u"Features: ", a.features);
    optionalSection(u"Changelog/known bugs: ", a.changelog);
    optionalSection(u"Notes: ", a.notes);
    section(u"Credits: ", a.credits);
    m.disclaimer = {templates::kDisclaimerHeading.toString(), templates::disclaimerBody()};
    m.footer = templates::kFooter.toString();
    return m;
}

ReadmeModel readmeModel(const LayoutFields &f, const SectionBlocks &b, const RebuiltBlocks &r)
{
    ReadmeModel m;
    m.article = f.article;
    m.name = f.name;
    m.version = {QStringLiteral("Version: "), f.version};
    m.authors = {QStringLiteral("Author(s): "), f.authors};
    m.releaseDate = {QStringLiteral("Release date: "), f.releaseDate};
    m.contactsHeading = QStringLiteral("Contacts:");
    m.contacts = {{QStringLiteral("Web: "), f.web}, {QStringLiteral("Email: "), f.email}};
    addContactLine(m.contacts, b.skypeLine, u"Skype: ", r.skype);
    addContactLine(m.contacts, b.icqLine, u"ICQ: ", r.icq);
    addContactLine(m.contacts, b.otherLine, u"Other: ", r.other);
    m.requiredGame = {QStringLiteral("Required game: "), f.requiredGame};

    addSection(m.sections, b.addonsBlock, u"Required addons: ", r.addons);
    addSection(m.sections, b.installationBlock, u"Installation: ", r.installation);
    m.sections.append({QStringLiteral("Description: "), f.description});
    addSection(m.sections, b.featuresBlock, u"Features: ", r.features);
    addSection(m.sections, b.changelogBlock, u"Changelog/known bugs: ", r.changelog);
    addSection(m.sections, b.notesBlock, u"Notes: ", r.notes);
    m.sections.append({QStringLiteral("Credits: "), f.credits});
    // The disclaimer is the label's caption: heading, underline and lines,
    // without the closing line breaks of a block.
    m.disclaimer = parseSection(f.disclaimer, {});
    m.footer = templates::kFooter.toString();
    return m;
}

} // namespace kestrin
