// SPDX-License-Identifier: MIT
// The main window's import: File > Import from Mission or Addon... and a
// folder or PBO dropped on the window. The game's official addons are
// looked up and the mission or addon read on a worker thread, behind a
// progress dialog whose Cancel stops the game-folder scan; the proposals
// are then reviewed, and only what the user keeps reaches the form, through
// the same handlers as typing and clicking.

#include "mainwindow.h"

#include "articleform.h"
#include "articleproposals.h"
#include "fileicons.h"
#include "importdialog.h"
#include "officialsource.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>

#include <atomic>
#include <memory>

namespace kestrin::ui {

bool MainWindow::isImportable(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() || info.suffix().compare(QLatin1String("pbo"), Qt::CaseInsensitive) == 0;
}

void MainWindow::setImportHooks(ImportChooser choose, ImportReviewer review, const QString &gameFolder)
{
    m_importChooser = std::move(choose);
    m_importReviewer = std::move(review);
    m_importGameFolder = gameFolder;
}

void MainWindow::importFromMissionOrAddon()
{
    std::optional<QString> chosen;
    if (m_importChooser) {
        chosen = m_importChooser();
    } else {
        QFileDialog dialog(this, tr("Choose a Mission, Addon or Mod"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(
            tr("Missions, addons and Mods (*.pbo mission.sqm description.ext config.cpp config.bin mod.cpp);;"
               "All files (*)"));
        NameOnlyIconProvider::useIn(dialog);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().first();
    }
    if (chosen)
        importFrom(*chosen);
}

kestrin::import::ImportResult MainWindow::readImport(const QString &path)
{
    QProgressDialog progress(tr("Reading %1...").arg(QDir::toNativeSeparators(path)), tr("Cancel"), 0, 0, this);
    progress.setObjectName(QStringLiteral("ImportProgress"));
    progress.setWindowTitle(kProgramTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    progress.setAutoClose(false);

    // What the worker shares with this thread: the cancel flag, and the
    // result once the worker has finished.
    struct Shared {
        std::atomic_bool cancel = false;
        import::ImportResult result;
    };
    auto shared = std::make_shared<Shared>();
    const QString game = m_importGameFolder;
    QThread *worker = QThread::create([shared, path, game, &progress] {
        import::ScanProgress scan;
        scan.cancel = &shared->cancel;
        scan.step = [&progress](int done, int total) {
            QMetaObject::invokeMethod(
                &progress,
                [&progress, done, total] {
                    progress.setLabelText(tr("Looking for the game's official addons..."));
                    progress.setMaximum(total);
                    progress.setValue(done);
                },
                Qt::QueuedConnection);
        };
        import::ScanResult details;
        import::OfficialAddons official = import::resolveOfficialAddons(game, scan, &details);
        // A scan given up leaves the import with the shipped list.
        if (details.cancelled)
            official = import::shippedOfficialAddons();
        shared->result = import::importArticle(path, official);
    });
    QEventLoop loop;
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    connect(&progress, &QProgressDialog::canceled, this, [shared] { shared->cancel = true; });
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    QCoreApplication::removePostedEvents(&progress); // progress steps still queued
    progress.close();
    return std::move(shared->result);
}

void MainWindow::importFrom(const QString &chosen)
{
    // A mission.sqm, config.cpp or mod.cpp stands for its folder.
    const QFileInfo info(chosen);
    const QString path = isImportable(chosen) ? info.absoluteFilePath() : info.absolutePath();
    const import::ImportResult result = readImport(path);
    if (!result.readSomething()) {
        QStringList notes;
        for (const import::ImportNote &note : result.notes)
            notes.append(note.display());
        m_messages.show({tr("Nothing could be read from %1.").arg(QDir::toNativeSeparators(path))
                             + QStringLiteral("\r\n\r\n") + notes.join(QLatin1String("\r\n")),
                         kProgramTitle, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
        return;
    }
    const Article current = m_articles->currentArticle();
    ImportDialog dialog(QDir::toNativeSeparators(path), current, result, this);
    const bool apply = m_importReviewer ? m_importReviewer(dialog) : dialog.exec() == QDialog::Accepted;
    if (!apply)
        return;
    const Article merged = import::applyProposals(current, result, dialog.tickedFields(), dialog.addonsText());
    // Every field is set to the merged article's value: those not taken
    // keep theirs, so only the taken ones change and run their handlers.
    // Big texts come a slice at a time, as when an article is opened; given
    // up midway, the form gets back all it held.
    const ReadmeDocument::FormState before = m_document->formState();
    if (!m_fileWork->fill([this, &merged] { applyArticle(merged, m_form); }))
        m_document->restoreFormState(before);
}

} // namespace kestrin::ui
