// SPDX-License-Identifier: MIT
#pragma once

#include "articleform.h"
#include "controlaccess.h"
#include "fileservice.h"
#include "plaintextrenderer.h"
#include "readmemodel.h"
#include "services.h"
#include "templates.h"

#include <QCoreApplication>

#include <optional>

namespace kestrin {

// The ReadMe document: the state the main window keeps beside its controls
// (the section blocks, the assembled text, the answer of the last New) and
// the handlers that work on them. It reaches the window only through the
// services it is given, so it runs the same on real widgets and in memory.
class ReadmeDocument {
    Q_DECLARE_TR_FUNCTIONS(ReadmeDocument)

public:
    enum class CreateOutcome { Saved, Cancelled, Failed };

    ReadmeDocument(ControlAccess &controls, MessageBoxService &messages, SaveDialogService &dialog,
                   TextFileService &files);
    ReadmeDocument(const ReadmeDocument &) = delete;
    ReadmeDocument &operator=(const ReadmeDocument &) = delete;

    // The code page the file is written in; the system's ANSI code page
    // unless set otherwise.
    int codePage() const { return m_codePage; }
    void setCodePage(int codePage) { m_codePage = codePage; }

    // The load handler: puts the window's design values into the start state.
    void reset();

    // Dispatches a click on a check box or option button to its handler.
    void handleClick(Control control);

    // "Allow" switches.
    void onSkypeAllowToggled() { applyToggle(Control::SkypeAllowed); }
    void onIcqAllowToggled() { applyToggle(Control::IcqAllowed); }
    void onOtherContactAllowToggled() { applyToggle(Control::OtherContactAllowed); }
    void onFeaturesAllowToggled() { applyToggle(Control::FeaturesAllowed); }
    void onChangelogAllowToggled() { applyToggle(Control::ChangelogAllowed); }
    void onNotesAllowToggled() { applyToggle(Control::NotesAllowed); }

    // Installation options.
    void onSPMissionSelected() { applyTemplateKind(InstallationKind::SPMission); }
    void onMPMissionSelected() { applyTemplateKind(InstallationKind::MPMission); }
    void onAddonSelected() { applyTemplateKind(InstallationKind::Addon); }
    void onModSelected() { applyTemplateKind(InstallationKind::Mod); }
    void onOwnDescriptionSelected();

    // Required addons pair.
    void onAddonsOfficialOnlyClicked();
    void onAddonsUserDefinedClicked();

    // Create: brings the blocks up to date, assembles the text, asks for a
    // file name and saves.
    CreateOutcome create();

    // The article the form holds, with whether its installation is still
    // the start state's.
    Article article() const;
    // The ReadMe of that article, as the preview and the exports show it.
    ReadmeModel model() const { return readmeModel(article()); }

    // Create's steps up to the assembled text, without saving; returns it.
    QString assemble();

    // What Create would assemble now, built from exactly the values it
    // would read, without storing anything: the blocks and the text that
    // Create keeps stay as they are.
    ReadmeModel currentModel() const;

    // Create's save, after the dialog: writes the text given as pieces to
    // path in the code page, asks how to save characters the code page
    // cannot hold, and reports the outcome as Create does.
    CreateOutcome writeReadme(const QString &path, const QList<QStringView> &pieces);

    // New: asks, then puts every field, switch and default block back.
    void newReadme();
    // New's resets without its question.
    void resetToDefaults();
    // Drops the Own description text kept aside while another installation
    // kind is selected (the form now holds another article).
    void forgetOwnDescription();

    const SectionBlocks &blocks() const { return m_blocks; }
    // The text the last Create assembled (empty before the first).
    QString readmeText() const { return m_model ? plainText(*m_model) : QString(); }
    MessageAnswer lastNewAnswer() const { return m_newAnswer; }

private:
    void applyToggle(Control check);
    void applyTemplateKind(InstallationKind kind);
    void resetSwitchesAndKinds(const QString &installationSection);
    void paintOptionalFieldsThreeDLight();
    RebuiltBlocks rebuiltBlocks() const;
    SectionBlocks keptBlocks() const;
    LayoutFields currentFields() const;
    void rebuildText();
    bool askForEncoder(TextEncoder &encoder, const QList<QStringView> &pieces);

    ControlAccess &m_form;
    MessageBoxService &m_messages;
    SaveDialogService &m_dialog;
    TextFileService &m_files;
    int m_codePage;
    SectionBlocks m_blocks;
    std::optional<ReadmeModel> m_model; // the text the last Create assembled
    MessageAnswer m_newAnswer = MessageAnswer::No;
    // What the user wrote under Own description, kept while another kind is
    // selected (nothing while only the prompt was there), and whether the
    // field shows that text now.
    std::optional<QString> m_ownDescription;
    bool m_ownDescriptionShown = false;
};

} // namespace kestrin
