// SPDX-License-Identifier: MIT
#include "helpwindow.h"

#include "helpbrowser.h"
#include "helplocator.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace kestrin::help {

namespace {

constexpr int kUrlRole = Qt::UserRole;

QString withoutFragment(const QString &local)
{
    const qsizetype hash = local.indexOf(QLatin1Char('#'));
    return hash < 0 ? local : local.first(hash);
}

QString errorPage(const QString &body)
{
    return QStringLiteral("<html><body style=\"margin: 12px\"><h2 style=\"color: #8b1a1a\">%1</h2>%2<p>%3</p>"
                          "</body></html>")
        .arg(HelpWindow::tr("The help cannot be shown"), body,
             HelpWindow::tr("The editor is not affected by this: close this window and carry on."));
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Kestrin Editor Help"));
    if (owner)
        setWindowIcon(owner->windowIcon());
    buildToolBar();
    buildPanes();
    buildStatusBar();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_status);

    connectParts();
    resize(900, 640);
}

// Back, Forward and Home, off until a page is shown.
void HelpWindow::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("HelpToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setFloatable(false);
    m_toolBar->setMovable(false);

    m_back = m_toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    m_back->setObjectName(QStringLiteral("BackAction"));
    m_back->setShortcut(QKeySequence::Back);
    m_back->setToolTip(tr("Back to the previous page (Alt+Left)"));
    m_forward = m_toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    m_forward->setObjectName(QStringLiteral("ForwardAction"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setToolTip(tr("Forward to the next page (Alt+Right)"));
    m_home = m_toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    m_home->setObjectName(QStringLiteral("HomeAction"));
    m_home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_home->setToolTip(tr("The first page of the help (Alt+Home)"));
    for (QAction *action : {m_back, m_forward, m_home})
        action->setEnabled(false);
}

// The contents on the left, the page on the right.
void HelpWindow::buildPanes()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("HelpSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_contents = new QTreeWidget(m_splitter);
    m_contents->setObjectName(QStringLiteral("ContentsTree"));
    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_contents->setUniformRowHeights(true);
    m_contents->setAccessibleName(tr("Contents"));
    m_browser = new HelpBrowser(m_splitter);
    m_browser->setObjectName(QStringLiteral("TopicBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    m_splitter->addWidget(m_contents);
    m_splitter->addWidget(m_browser);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({280, 620});
}

// The notes about the help file, shown only when there are any.
void HelpWindow::buildStatusBar()
{
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("HelpStatusBar"));
    m_status->setSizeGripEnabled(false);
    // The notes in full, on as many lines as they take.
    m_statusText = new QLabel(m_status);
    m_statusText->setObjectName(QStringLiteral("HelpStatusText"));
    m_statusText->setWordWrap(true);
    m_statusText->setTextFormat(Qt::PlainText);
    m_statusText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->addWidget(m_statusText, 1);
    m_status->hide();
}

void HelpWindow::connectParts()
{
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, &HelpWindow::goHome);
    connect(m_browser, &QTextBrowser::backwardAvailable, this,
            [this](bool available) { m_back->setEnabled(available && isOpen()); });
    connect(m_browser, &QTextBrowser::forwardAvailable, this,
            [this](bool available) { m_forward->setEnabled(available && isOpen()); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::selectContentsItemFor);
    connect(m_browser, &HelpBrowser::notesChanged, this, &HelpWindow::showNotes);
    connect(m_contents, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { contentsItemChosen(current); });
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { contentsItemChosen(item); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

HelpWindow::~HelpWindow()
{
    // The browser reads from the archive; detach it before the archive goes.
    m_browser->setArchive(nullptr);
}

HelpWindow *HelpWindow::showHelp(QWidget *owner, const QString &language)
{
    HelpWindow *window = nullptr;
    if (owner) {
        // A hidden one has been closed and is about to be deleted.
        for (HelpWindow *child : owner->findChildren<HelpWindow *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) {
                window = child;
                break;
            }
        }
    }
    const bool fresh = window == nullptr;
    if (fresh) {
        window = new HelpWindow(owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!window->isOpen()) {
        const HelpFileLocator locator = HelpFileLocator::forThisProgram();
        const QString path = locator.findFirst(helpFileNames(language));
        if (path.isEmpty())
            window->showNotFound(kHelpFileName, locator.searchDirectories());
        else
            window->openFile(path);
    }
    if (fresh)
        window->placeOverOwner();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::clearPages()
{
    m_browser->setArchive(nullptr);
    m_browser->clear();
    m_browser->clearHistory();
    m_contents->clear();
    m_entries.clear();
    m_homeUrl.clear();
    m_errorText.clear();
    m_contentsNotes.clear();
    showNotes();
    m_archive.close();
    for (QAction *action : {m_back, m_forward, m_home})
        action->setEnabled(false);
}

bool HelpWindow::openFile(const QString &fileName)
{
    clearPages();
    m_fileName = QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(fileName));
    setWindowTitle(tr("Kestrin Editor Help"));

    const auto cannotOpen = [this](const QString &reason) {
        showError(tr("The help file \"%1\" cannot be opened: %2").arg(m_fileName, reason),
                  tr("<p>The help file <b>%1</b> cannot be opened: %2</p>")
                      .arg(m_fileName.toHtmlEscaped(), reason.toHtmlEscaped()));
        return false;
    };
    if (!m_archive.open(m_fileName))
        return cannotOpen(m_archive.errorString());

    readContents();

    // A damaged file can keep its directory and lose its compressed pages:
    // the page it opens at must be readable (a page too large to read is
    // not shown anyway, and says so itself).
    const QString home = chooseHomePage(m_archive, m_entries);
    const QString homePath = withoutFragment(home);
    if (home.isEmpty()
        || (m_archive.objectSize(homePath).value_or(0) <= HelpBrowser::kMaxPageBytes && !m_archive.read(homePath))) {
        m_archive.close();
        m_entries.clear();
        m_contentsNotes.clear();
        return cannotOpen(tr("the file is damaged: its pages cannot be read."));
    }

    // The window keeps its own title: the file's could claim to be any
    // other window.
    fillContents(nullptr, m_entries);
    m_contents->expandAll();
    m_contents->setVisible(!m_entries.isEmpty());

    m_browser->setArchive(&m_archive);
    m_homeUrl = HelpBrowser::urlForPath(home);
    m_browser->setSource(m_homeUrl);
    m_browser->clearHistory();
    m_home->setEnabled(true);
    return true;
}

// The table of contents: the one the file names, else the first it holds,
// with notes where it is cut down.
void HelpWindow::readContents()
{
    QString contentsFile = m_archive.contentsFile();
    if (contentsFile.isEmpty() || !m_archive.contains(contentsFile)) {
        contentsFile.clear();
        for (const QString &entry : m_archive.entries()) {
            if (entry.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
                contentsFile = entry;
                break;
            }
        }
    }
    if (!contentsFile.isEmpty()) {
        if (m_archive.objectSize(contentsFile).value_or(0) > kMaxContentsBytes) {
            m_contentsNotes << tr("The table of contents is too large to show.");
        } else if (const std::optional<QByteArray> sitemap = m_archive.read(contentsFile)) {
            SitemapCuts cuts;
            m_entries = parseSitemap(*sitemap, &cuts);
            if (cuts.flattened)
                m_contentsNotes << tr("The table of contents is nested too deeply: entries below level %1 are "
                                      "shown at level %1.")
                                       .arg(kMaxContentsDepth);
            if (cuts.truncated)
                m_contentsNotes << tr("The table of contents is too long: only its first %1 entries are shown.")
                                       .arg(kMaxContentsEntries);
        }
    }
}

void HelpWindow::showNotFound(const QString &fileName, const QStringList &searchedDirectories)
{
    clearPages();
    m_fileName = fileName;
    setWindowTitle(tr("Kestrin Editor Help"));
    QString list;
    QString plain = tr("The help file \"%1\" was not found. These folders were searched:").arg(fileName);
    for (const QString &dir : searchedDirectories) {
        list += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(dir).toHtmlEscaped());
        plain += QLatin1Char('\n') + QDir::toNativeSeparators(dir);
    }
    showError(plain, tr("<p>The help file <b>%1</b> was not found. These folders were searched, "
                        "in this order:</p><ul>%2</ul>"
                        "<p>Put the file into one of them and choose Help Contents again.</p>")
                         .arg(fileName.toHtmlEscaped(), list));
}

QString HelpWindow::statusText() const
{
    return m_statusText->text();
}

void HelpWindow::showNotes()
{
    const QStringList notes = m_contentsNotes + m_browser->notes();
    m_statusText->setText(notes.join(QLatin1Char(' ')));
    m_status->setVisible(!notes.isEmpty());
}

void HelpWindow::showError(const QString &plainText, const QString &html)
{
    m_errorText = plainText;
    m_contents->hide();
    m_browser->setHtml(errorPage(html));
}

void HelpWindow::goHome()
{
    if (isOpen() && m_homeUrl.isValid())
        m_browser->setSource(m_homeUrl);
}

void HelpWindow::fillContents(QTreeWidgetItem *parent, const QList<ContentsEntry> &entries)
{
    for (const ContentsEntry &entry : entries) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, entry.name);
        if (!entry.local.isEmpty()) {
            const QUrl url =
                entry.local.startsWith(QLatin1Char('/')) ? HelpBrowser::urlForPath(entry.local) : QUrl(entry.local);
            item->setData(0, kUrlRole, url);
            item->setToolTip(0, entry.name);
        }
        fillContents(item, entry.children);
    }
}

void HelpWindow::contentsItemChosen(QTreeWidgetItem *item)
{
    if (!item || !isOpen())
        return;
    const QUrl url = item->data(0, kUrlRole).toUrl();
    if (url.isEmpty() || url == m_browser->source())
        return;
    m_browser->followLink(url);
}

void HelpWindow::selectContentsItemFor(const QUrl &url)
{
    QTreeWidgetItem *exact = nullptr;
    QTreeWidgetItem *samePage = nullptr;
    const QUrl page = url.adjusted(QUrl::RemoveFragment);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        const QUrl itemUrl = (*it)->data(0, kUrlRole).toUrl();
        if (itemUrl.isEmpty())
            continue;
        if (itemUrl == url) {
            exact = *it;
            break;
        }
        if (!samePage && itemUrl.adjusted(QUrl::RemoveFragment) == page)
            samePage = *it;
    }
    QTreeWidgetItem *item = exact ? exact : samePage;
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentItem(item);
    if (item)
        m_contents->scrollToItem(item);
    else
        m_contents->clearSelection();
    m_contents->viewport()->update();
}

void HelpWindow::placeOverOwner()
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center() : available.center());
    if (available.isValid()) {
        if (frame.width() > available.width() || frame.height() > available.height()) {
            resize(size().boundedTo(available.size() * 0.9));
            frame.setSize(size());
            frame.moveCenter(available.center());
        }
        frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
        frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    }
    move(frame.topLeft());
}

} // namespace kestrin::help
