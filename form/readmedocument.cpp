// SPDX-License-Identifier: MIT
#include "readmedocument.h"

#include "plaintextrenderer.h"

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
    case Control::SkypeAllowed: onSkypeAllowToggled(); break;
    case Control::IcqAllowed: onIcqAllowToggled(); break;
    case Control::OtherContactAllowed: onOtherContactAllowToggled(); break;
    case Control::FeaturesAllowed: onFeaturesAllowToggled(); break;
    case Control::ChangelogAllowed: onChangelogAllowToggled(); break;
    case Control::NotesAllowed: onNotesAllowToggled(); break;
    case Control::AddonsOfficialOnly: onAddonsOfficialOnlyClicked(); break;
    case Control::AddonsUserDefined: onAddonsUserDefinedClicked(); break;
    case Control::InstallSPMission: onSPMissionSelected(); break;
    case Control::InstallMPMission: onMPMissionSelected(); break;
    case Control::InstallAddon: onAddonSelected(); break;
    case Control::InstallMod: onModSelected(); break;
    case Control::InstallOwnDescription: onOwnDescriptionSelected(); break;
    default: break;
    }
}

void ReadmeDocument::resetSwitchesAndKinds()
{
    // Unticking a ticked switch runs its handler nested, which disables and
    // greys its field.
    for (const AllowSwitch &s : kAllowSwitches)
        m_form.setValue(s.check, 0);
    m_form.setText(Control::ArticleKind, QStringLiteral("SP mission"));
    m_form.select(Control::InstallSPMission);
    m_form.setEnabled(Control::Installation, false);
    m_form.setValue(Control::AddonsOfficialOnly, 1);
    m_form.setValue(Control::AddonsUserDefined, 0);
    m_form.setEnabled(Control::RequiredAddons, false);
    paintOptionalFieldsThreeDLight();
}

void ReadmeDocument::paintOptionalFieldsThreeDLight()
{
    for (Control c : {Control::Skype, Control::Icq, Control::OtherContact, Control::RequiredAddons,
                      Control::Installation, Control::Features, Control::Changelog, Control::Notes})
        m_form.setBackground(c, SystemColor::ThreeDLight);
}

void ReadmeDocument::reset()
{
    resetSwitchesAndKinds();
    m_startInstallation = true;
    forgetOwnDescription();
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
    // Leaving Own description keeps what the user wrote there aside; the
    // prompt, never written over, is not kept.
    if (m_ownDescriptionShown) {
        const QString text = m_form.text(Control::Installation);
        if (text == templates::installationNotice(InstallationKind::OwnDescription))
            m_ownDescription.reset();
        else
            m_ownDescription = text;
        m_ownDescriptionShown = false;
    }
    m_form.setEnabled(Control::Installation, false);
    m_form.setBackground(Control::Installation, SystemColor::ThreeDLight);
    m_form.setText(Control::Installation, templates::installationNotice(kind));
    m_startInstallation = false;
}

void ReadmeDocument::onOwnDescriptionSelected()
{
    m_form.setEnabled(Control::Installation, true);
    m_form.setBackground(Control::Installation, SystemColor::WindowBackground);
    m_form.setText(Control::Installation,
                   m_ownDescription.value_or(templates::installationNotice(InstallationKind::OwnDescription)));
    m_ownDescriptionShown = true;
    m_startInstallation = false;
}

void ReadmeDocument::forgetOwnDescription()
{
    m_ownDescription.reset();
    m_ownDescriptionShown = m_form.isSelected(Control::InstallOwnDescription);
}

void ReadmeDocument::onAddonsOfficialOnlyClicked()
{
    if (m_form.value(Control::AddonsOfficialOnly) == 1)
        m_form.setValue(Control::AddonsUserDefined, 0);
    if (m_form.value(Control::AddonsOfficialOnly) == 0)
        m_form.setValue(Control::AddonsUserDefined, 1);
    m_form.setBackground(Control::RequiredAddons, m_form.value(Control::AddonsOfficialOnly) != 0
                                                      ? SystemColor::ThreeDLight
                                                      : SystemColor::WindowBackground);
    m_form.setEnabled(Control::RequiredAddons, m_form.value(Control::AddonsOfficialOnly) == 0);
}

void ReadmeDocument::onAddonsUserDefinedClicked()
{
    if (m_form.value(Control::AddonsUserDefined) == 1)
        m_form.setValue(Control::AddonsOfficialOnly, 0);
    if (m_form.value(Control::AddonsUserDefined) == 0)
        m_form.setValue(Control::AddonsOfficialOnly, 1);
    m_form.setEnabled(Control::RequiredAddons, m_form.value(Control::AddonsUserDefined) == 1);
}

Article ReadmeDocument::article() const
{
    Article article = articleFromForm(m_form);
    if (m_startInstallation)
        article.installation.reset();
    return article;
}

