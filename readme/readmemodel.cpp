// SPDX-License-Identifier: MIT
#include "readmemodel.h"

#include "templates.h"

namespace kestrin {

namespace {

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

} // namespace kestrin
