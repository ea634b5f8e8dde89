// SPDX-License-Identifier: MIT
#include "helpbrowser.h"
#include "helplocator.h"
#include "helptestsupport.h"
#include "helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace kestrin::help {
namespace {

using namespace testing;

QUrl page(const char *path)
{
    return HelpBrowser::urlForPath(QString::fromUtf8(path));
}

QString shownText(const HelpWindow &window)
{
    return window.browser()->toPlainText();
}

QTreeWidgetItem *contentsItem(const HelpWindow &window, const QString &name)
{
    for (QTreeWidgetItemIterator it(window.contentsTree()); *it; ++it) {
        if ((*it)->text(0) == name)
            return *it;
    }
    return nullptr;
}

QStringList contentsNames(const HelpWindow &window)
{
    QStringList names;
    for (QTreeWidgetItemIterator it(window.contentsTree()); *it; ++it)
        names << (*it)->text(0);
    return names;
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.openFile(builtHelpFile())) << window.errorText().toStdString(); }

    HelpWindow window;
};

TEST_F(HelpWindowTest, OpensAtTheDefaultTopic)
{
    EXPECT_TRUE(window.isOpen());
    EXPECT_TRUE(window.errorText().isEmpty());
    EXPECT_EQ(window.fileName(), builtHelpFile());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrin Editor Help"));
    EXPECT_EQ(window.homeUrl(), page("/index.html"));
    EXPECT_EQ(window.browser()->source(), page("/index.html"));
    EXPECT_EQ(window.browser()->documentTitle(), QStringLiteral("Kestrin Editor Help"));
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("Kestrin Editor makes ReadMe files")));
    EXPECT_FALSE(window.backAction()->isEnabled());
    EXPECT_FALSE(window.forwardAction()->isEnabled());
    EXPECT_TRUE(window.homeAction()->isEnabled());
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.contentsTree()->currentItem(), contentsItem(window, QStringLiteral("Kestrin Editor Help")));
}

TEST_F(HelpWindowTest, FollowsLinksRelativeToTheCurrentPage)
{
    window.browser()->followLink(QUrl(QStringLiteral("topics/create.html")));
    EXPECT_EQ(window.browser()->source(), page("/topics/create.html"));
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("Type the ending .txt yourself")));

    // From a page in a folder: a sibling, a fragment on another page, the root.
    window.browser()->followLink(QUrl(QStringLiteral("saving.html")));
    EXPECT_EQ(window.browser()->source(), page("/topics/saving.html"));
    window.browser()->followLink(QUrl(QStringLiteral("requirements.html#addons")));
    EXPECT_EQ(window.browser()->source(), page("/topics/requirements.html#addons"));
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("None - official only")));
    window.browser()->followLink(QUrl(QStringLiteral("../index.html")));
    EXPECT_EQ(window.browser()->source(), page("/index.html"));
}

// A real click on a link in the shown page.
TEST_F(HelpWindowTest, ClickOnALinkOpensItsPage)
{
    window.resize(900, 640);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    HelpBrowser *browser = window.browser();
    QTextCursor link;
    for (QTextBlock block = browser->document()->begin(); block.isValid() && link.isNull(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == QLatin1String("topics/getting-started.html")) {
                link = QTextCursor(browser->document());
                link.setPosition(fragment.position() + 1);
                break;
            }
        }
    }
    ASSERT_FALSE(link.isNull());
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(browser->source(), page("/topics/getting-started.html"));
    EXPECT_TRUE(shownText(window).startsWith(QStringLiteral("Getting started")));
}

TEST_F(HelpWindowTest, PicturesAndStyleSheetsComeFromTheHelpFile)
{
    HelpBrowser *browser = window.browser();
    window.browser()->followLink(QUrl(QStringLiteral("topics/main-window.html")));

    // Asked the way the page asks for them, relative to the page.
    const QVariant css =
        browser->loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("../kestrin.css")));
    EXPECT_TRUE(css.toByteArray().contains("font-family"));
    const QVariant png =
        browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../images/main-window.png")));
    EXPECT_EQ(png.value<QImage>().size(), QSize(520, 420));
    // A picture that cannot be had is a small stand-in, never an empty
    // answer (on which the text layout would look for the name on disk).
    for (const char *missing : {"../images/none.png", "http://example.org/a.png"}) {
        const QVariant stand = browser->loadResource(QTextDocument::ImageResource, QUrl(QLatin1String(missing)));
        EXPECT_EQ(stand.value<QImage>().size(), QSize(16, 16)) << missing;
    }

    // And the page really shows them: the picture is decoded at its size...
    const QVariant image =
        browser->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("../images/main-window.png")));
    const QImage decoded =
        image.value<QImage>().isNull() ? QImage::fromData(image.toByteArray()) : image.value<QImage>();
    EXPECT_EQ(decoded.size(), QSize(520, 420));
    // ...and the heading has the style sheet's colour.
    const QTextBlock heading = browser->document()->begin();
    ASSERT_EQ(heading.text().trimmed(), QStringLiteral("The main window"));
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(QStringLiteral("#24476b")));
}

