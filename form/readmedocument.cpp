// SPDX-License-Identifier: MIT
#include "readmedocument.h"

#include <QCoreApplication>
#include <QStringList>

namespace kestrin {

namespace {

constexpr int kShownUnmappable = 12;

bool ticked(const ControlAccess &form, Control check)
{
    return form.value(check) == 1;
}

} // namespace

ReadmeDocument::ReadmeDocument(ControlAccess &controls, MessageBoxService &messages, SaveDialogService &dialog,
                               TextFileService &files)
    : m_form(controls)
    , m_messages(messages)
    , m_dialog(dialog)
    , m_files(files)
    , m_codePage(systemAnsiCodePage())
{
    m_form.setClickHandler([this](Control control) { handleClick(control); });
}

void ReadmeDocument::handleClick(Control control)
{
    switch (control) {
    case Control::SkypeCheck: SkypeCheck_Click(); break;
    case Control::ICQCheck: ICQCheck_Click(); break;
    case Control::OtherCheck: OtherCheck_Click(); break;
    case Control::ContentCheck: ContentCheck_Click(); break;
    case Control::ChangelogCheck: ChangelogCheck_Click(); break;
    case Control::ClassnamesCheck: ClassnamesCheck_Click(); break;
    case Control::AddonsCheck1: AddonsCheck1_Click(); break;
    case Control::AddonsCheck2: AddonsCheck2_Click(); break;
    case Control::SPmissionOption: SPmissionOption_Click(); break;
    case Control::MPmissionOption: MPmissionOption_Click(); break;
    case Control::AddonOption: AddonOption_Click(); break;
    case Control::ModOption: ModOption_Click(); break;
    case Control::OwnDescriptionOption: OwnDescriptionOption_Click(); break;
    default: break;
    }
}

void ReadmeDocument::resetSwitchesAndKinds(const QString &installationSection)
{
    // Unticking a ticked switch runs its handler nested, which disables and
    // greys its field.
    for (const AllowSwitch &s : kAllowSwitches)
        m_form.setValue(s.check, 0);
    m_form.setText(Control::ArticleCombo, QStringLiteral("SP mission"));
    m_form.select(Control::SPmissionOption);
    m_form.setEnabled(Control::InstallationText, false);
    m_blocks.addonsBlock = templates::noneAddonsSection();
    m_blocks.installationBlock = installationSection;
    m_blocks.featuresBlock.clear();
    m_form.setValue(Control::AddonsCheck1, 1);
    m_form.setValue(Control::AddonsCheck2, 0);
    m_form.setEnabled(Control::AddonsText, false);
    paintOptionalFieldsThreeDLight();
}

void ReadmeDocument::paintOptionalFieldsThreeDLight()
{
    for (Control c : {Control::ContactText3, Control::ContactText4, Control::ContactText5, Control::AddonsText,
                      Control::InstallationText, Control::ContentText, Control::ChangelogText, Control::ClassnamesText})
        m_form.setBackground(c, SystemColor::ThreeDLight);
}

void ReadmeDocument::Form_Load()
{
    resetSwitchesAndKinds(templates::startupInstallationSection());
}

void ReadmeDocument::applyToggle(Control check)
{
    for (const AllowSwitch &s : kAllowSwitches) {
        if (s.check != check)
            continue;
        const bool on = ticked(m_form, check);
        m_form.setEnabled(s.field, on);
        m_form.setBackground(s.field, on ? SystemColor::WindowBackground : SystemColor::ThreeDLight);
    }
}

void ReadmeDocument::applyTemplateKind(InstallationKind kind)
{
    m_form.setEnabled(Control::InstallationText, false);
    m_form.setBackground(Control::InstallationText, SystemColor::ThreeDLight);
    m_form.setText(Control::InstallationText, templates::installationNotice(kind));
    m_blocks.installationBlock = templates::installationSection(kind);
}

void ReadmeDocument::OwnDescriptionOption_Click()
{
    m_form.setEnabled(Control::InstallationText, true);
    m_form.setBackground(Control::InstallationText, SystemColor::WindowBackground);
    m_form.setText(Control::InstallationText, templates::installationNotice(InstallationKind::OwnDescription));
}

void ReadmeDocument::AddonsCheck1_Click()
{
    if (m_form.value(Control::AddonsCheck1) == 1)
        m_form.setValue(Control::AddonsCheck2, 0);
    if (m_form.value(Control::AddonsCheck1) == 0)
        m_form.setValue(Control::AddonsCheck2, 1);
    m_form.setBackground(Control::AddonsText, m_form.value(Control::AddonsCheck1) != 0 ? SystemColor::ThreeDLight
                                                                                       : SystemColor::WindowBackground);
    if (m_form.value(Control::AddonsCheck1) == 1)
        m_blocks.addonsBlock = templates::noneAddonsSection();
    m_form.setEnabled(Control::AddonsText, m_form.value(Control::AddonsCheck1) == 0);
}

void ReadmeDocument::AddonsCheck2_Click()
{
    if (m_form.value(Control::AddonsCheck2) == 1)
        m_form.setValue(Control::AddonsCheck1, 0);
    if (m_form.value(Control::AddonsCheck2) == 0)
        m_form.setValue(Control::AddonsCheck1, 1);
    m_form.setEnabled(Control::AddonsText, m_form.value(Control::AddonsCheck2) == 1);
}

QString ReadmeDocument::assemble()
{
    rebuildText();
    return readmeText();
}

RebuiltBlocks ReadmeDocument::rebuiltBlocks() const
{
    // The contact lines and sections Create builds afresh, in the order it
    // builds them; a field is read only when its block is built from it.
    auto fieldIf = [this](bool build, Control field) {
        return build ? std::optional<QString>(m_form.text(field)) : std::nullopt;
    };
    RebuiltBlocks r;
    r.skype = fieldIf(ticked(m_form, Control::SkypeCheck), Control::ContactText3);
    r.icq = fieldIf(ticked(m_form, Control::ICQCheck), Control::ContactText4);
    r.other = fieldIf(ticked(m_form, Control::OtherCheck), Control::ContactText5);
    r.installation = fieldIf(m_form.isSelected(Control::OwnDescriptionOption), Control::InstallationText);
    r.addons = fieldIf(ticked(m_form, Control::AddonsCheck2), Control::AddonsText);
    r.features = fieldIf(ticked(m_form, Control::ContentCheck), Control::ContentText);
    r.changelog = fieldIf(ticked(m_form, Control::ChangelogCheck), Control::ChangelogText);
    r.notes = fieldIf(ticked(m_form, Control::ClassnamesCheck), Control::ClassnamesText);
    return r;
}

SectionBlocks ReadmeDocument::keptBlocks() const
{
    // The contact lines and the optional sections are rebuilt every time:
    // switched off, they are empty.
    SectionBlocks kept;
    kept.addonsBlock = m_blocks.addonsBlock;
    kept.installationBlock = m_blocks.installationBlock;
    return kept;
}

LayoutFields ReadmeDocument::currentFields() const
{
    return {
        m_form.text(Control::ArticleCombo),      m_form.text(Control::ArticleNameText),
        m_form.text(Control::VersionText),       m_form.text(Control::AuthorText),
        m_form.text(Control::ReleaseText),       m_form.text(Control::ContactText1),
        m_form.text(Control::ContactText2),      m_form.text(Control::RequiredGameText),
        m_form.text(Control::DescriptionText),   m_form.text(Control::CreditsText),
        m_form.caption(Control::DisclaimerText),
    };
}

ReadmeModel ReadmeDocument::currentModel() const
{
    // The rebuilt blocks are the fields' texts themselves: nothing is copied
    // or stored.
    return readmeModel(currentFields(), keptBlocks(), rebuiltBlocks());
}

void ReadmeDocument::rebuildText()
{
    const RebuiltBlocks r = rebuiltBlocks();
    auto line = [](QStringView label, const std::optional<QString> &value) {
        return value ? label.toString() + *value + templates::kCrLf.toString() : QString();
    };
    auto section = [](QStringView heading, const std::optional<QString> &body) {
        return body ? templates::section(heading, *body) : QString();
    };
    m_blocks.skypeLine = line(u"Skype: ", r.skype);
    m_blocks.icqLine = line(u"ICQ: ", r.icq);
    m_blocks.otherLine = line(u"Other: ", r.other);
    if (r.installation)
        m_blocks.installationBlock = section(u"Installation: ", r.installation);
    if (r.addons)
        m_blocks.addonsBlock = section(u"Required addons: ", r.addons);
    m_blocks.featuresBlock = section(u"Features: ", r.features);
    m_blocks.changelogBlock = section(u"Changelog/known bugs: ", r.changelog);
    m_blocks.notesBlock = section(u"Notes: ", r.notes);
    // The text is joined from the blocks as they are now kept.
    m_model = readmeModel(currentFields(), m_blocks);
}

bool ReadmeDocument::askForEncoder(TextEncoder &encoder, const QList<QStringView> &pieces)
{
    bool more = false;
    QList<char32_t> chars;
    for (QStringView piece : pieces) {
        for (char32_t cp : encoder.distinctUnmappable(piece, kShownUnmappable + 1)) {
            if (chars.contains(cp))
                continue;
            if (chars.size() == kShownUnmappable) {
                more = true;
                break;
            }
            chars.append(cp);
        }
        if (more)
            break;
    }
    QStringList names;
    for (char32_t cp : chars)
        names << describeCharacter(cp, GlyphPlace::First);
    QString list = names.join(QStringLiteral(", "));
    if (more)
        list += QStringLiteral(", ...");
    const QString prompt =
        QCoreApplication::translate("ReadmeDocument",
                                    "The ReadMe contains characters that the %1 code page cannot hold:\r\n%2\r\n\r\n"
                                    "Do you want to save the ReadMe as UTF-8 instead?\r\n"
                                    "Yes: save as UTF-8 (with a byte-order mark).\r\n"
                                    "No: save in %1, with \"?\" in place of each of these characters.\r\n"
                                    "Cancel: do not save.")
            .arg(codePageName(m_codePage), list);
    switch (m_messages.show(
        {prompt, kProgramTitle, MessageButtons::YesNoCancel, MessageIcon::Warning, MessageAnswer::Yes})) {
    case MessageAnswer::Yes: encoder = TextEncoder::utf8(true); return true;
    case MessageAnswer::No: encoder = TextEncoder::codePage(m_codePage, true); return true;
    default: return false;
    }
}

ReadmeDocument::CreateOutcome ReadmeDocument::create()
{
    rebuildText();

    m_dialog.setFilter(QStringLiteral("*.txt|*.txt"));
    if (!m_dialog.showSave())
        return CreateOutcome::Cancelled;
    return writeReadme(m_dialog.fileName(), plainTextPieces(*m_model));
}

ReadmeDocument::CreateOutcome ReadmeDocument::writeReadme(const QString &path, const QList<QStringView> &pieces)
{
    // The save stops before the target is touched when the code page cannot
    // hold a character; the user then chooses how to write it.
    TextEncoder encoder = TextEncoder::codePage(m_codePage);
    SaveResult result = m_files.writePieces(path, pieces, encoder);
    if (result.unmappable) {
        if (!askForEncoder(encoder, pieces))
            return CreateOutcome::Cancelled;
        result = m_files.writePieces(path, pieces, encoder);
    }
    if (!result.ok) {
        m_messages.show(
            {QCoreApplication::translate("ReadmeDocument", "The ReadMe file could not be saved to %1:\r\n%2")
                 .arg(path, result.error),
             kProgramTitle, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
        return CreateOutcome::Failed;
    }
    m_messages.show({QCoreApplication::translate("ReadmeDocument", "ReadMe file created successfully ..."),
                     kProgramTitle, MessageButtons::Ok, MessageIcon::Information, MessageAnswer::Ok});
    return CreateOutcome::Saved;
}

void ReadmeDocument::mnuNew_Click()
{
    m_newAnswer =
        m_messages.show({QCoreApplication::translate("ReadmeDocument", "Do you really want to set all defaults ?\r\n"
                                                                       "All unsaved data will be lost."),
                         kProgramTitle, MessageButtons::YesNo, MessageIcon::Warning, MessageAnswer::Yes});
    if (m_newAnswer != MessageAnswer::Yes)
        return;

    const QString spSection = templates::installationSection(InstallationKind::SPMission);
    resetSwitchesAndKinds(spSection);

    for (Control c : {Control::ArticleNameText, Control::VersionText, Control::AuthorText, Control::ReleaseText})
        m_form.setText(c, QString());
    m_form.setText(Control::ContactText1, QStringLiteral("http://"));
    m_form.setText(Control::ContactText2, QStringLiteral("@"));
    for (Control c : {Control::ContactText3, Control::ContactText4, Control::ContactText5, Control::RequiredGameText})
        m_form.setText(c, QString());
    m_form.setText(Control::AddonsText, templates::noneAddonsSection());
    m_form.setText(Control::InstallationText, spSection);
    for (Control c : {Control::DescriptionText, Control::ContentText, Control::ChangelogText, Control::ClassnamesText,
                      Control::CreditsText})
        m_form.setText(c, QString());
}

} // namespace kestrin
