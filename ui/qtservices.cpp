// SPDX-License-Identifier: MIT
#include "qtservices.h"

#include "fields.h"
#include "fileicons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace kestrin::ui {

namespace {

QMessageBox::StandardButton toButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Save: return QMessageBox::Save;
    case MessageAnswer::Discard: return QMessageBox::Discard;
    case MessageAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: break;
    }
    return QMessageBox::Information;
}

} // namespace

MessageAnswer QtMessageBoxService::show(const MessageRequest &request)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (request.buttons) {
    case MessageButtons::Ok: buttons = QMessageBox::Ok; break;
    case MessageButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MessageButtons::SaveDiscardCancel:
        buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(toIcon(request.icon), request.title, fromCrLf(request.prompt), buttons, m_parent);
    // Paths and typed text are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton preferred = toButton(request.defaultAnswer);
    if (buttons.testFlag(preferred))
        box.setDefaultButton(preferred);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Save: return MessageAnswer::Save;
    case QMessageBox::Discard: return MessageAnswer::Discard;
    default: break;
    }
    // Closed without a button (Escape, the close box): the box's own way out.
    return request.buttons == MessageButtons::Ok      ? MessageAnswer::Ok
           : request.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                      : MessageAnswer::Cancel;
}

QStringList QtSaveDialogService::toNameFilters(const QString &filter)
{
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
        if (patterns.isEmpty())
            continue;
        out << ((description.isEmpty() || description == patterns)
                    ? patterns
                    : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return out;
}

void QtSaveDialogService::setFilter(const QString &filter)
{
    m_nameFilters = toNameFilters(filter);
}

bool QtSaveDialogService::showSave()
{
    QFileDialog dialog(m_parent, m_proposal.title.isEmpty() ? kProgramTitle : m_proposal.title);
    dialog.setObjectName(QStringLiteral("Dialog"));
    NameOnlyIconProvider::useIn(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Added, before the dialog asks about replacing a file, to a name typed
    // without an extension.
    dialog.setDefaultSuffix(m_proposal.defaultSuffix);
    if (!m_nameFilters.isEmpty())
        dialog.setNameFilters(m_nameFilters);
    if (!m_proposal.fileName.isEmpty()) {
        // The folder of the last file chosen here (this run, else an earlier
        // one), else the proposal's.
        QString folder = m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).absolutePath();
        if (folder.isEmpty() && !m_folderKey.isEmpty())
            folder = QSettings(kSettingsOrganization, kProgramTitle).value(m_folderKey).toString();
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = m_proposal.folder;
        if (!folder.isEmpty())
            dialog.setDirectory(folder);
        dialog.selectFile(folder.isEmpty() ? m_proposal.fileName : QDir(folder).filePath(m_proposal.fileName));
    } else if (!m_startFolder.isEmpty()) {
        dialog.setDirectory(m_startFolder);
        if (!m_fileName.isEmpty())
            dialog.selectFile(QDir(m_startFolder).filePath(QFileInfo(m_fileName).fileName()));
    } else if (!m_fileName.isEmpty()) {
        dialog.selectFile(m_fileName);
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    m_fileName = chosen.first();
    if (!m_folderKey.isEmpty())
        QSettings(kSettingsOrganization, kProgramTitle).setValue(m_folderKey, QFileInfo(m_fileName).absolutePath());
    return true;
}

QStringList QtArticleDialogService::nameFilters()
{
    return {QCoreApplication::translate("QtArticleDialogService", "Article files (*.json)"),
            QCoreApplication::translate("QtArticleDialogService", "All files (*)")};
}

std::optional<QString> QtArticleDialogService::chooseOpen(const QString &folder)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("QtArticleDialogService", "Open Article"));
    dialog.setObjectName(QStringLiteral("OpenArticleDialog"));
    NameOnlyIconProvider::useIn(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters());
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtArticleDialogService::chooseSave(const QString &proposed)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("QtArticleDialogService", "Save Article As"));
    dialog.setObjectName(QStringLiteral("SaveArticleDialog"));
    NameOnlyIconProvider::useIn(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

namespace {

const QString kRecentKey = QStringLiteral("RecentArticles");

} // namespace

QStringList SettingsRecentArticles::load() const
{
    const QSettings settings(kSettingsOrganization, kProgramTitle);
    return settings.value(kRecentKey).toStringList();
}

void SettingsRecentArticles::store(const QStringList &paths)
{
    QSettings settings(kSettingsOrganization, kProgramTitle);
    settings.setValue(kRecentKey, paths);
}

} // namespace kestrin::ui
