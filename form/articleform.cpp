// SPDX-License-Identifier: MIT
// The article on the form: filled in the way a user does it, and read back.

#include "article.h"
#include "articlefields.h"
#include "memoryform.h"
#include "offlinedocument.h"
#include "readmedocument.h"

namespace kestrin {

namespace {

void applySwitched(ControlAccess &form, const ArticleField &field, const std::optional<QString> &value)
{
    if (value) {
        form.setValue(*field.onSwitch, 1);
        form.setText(*field.control, *value);
        return;
    }
    form.setText(*field.control, QString());
    if (field.offSwitch)
        form.setValue(*field.offSwitch, 1);
    else
        form.setValue(*field.onSwitch, 0);
}

void applyInstallation(const Article &article, ControlAccess &form)
{
    if (!article.installation) {
        form.select(Control::SPmissionOption);
        return;
    }
    const Control option = kInstallationOptions[size_t(*article.installation)];
    // A template is stored by its option's handler, which runs only when
    // the option becomes selected: a user who wants it stored again picks
    // another option first.
    if (*article.installation != InstallationKind::OwnDescription && form.isSelected(option))
        form.select(Control::OwnDescriptionOption);
    form.select(option);
}

} // namespace

void applyArticle(const Article &article, ControlAccess &form)
{
    for (const ArticleField &field : kArticleFields) {
        switch (field.type) {
        case FieldType::Schema:
        case FieldType::FormatVersion:
        case FieldType::Group: break;
        case FieldType::ArticleKind:
        case FieldType::Text: form.setText(*field.control, article.*field.text); break;
        case FieldType::OptionalText: applySwitched(form, field, article.*field.optionalText); break;
        case FieldType::InstallationKind: applyInstallation(article, form); break;
        case FieldType::InstallationText:
            if (article.installation == InstallationKind::OwnDescription)
                form.setText(*field.control, article.installationText);
            break;
        }
    }
}

Article articleFromForm(const ControlAccess &form)
{
    Article article;
    for (const ArticleField &field : kArticleFields) {
        switch (field.type) {
        case FieldType::Schema:
        case FieldType::FormatVersion:
        case FieldType::Group: break;
        case FieldType::ArticleKind:
        case FieldType::Text: article.*field.text = form.text(*field.control); break;
        case FieldType::OptionalText:
            article.*field.optionalText =
                form.value(*field.onSwitch) == 1 ? std::optional<QString>(form.text(*field.control)) : std::nullopt;
            break;
        case FieldType::InstallationKind:
            for (size_t i = 0; i < kInstallationOptions.size(); ++i) {
                if (form.isSelected(kInstallationOptions[i]))
                    article.installation = InstallationKind(i);
            }
            break;
        case FieldType::InstallationText:
            if (article.installation == InstallationKind::OwnDescription)
                article.installationText = form.text(*field.control);
            break;
        }
    }
    return article;
}

QString assembleReadme(const Article &article)
{
    OfflineDocument offline;
    applyArticle(article, offline.form);
    return offline.document.assemble();
}

} // namespace kestrin
