// SPDX-License-Identifier: MIT
// The article on the form: filled in the way a user does it, and read back.

#include "articleform.h"

#include <string_view>

namespace kestrin {

namespace {

// The controls table follows the file's keys one for one.
constexpr bool sameKeys()
{
    for (size_t i = 0; i < kArticleFields.size(); ++i) {
        if (std::string_view(kArticleFields[i].key) != std::string_view(kFieldControls[i].key))
            return false;
    }
    return true;
}
static_assert(sameKeys(), "kFieldControls must list the keys of kArticleFields in order");

void applySwitched(ControlAccess &form, const FieldControls &controls, const std::optional<QString> &value)
{
    if (value) {
        form.setValue(*controls.onSwitch, 1);
        form.setText(*controls.control, *value);
        return;
    }
    form.setText(*controls.control, QString());
    if (controls.offSwitch)
        form.setValue(*controls.offSwitch, 1);
    else
        form.setValue(*controls.onSwitch, 0);
}

void applyInstallation(const Article &article, ControlAccess &form)
{
    if (!article.installation) {
        form.select(Control::InstallSPMission);
        return;
    }
    const Control option = kInstallationOptions[size_t(*article.installation)];
    // A template is stored by its option's handler, which runs only when
    // the option becomes selected: a user who wants it stored again picks
    // another option first.
    if (*article.installation != InstallationKind::OwnDescription && form.isSelected(option))
        form.select(Control::InstallOwnDescription);
    form.select(option);
}

} // namespace

void applyArticle(const Article &article, ControlAccess &form)
{
    for (size_t i = 0; i < kArticleFields.size(); ++i) {
        const ArticleField &field = kArticleFields[i];
        const FieldControls &controls = kFieldControls[i];
        switch (field.type) {
        case FieldType::Schema:
        case FieldType::FormatVersion:
        case FieldType::Group: break;
        case FieldType::ArticleKind:
        case FieldType::Text: form.setText(*controls.control, article.*field.text); break;
        case FieldType::OptionalText: applySwitched(form, controls, article.*field.optionalText); break;
        case FieldType::InstallationKind: applyInstallation(article, form); break;
        case FieldType::InstallationText:
            if (article.installation == InstallationKind::OwnDescription)
                form.setText(*controls.control, article.installationText);
            break;
        }
    }
}

Article articleFromForm(const ControlAccess &form)
{
    Article article;
    for (size_t i = 0; i < kArticleFields.size(); ++i) {
        const ArticleField &field = kArticleFields[i];
        const FieldControls &controls = kFieldControls[i];
        switch (field.type) {
        case FieldType::Schema:
        case FieldType::FormatVersion:
        case FieldType::Group: break;
        case FieldType::ArticleKind:
        case FieldType::Text: article.*field.text = form.text(*controls.control); break;
        case FieldType::OptionalText:
            article.*field.optionalText = form.value(*controls.onSwitch) == 1
                                              ? std::optional<QString>(form.text(*controls.control))
                                              : std::nullopt;
            break;
        case FieldType::InstallationKind:
            for (size_t i = 0; i < kInstallationOptions.size(); ++i) {
                if (form.isSelected(kInstallationOptions[i]))
                    article.installation = InstallationKind(i);
            }
            break;
        case FieldType::InstallationText:
            if (article.installation == InstallationKind::OwnDescription)
                article.installationText = form.text(*controls.control);
            break;
        }
    }
    return article;
}

} // namespace kestrin
