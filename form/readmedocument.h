// SPDX-License-Identifier: MIT
#pragma once

#include "articleform.h"
#include "controlaccess.h"
#include "fileservice.h"
#include "readmemodel.h"
#include "services.h"
#include "templates.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace kestrin {

// The ReadMe document: the handlers of the main window's switches and
// options, New and Create. It keeps no ReadMe text: what the form holds is
// read into an Article (article()), and every output is rendered from that
// article's model. It reaches the window only through the services it is
// given, so it runs the same on real widgets and in memory.
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

    // Create: reads the article, asks for a file name and saves its
    // plain-text ReadMe.
    CreateOutcome create();

    // The article the form holds, with whether its installation is still
    // the start state's.
    Article article() const;
    // Puts an article on the form the way a user fills it in (see
    // applyArticle), its installation included: an article without one
    // gets the start state's again. What was written under Own description
    // and kept aside is dropped, as the form now holds another article.
    void applyArticle(const Article &article);
    // The ReadMe of that article: what Create writes, the preview and the
    // exports show.
    ReadmeModel model() const { return readmeModel(article()); }

    // Create's save, after the dialog: writes the text given as pieces to
    // path in the code page, asks how to save characters the code page
    // cannot hold, and reports the outcome as Create does.
    CreateOutcome writeReadme(const QString &path, const QList<QStringView> &pieces);

    // New: asks, then puts every field, switch and default back.
    void newReadme();
    // New's resets without its question.
    void resetToDefaults();
    // Drops the Own description text kept aside while another installation
    // kind is selected (the form now holds another article).
    void forgetOwnDescription();

    MessageAnswer lastNewAnswer() const { return m_newAnswer; }

    // Everything the form holds, down to the text of a switched-off field
    // and what is kept aside for Own description, so that a fill given up
    // midway puts back exactly that.
    struct FormState {
        std::array<QString, kControlCount> texts; // text boxes and the combo box
        std::array<int, kControlCount> values{};  // check boxes; options: 1 when selected
        std::array<bool, kControlCount> enabled{};
        std::array<SystemColor, kControlCount> colours{};
        std::optional<QString> ownDescription;
        bool ownDescriptionShown = false;
        bool startInstallation = false;
    };
    FormState formState() const;
    void restoreFormState(const FormState &state);

private:
    void applyToggle(Control check);
    void applyTemplateKind(InstallationKind kind);
    void resetSwitchesAndKinds();
    void paintOptionalFieldsThreeDLight();
    bool askForEncoder(TextEncoder &encoder, const QList<QStringView> &pieces);

    ControlAccess &m_form;
    MessageBoxService &m_messages;
    SaveDialogService &m_dialog;
    TextFileService &m_files;
    int m_codePage;
    MessageAnswer m_newAnswer = MessageAnswer::No;
    // What the user wrote under Own description, kept while another kind is
    // selected (nothing while only the prompt was there), and whether the
    // field shows that text now.
    std::optional<QString> m_ownDescription;
    bool m_ownDescriptionShown = false;
    // The installation is still the start state's (SP mission, selected by
    // the load handler without its option's template): no control tells it
    // apart, so it is kept here and handed on as an article without an
    // installation, which is where everything else looks for it.
    bool m_startInstallation = false;
};

} // namespace kestrin