void ReadmeDocument::applyArticle(const Article &article)
{
    kestrin::applyArticle(article, m_form);
    m_startInstallation = article.hasStartInstallation();
    forgetOwnDescription();
}

ReadmeDocument::FormState ReadmeDocument::formState() const
{
    FormState state;
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        const ControlKind kind = controlKind(c);
        if (isTextBox(c) || kind == ControlKind::ComboBox)
            state.texts[size_t(i)] = m_form.text(c);
        else if (kind == ControlKind::CheckBox)
            state.values[size_t(i)] = m_form.value(c);
        else if (kind == ControlKind::OptionButton)
            state.values[size_t(i)] = m_form.isSelected(c) ? 1 : 0;
        state.enabled[size_t(i)] = m_form.isEnabled(c);
        state.colours[size_t(i)] = m_form.background(c);
    }
    state.ownDescription = m_ownDescription;
    state.ownDescriptionShown = m_ownDescriptionShown;
    state.startInstallation = m_startInstallation;
    return state;
}

void ReadmeDocument::restoreFormState(const FormState &state)
{
    // The switches and options first, as a user would click them; their
    // handlers set texts, colours and the enabled state, which are then
    // put back exactly as they were.
    for (Control option : kInstallationOptions) {
        if (state.values[size_t(option)] == 1)
            m_form.select(option);
    }
    for (int i = 0; i < kControlCount; ++i) {
        if (controlKind(Control(i)) == ControlKind::CheckBox)
            m_form.setValue(Control(i), state.values[size_t(i)]);
    }
    for (int i = 0; i < kControlCount; ++i) {
        const Control c = Control(i);
        // Only what differs is set again: a field the fill had not reached
        // keeps its edits and its undo steps.
        if ((isTextBox(c) || controlKind(c) == ControlKind::ComboBox) && m_form.text(c) != state.texts[size_t(i)])
            m_form.setText(c, state.texts[size_t(i)]);
        if (m_form.isEnabled(c) != state.enabled[size_t(i)])
            m_form.setEnabled(c, state.enabled[size_t(i)]);
        if (m_form.background(c) != state.colours[size_t(i)])
            m_form.setBackground(c, state.colours[size_t(i)]);
    }
    m_ownDescription = state.ownDescription;
    m_ownDescriptionShown = state.ownDescriptionShown;
    m_startInstallation = state.startInstallation;
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
        ReadmeDocument::tr("The ReadMe contains characters that the %1 code page cannot hold:\r\n%2\r\n\r\n"
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
    // The ReadMe is what the form holds when Create is chosen.
    const ReadmeModel readme = model();

    m_dialog.setFilter(QStringLiteral("*.txt|*.txt"));
    if (!m_dialog.showSave())
        return CreateOutcome::Cancelled;
    return writeReadme(m_dialog.fileName(), plainTextPieces(readme));
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
    if (result.cancelled)
        return CreateOutcome::Cancelled;
    if (!result.ok) {
        m_messages.show({ReadmeDocument::tr("The ReadMe file could not be saved to %1:\r\n%2").arg(path, result.error),
                         kProgramTitle, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
        return CreateOutcome::Failed;
    }
    m_messages.show({ReadmeDocument::tr("ReadMe file created successfully ..."), kProgramTitle, MessageButtons::Ok,
                     MessageIcon::Information, MessageAnswer::Ok});
    return CreateOutcome::Saved;
}

void ReadmeDocument::newReadme()
{
    m_newAnswer = m_messages.show({ReadmeDocument::tr("Do you really want to set all defaults ?\r\n"
                                                      "All unsaved data will be lost."),
                                   kProgramTitle, MessageButtons::YesNo, MessageIcon::Warning, MessageAnswer::Yes});
    if (m_newAnswer != MessageAnswer::Yes)
        return;
    resetToDefaults();
}

void ReadmeDocument::resetToDefaults()
{
    resetSwitchesAndKinds();
    m_startInstallation = false;

    for (Control c : {Control::Name, Control::Version, Control::Authors, Control::ReleaseDate})
        m_form.setText(c, QString());
    m_form.setText(Control::Web, QStringLiteral("http://"));
    m_form.setText(Control::Email, QStringLiteral("@"));
    for (Control c : {Control::Skype, Control::Icq, Control::OtherContact, Control::RequiredGame})
        m_form.setText(c, QString());
    m_form.setText(Control::RequiredAddons, templates::noneAddonsSection());
    m_form.setText(Control::Installation, templates::installationSection(InstallationKind::SPMission));
    for (Control c : {Control::Description, Control::Features, Control::Changelog, Control::Notes, Control::Credits})
        m_form.setText(c, QString());
    forgetOwnDescription();
}

} // namespace kestrin
