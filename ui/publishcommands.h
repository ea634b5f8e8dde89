// SPDX-License-Identifier: MIT
#pragma once

// The File menu's commands that publish the ReadMe beside Create: the
// preview window, the exports to BBCode and Markdown, and the forum post
// copied to the clipboard.

#include "atomicfileservice.h"
#include "readmeexport.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QMainWindow;
class QMenu;

namespace kestrin::ui {

class PreviewWindow;

class PublishCommands : public QObject {
    Q_OBJECT
public:
    // The commands of the window that shows the document's form; document
    // gives the document once the window has made it.
    using DocumentAccess = std::function<ReadmeDocument &()>;
    PublishCommands(QMainWindow &window, DocumentAccess document, MessageBoxService &messages);
    ~PublishCommands() override;

    // Adds "Preview ReadMe...", the "Export" submenu and "Copy as BBCode" to
    // the menu, and a separator after them.
    void addTo(QMenu *menu);

    // The save dialog and file writers the saves use. By default each format
    // has a dialog of its own (each remembers its last name) and files are
    // replaced atomically.
    void setServices(SaveDialogService &dialog, ByteFileService &byteFiles);
    // The folder an export dialog opens in while it remembers none of its
    // own (the open article file's); empty: the dialog's choice.
    void setDefaultFolder(std::function<QString()> folder) { m_defaultFolder = std::move(folder); }
    // Where the saves run (by default: at once).
    void setFileWork(FileWorkRunner &work) { m_work = &work; }

    // Saves in a format after asking for the name; the preview's Save As.
    ReadmeExporter::Outcome exportAs(ReadmeFormat format,
                                     ReadmeExporter::Caller caller = ReadmeExporter::Caller::Export);
    // The text of a format as it would be saved now.
    QString text(ReadmeFormat format) const;
    // The ReadMe's code page, for what the preview marks.
    int codePage() const;

    PreviewWindow *previewWindow() const;
    // Called by the window at every change of the form.
    void notifyFormChanged() { emit formChanged(); }

signals:
    // A field, switch, option or the article kind changed, by the user or by
    // the program, whether or not its tab page has been built yet.
    void formChanged();

public slots:
    void showPreview();
    void exportBBCode();
    void exportMarkdown();
    void copyBBCode();

private:
    QMainWindow &m_window;
    DocumentAccess m_document;
    MessageBoxService &m_messages;
    std::array<std::unique_ptr<SaveDialogService>, 3> m_ownDialogs;
    std::unique_ptr<AtomicTextFileService> m_ownFiles;
    SaveDialogService *m_dialog = nullptr; // set: one dialog for every format
    ByteFileService *m_files = nullptr;
    FileWorkRunner m_directWork;
    FileWorkRunner *m_work = &m_directWork;
    QPointer<PreviewWindow> m_preview;
    std::function<QString()> m_defaultFolder;
};

} // namespace kestrin::ui