TEST_F(HelpWindowTest, BackAndForwardRetraceTheWay)
{
    HelpBrowser *browser = window.browser();
    browser->followLink(QUrl(QStringLiteral("topics/new.html")));
    browser->followLink(QUrl(QStringLiteral("minimize.html")));
    EXPECT_TRUE(window.backAction()->isEnabled());
    EXPECT_FALSE(window.forwardAction()->isEnabled());

    window.backAction()->trigger();
    EXPECT_EQ(browser->source(), page("/topics/new.html"));
    EXPECT_TRUE(window.forwardAction()->isEnabled());
    window.backAction()->trigger();
    EXPECT_EQ(browser->source(), page("/index.html"));
    EXPECT_FALSE(window.backAction()->isEnabled());

    window.forwardAction()->trigger();
    window.forwardAction()->trigger();
    EXPECT_EQ(browser->source(), page("/topics/minimize.html"));
    EXPECT_FALSE(window.forwardAction()->isEnabled());
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("Restore Kestrin Editor")));

    // A new page after going back drops the pages ahead.
    window.backAction()->trigger();
    browser->followLink(QUrl(QStringLiteral("exit.html")));
    EXPECT_FALSE(window.forwardAction()->isEnabled());

    window.homeAction()->trigger();
    EXPECT_EQ(browser->source(), page("/index.html"));
}

TEST_F(HelpWindowTest, KeyboardGoesBackForwardHomeAndCloses)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    HelpBrowser *browser = window.browser();
    browser->setFocus();
    browser->followLink(QUrl(QStringLiteral("topics/new.html")));
    browser->followLink(QUrl(QStringLiteral("exit.html")));

    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser->source(), page("/topics/new.html"));
    QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(browser->source(), page("/topics/exit.html"));
    QTest::keyClick(browser, Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(browser->source(), page("/index.html"));
    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(HelpWindowTest, ContentsListTheTopicsInOrderAndOpenThem)
{
    EXPECT_EQ(contentsNames(window), (QStringList{"Kestrin Editor Help",
                                                  "Getting started",
                                                  "The main window",
                                                  "Basic data",
                                                  "Requirements",
                                                  "Installation",
                                                  "Details",
                                                  "Credits",
                                                  "The \"Allow\" switches",
                                                  "Creating the ReadMe",
                                                  "The ReadMe file",
                                                  "Saving, code pages and save errors",
                                                  "Preview, forum post and Markdown",
                                                  "Keeping the article in a file",
                                                  "Importing from a mission or addon",
                                                  "Starting again with New",
                                                  "Minimize to the notification area",
                                                  "Exit and closing the window",
                                                  "Help and About",
                                                  "Keyboard shortcuts",
                                                  "The kestrin-readme command"}));
    EXPECT_TRUE(window.contentsTree()->isVisibleTo(&window));
    EXPECT_EQ(window.contentsTree()->topLevelItemCount(), 13);
    EXPECT_TRUE(contentsItem(window, QStringLiteral("The main window"))->isExpanded());

    // Choosing each topic opens its page, in the order of the list.
    const QStringList topics = helpTopicsInOrder();
    int index = 0;
    for (QTreeWidgetItemIterator it(window.contentsTree()); *it; ++it, ++index) {
        window.contentsTree()->setCurrentItem(*it);
        EXPECT_EQ(window.browser()->source(), HelpBrowser::urlForPath(topics.at(index))) << index;
        EXPECT_FALSE(shownText(window).contains(QStringLiteral("Page not available")));
    }
    EXPECT_EQ(index, topics.size());

    // On a part of a page, a click on that page's item, already the current
    // one, opens the page at its top.
    window.browser()->followLink(QUrl(QStringLiteral("/topics/requirements.html#addons")));
    QTreeWidgetItem *requirements = contentsItem(window, QStringLiteral("Requirements"));
    ASSERT_EQ(window.contentsTree()->currentItem(), requirements);
    emit window.contentsTree()->itemClicked(requirements, 0);
    EXPECT_EQ(window.browser()->source(), page("/topics/requirements.html"));
}

TEST_F(HelpWindowTest, ContentsFollowThePageShown)
{
    window.browser()->followLink(QUrl(QStringLiteral("topics/installation.html")));
    EXPECT_EQ(window.contentsTree()->currentItem(), contentsItem(window, QStringLiteral("Installation")));
    window.browser()->followLink(QUrl(QStringLiteral("requirements.html#addons")));
    EXPECT_EQ(window.contentsTree()->currentItem(), contentsItem(window, QStringLiteral("Requirements")));
    window.backAction()->trigger();
    EXPECT_EQ(window.contentsTree()->currentItem(), contentsItem(window, QStringLiteral("Installation")));
    // Following the contents did not add a page of its own to the history.
    window.backAction()->trigger();
    EXPECT_EQ(window.browser()->source(), page("/index.html"));
}

TEST_F(HelpWindowTest, WebLinksGoToTheDesktopAndMissingPagesSaySo)
{
    QList<QUrl> external;
    window.browser()->setExternalLinkHandler([&external](const QUrl &url) { external << url; });
    window.browser()->followLink(QUrl(QStringLiteral("http://forums.bistudio.com/index.php")));
    EXPECT_EQ(external, QList<QUrl>{QUrl(QStringLiteral("http://forums.bistudio.com/index.php"))});
    EXPECT_EQ(window.browser()->source(), page("/index.html"));

    window.browser()->followLink(QUrl(QStringLiteral("topics/nowhere.html")));
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("This page is not in the help file.")));
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("/topics/nowhere.html")));
    window.backAction()->trigger();
    EXPECT_EQ(window.browser()->source(), page("/index.html"));
}

