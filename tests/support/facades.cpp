// SPDX-License-Identifier: MIT
#include "facades.h"

using namespace kestrin;

MessageAnswer ScriptedMessageBox::show(const MessageRequest &request)
{
    m_shown.append(request);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    // An unscripted box is dismissed with its default button.
    return request.defaultAnswer;
}

QStringList ScriptedMessageBox::prompts() const
{
    QStringList out;
    for (const MessageRequest &r : m_shown)
        out << r.prompt;
    return out;
}

bool ScriptedSaveDialog::showSave()
{
    ++m_shownCount;
    if (m_choices.isEmpty())
        return false;
    const std::optional<QString> choice = m_choices.takeFirst();
    if (!choice)
        return false;
    m_fileName = *choice;
    return true;
}

std::optional<QString> ScriptedArticleDialog::next()
{
    if (m_choices.isEmpty())
        return std::nullopt;
    return m_choices.takeFirst();
}

std::optional<QString> ScriptedArticleDialog::chooseOpen(const QString &folder)
{
    m_openFolders << folder;
    return next();
}

std::optional<QString> ScriptedArticleDialog::chooseSave(const QString &proposed)
{
    m_proposals << proposed;
    return next();
}
