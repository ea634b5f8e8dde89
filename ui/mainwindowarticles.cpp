// SPDX-License-Identifier: MIT
// The main window's article file commands: the File menu's Open, Save,
// Save As and Recent Articles, the title that names the open file, and
// files dropped on the window.

#include "mainwindow.h"

#include "publishcommands.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

namespace kestrin::ui {

namespace {

// The one local file that a drag carries, or nothing.
QString draggedFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

// How long the form must rest after an edit before it is compared with the
// file: typing stays cheap however large the article is.
constexpr int kModifiedCheckDelayMs = 150;

} // namespace

void MainWindow::buildArticleFileMenu(QMenu *file)
{
    auto addItem = [this, file](const char *name, const QString &caption, const QKeySequence &shortcut,
                                void (MainWindow::*slot)()) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
    };
    addItem("mnuOpen", tr("Open Article..."), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openArticle);
    addItem("mnuSave", tr("Save Article"), QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveArticle);
    addItem("mnuSaveAs", tr("Save Article As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &MainWindow::saveArticleAs);

    m_recentMenu = file->addMenu(tr("Recent Articles"));
    m_recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    // Filled when it opens: starting the program reads no settings.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);

    addItem("mnuImport", tr("Import from Mission or Addon..."), QKeySequence(Qt::CTRL | Qt::Key_I),
            &MainWindow::importFromMissionOrAddon);
}

void MainWindow::startArticleFiles(ArticleDialogService &dialogs, ByteFileService &files, RecentArticlesStore &recent,
                                   SaveDialogService &createDialog)
{
    m_articles =
        std::make_unique<ArticleFileController>(m_form, *m_document, m_messages, dialogs, files, recent, createDialog);
    m_articles->markStartState();
    m_articles->setChangeHandler([this] { showArticleFile(); });

    m_modifiedCheck = new QTimer(this);
    m_modifiedCheck->setSingleShot(true);
    m_modifiedCheck->setInterval(kModifiedCheckDelayMs);
    connect(m_modifiedCheck, &QTimer::timeout, this, [this] { setWindowModified(m_articles->isModified()); });
    m_form.setEditHandler([this] {
        // Only a title that names a file shows the modified mark.
        if (!m_articles->currentFile().isEmpty())
            m_modifiedCheck->start();
        m_publish->notifyFormChanged();
    });
    acceptFileDrops();
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = m_articles->recentArticles();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QString caption = QStringLiteral("%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path));
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *action = m_recentMenu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        // Opened once the menu has closed, so that a question or a warning
        // stands on its own.
        connect(action, &QAction::triggered, this,
                [this, path] { QTimer::singleShot(0, this, [this, path] { m_articles->openRecent(path); }); });
    }
    if (!recent.isEmpty())
        m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(tr("Clear Recent Articles"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, this, &MainWindow::clearRecentArticles);
}

void MainWindow::showArticleFile()
{
    m_modifiedCheck->stop();
    const QString file = m_articles->currentFile();
    if (file.isEmpty()) {
        setWindowTitle(kProgramTitle);
        setWindowModified(false);
        return;
    }
    // "[*]" is where Qt shows the modified mark; one in the name is doubled
    // to stand for itself.
    QString name = QFileInfo(file).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(tr("%1[*] - Kestrin Editor").arg(name));
    setWindowModified(m_articles->isModified());
}

void MainWindow::openArticle()
{
    m_articles->open();
}

void MainWindow::saveArticle()
{
    m_articles->save();
}

void MainWindow::saveArticleAs()
{
    m_articles->saveAs();
}

void MainWindow::clearRecentArticles()
{
    m_articles->clearRecentArticles();
}

void MainWindow::openArticleAtStart(const QString &path)
{
    m_articles->openAtStart(path);
}

void MainWindow::acceptFileDrops()
{
    setAcceptDrops(true);
}

void MainWindow::acceptFileDropsOn(QWidget *field)
{
    // The text fields take dropped text, but a dropped file opens as an
    // article wherever it lands.
    field->installEventFilter(this);
    if (auto *edit = qobject_cast<QPlainTextEdit *>(field))
        edit->viewport()->installEventFilter(this);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened after the drop has ended, so that the dragging program is not
    // kept waiting by a question. A folder or a PBO is imported.
    if (isImportable(path))
        QTimer::singleShot(0, this, [this, path] { importFrom(path); });
    else
        QTimer::singleShot(0, this, [this, path] { m_articles->openDropped(path); });
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (draggedFile(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (draggedFile(drop->mimeData()).isEmpty())
            break;
        dropEvent(drop);
        return true;
    }
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kestrin::ui