TEST(HelpWindow, OpensAFileWithoutADefaultTopicAtItsFirstContentsPage)
{
    HelpWindow window;
    ASSERT_TRUE(window.openFile(fixtureFile("tocfirst")));
    EXPECT_EQ(window.browser()->source(), page("/second.html"));
    // The file's own title ("Contents first") never replaces the window's.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrin Editor Help"));
    HelpWindow bare;
    ASSERT_TRUE(bare.openFile(fixtureFile("bare")));
    EXPECT_EQ(bare.browser()->source(), page("/alpha.html"));
    EXPECT_EQ(bare.windowTitle(), QStringLiteral("Kestrin Editor Help"));
    EXPECT_FALSE(bare.contentsTree()->isVisibleTo(&bare));
}

void expectShowsError(const HelpWindow &window, const QString &fileName, const QString &reason)
{
    EXPECT_FALSE(window.isOpen());
    EXPECT_TRUE(window.errorText().contains(fileName)) << window.errorText().toStdString();
    EXPECT_TRUE(window.errorText().contains(reason)) << window.errorText().toStdString();
    const QString shown = shownText(window);
    EXPECT_TRUE(shown.contains(QStringLiteral("The help cannot be shown"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(fileName)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(reason)) << shown.toStdString();
    EXPECT_FALSE(window.contentsTree()->isVisibleTo(&window));
    EXPECT_EQ(window.contentsTree()->topLevelItemCount(), 0);
    EXPECT_FALSE(window.backAction()->isEnabled());
    EXPECT_FALSE(window.forwardAction()->isEnabled());
    EXPECT_FALSE(window.homeAction()->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrin Editor Help"));
}

TEST(HelpWindow, AMissingOrDamagedFileIsNamedWithTheReason)
{
    QTemporaryDir dir;
    const QByteArray good = readBytes(builtHelpFile());
    const QString missing = dir.filePath(QStringLiteral("Kestrin_Editor_Help.chm"));
    {
        HelpWindow window;
        EXPECT_FALSE(window.openFile(missing));
        expectShowsError(window, missing, QStringLiteral("the file does not exist."));
    }
    for (const Damage &damage : damages()) {
        SCOPED_TRACE(damage.name);
        const QString path = dir.filePath(QString::fromUtf8(damage.name) + QStringLiteral(".chm"));
        writeBytes(path, damage.apply(good));
        HelpWindow window;
        window.show();
        if (!damage.detectable()) {
            // Garbled pages cannot be told from good ones: shown, no harm.
            window.openFile(path);
            window.browser()->followLink(QUrl(QStringLiteral("topics/create.html")));
            continue;
        }
        EXPECT_FALSE(window.openFile(path));
        expectShowsError(window, path, QStringLiteral("cannot be opened: ") + QString::fromUtf8(damage.reason));
        // Whatever is clicked afterwards does nothing.
        window.backAction()->trigger();
        window.homeAction()->trigger();
        window.browser()->followLink(QUrl(QStringLiteral("index.html")));
        EXPECT_FALSE(window.isOpen());
    }
}

TEST(HelpWindow, RecoversWhenAGoodFileIsOpenedAfterABadOne)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.chm"));
    writeBytes(bad, "ITSF and nothing else");
    HelpWindow window;
    ASSERT_TRUE(window.openFile(builtHelpFile()));
    window.browser()->followLink(QUrl(QStringLiteral("topics/exit.html")));
    EXPECT_FALSE(window.openFile(bad));
    expectShowsError(window, bad, QStringLiteral("cannot be opened"));
    // The browser's own keys (Alt+Left, Alt+Up) do not bring a page back.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right})
        QTest::keyClick(window.browser(), key, Qt::AltModifier);
    expectShowsError(window, bad, QStringLiteral("cannot be opened"));
    ASSERT_TRUE(window.openFile(builtHelpFile()));
    EXPECT_EQ(window.browser()->source(), page("/index.html"));
    EXPECT_TRUE(shownText(window).contains(QStringLiteral("Kestrin Editor makes ReadMe files")));
    EXPECT_FALSE(window.backAction()->isEnabled());
    EXPECT_EQ(window.contentsTree()->topLevelItemCount(), 13);
    EXPECT_TRUE(window.errorText().isEmpty());
}

TEST(HelpWindow, NotFoundListsTheFoldersSearched)
{
    HelpWindow window;
    window.showNotFound(kHelpFileName, {QStringLiteral("/first/place"), QStringLiteral("/second/place")});
    expectShowsError(window, kHelpFileName, QStringLiteral("was not found"));
    const QString shown = shownText(window);
    EXPECT_LT(shown.indexOf(QStringLiteral("/first/place")), shown.indexOf(QStringLiteral("/second/place")));
    EXPECT_TRUE(window.errorText().contains(QStringLiteral("/second/place")));
}

// Help Contents as the main window calls it.
class ShowHelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(current.isValid());
        ASSERT_TRUE(QDir::setCurrent(current.path()));
        owner.setWindowTitle(QStringLiteral("Owner"));
        owner.resize(480, 400);
        owner.show();
    }
    void TearDown() override { QDir::setCurrent(savedDir); }

    QString besideProgram() const { return QDir(QCoreApplication::applicationDirPath()).filePath(kHelpFileName); }

    QString savedDir = QDir::currentPath();
    QTemporaryDir current;
    QWidget owner;
};

