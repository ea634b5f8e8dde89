// SPDX-License-Identifier: MIT
#include "publishcommands.h"

#include "filework.h"
#include "previewwindow.h"
#include "qtservices.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>

namespace kestrin::ui {

PublishCommands::PublishCommands(QMainWindow &window, DocumentAccess document, MessageBoxService &messages)
    : QObject(&window)
    , m_window(window)
    , m_document(std::move(document))
    , m_messages(messages)
    , m_ownFiles(std::make_unique<AtomicTextFileService>())
{
    for (ReadmeFormat format : kReadmeFormats) {
        auto dialog = std::make_unique<QtSaveDialogService>(&window);
        dialog->rememberFolderAs(QStringLiteral("Export/%1Folder").arg(formatKey(format)));
        m_ownDialogs[size_t(format)] = std::move(dialog);
    }
    m_files = m_ownFiles.get();
}

PublishCommands::~PublishCommands() = default;

void PublishCommands::addTo(QMenu *menu)
{
    auto add = [this](QMenu *to, const char *name, const QString &caption, const QKeySequence &shortcut,
                      void (PublishCommands::*slot)()) {
        QAction *action = to->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
    };
    // F5 shows the preview (Ctrl+P belongs to printing).
    add(menu, "mnuPreview", tr("Preview ReadMe..."), QKeySequence(Qt::Key_F5), &PublishCommands::showPreview);
    QMenu *exports = menu->addMenu(tr("Export"));
    exports->setObjectName(QStringLiteral("mnuExport"));
    exports->menuAction()->setObjectName(QStringLiteral("mnuExport"));
    add(exports, "mnuExportBBCode", tr("BBCode..."), {}, &PublishCommands::exportBBCode);
    add(exports, "mnuExportMarkdown", tr("Markdown..."), {}, &PublishCommands::exportMarkdown);
    add(menu, "mnuCopyBBCode", tr("Copy as BBCode"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        &PublishCommands::copyBBCode);
    menu->addSeparator()->setObjectName(QStringLiteral("space2"));
}

void PublishCommands::setServices(SaveDialogService &dialog, ByteFileService &byteFiles)
{
    m_dialog = &dialog;
    m_files = &byteFiles;
}

ReadmeExporter::Outcome PublishCommands::exportAs(ReadmeFormat format, ReadmeExporter::Caller caller)
{
    BackgroundFiles files(*m_work, nullptr, m_files);
    ReadmeExporter exporter(m_document(), m_messages, files);
    const QString folder = m_defaultFolder ? m_defaultFolder() : QString();
    return exporter.exportAs(format, m_dialog ? *m_dialog : *m_ownDialogs[size_t(format)], caller, folder);
}

QString PublishCommands::text(ReadmeFormat format) const
{
    return renderReadme(m_document().model(), format);
}

int PublishCommands::codePage() const
{
    return m_document().codePage();
}

PreviewWindow *PublishCommands::previewWindow() const
{
    return m_preview;
}

void PublishCommands::showPreview()
{
    // One preview, owned by the main window; closing only hides it.
    if (!m_preview)
        m_preview = new PreviewWindow(m_window, *this);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

void PublishCommands::exportBBCode()
{
    exportAs(ReadmeFormat::BBCode);
}

void PublishCommands::exportMarkdown()
{
    exportAs(ReadmeFormat::Markdown);
}

void PublishCommands::copyBBCode()
{
    QGuiApplication::clipboard()->setText(text(ReadmeFormat::BBCode));
}

} // namespace kestrin::ui