TEST_F(ShowHelpTest, FindsTheFileBesideTheProgramAndOpensAnOwnedWindow)
{
    ASSERT_TRUE(QFileInfo::exists(besideProgram())) << "the build copies the help file beside the tests";
    HelpWindow *window = HelpWindow::showHelp(&owner);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isOpen()) << window->errorText().toStdString();
    EXPECT_EQ(window->fileName(), besideProgram());
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(window->browser()->source(), page("/index.html"));

    // Help Contents again brings the same window forward, where it was.
    window->browser()->followLink(QUrl(QStringLiteral("topics/new.html")));
    EXPECT_EQ(HelpWindow::showHelp(&owner), window);
    EXPECT_EQ(window->browser()->source(), page("/topics/new.html"));
    EXPECT_EQ(owner.findChildren<HelpWindow *>().size(), 1);

    // Closing it ends it; the next Help Contents opens a new one.
    QPointer<HelpWindow> closed(window);
    window->close();
    HelpWindow *next = HelpWindow::showHelp(&owner);
    EXPECT_NE(next, window);
    EXPECT_EQ(next->browser()->source(), page("/index.html"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    next->close();
}

TEST_F(ShowHelpTest, TheCurrentDirectoryComesFirst)
{
    // A broken copy in the current directory wins over the good one beside
    // the program, and the message names the current directory's copy.
    const QString here = QDir(current.path()).filePath(kHelpFileName);
    writeBytes(here, "broken");
    HelpWindow *window = HelpWindow::showHelp(&owner);
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(window->fileName(), here);
    EXPECT_TRUE(window->errorText().contains(here));

    // Once it is good, Help Contents tries again in the open window.
    ASSERT_TRUE(QFile::remove(here));
    ASSERT_TRUE(QFile::copy(builtHelpFile(), here));
    EXPECT_EQ(HelpWindow::showHelp(&owner), window);
    EXPECT_TRUE(window->isOpen());
    EXPECT_EQ(window->fileName(), here);
    window->close();
}

TEST_F(ShowHelpTest, TheOwnerCarriesOnWhenTheHelpCannotBeShown)
{
    const QString here = QDir(current.path()).filePath(kHelpFileName);
    writeBytes(here, QByteArray(5000, '\xff'));
    HelpWindow *window = HelpWindow::showHelp(&owner);
    EXPECT_FALSE(window->isOpen());
    EXPECT_TRUE(owner.isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(owner.windowTitle(), QStringLiteral("Owner"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(owner.findChildren<HelpWindow *>().isEmpty());
}

} // namespace
} // namespace kestrin::help
