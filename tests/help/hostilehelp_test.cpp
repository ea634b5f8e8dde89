// SPDX-License-Identifier: MIT
// A help file written to do harm, compiled here with chmcmd: links of every
// kind, pictures and style sheets named outside the file (one of them a FIFO
// whose opening would block), a contents tree and pages nested far too
// deeply, a page too large to show. Nothing outside the file may be opened,
// only web and mail links may reach the desktop, and the program must keep
// answering.
#include "helpbrowser.h"
#include "helpcontents.h"
#include "helptestsupport.h"
#include "helpwindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kestrin::help {
namespace {

using namespace testing;

// Catches a hang instead of waiting for the test's time-out: fails the run
// when the user-interface thread spends more than a second of processor time
// on one step (a freeze; its own time, which other processes on a busy
// machine do not inflate), or stays away for half a minute (blocked, on a
// FIFO say: the guard then opens the FIFO's other end to see).
class HangGuard {
public:
    HangGuard(std::string step, QString fifo)
        : m_step(std::move(step))
        , m_fifo(std::move(fifo))
    {
        pthread_getcpuclockid(pthread_self(), &m_clock);
        m_startCpu = cpuSeconds();
        m_thread = std::thread([this] { watch(); });
    }
    ~HangGuard()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    double cpuSeconds() const
    {
        timespec ts{};
        clock_gettime(m_clock, &ts);
        return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
    }

    void watch()
    {
        using namespace std::chrono_literals;
        const auto start = std::chrono::steady_clock::now();
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, 50ms, [this] { return m_done; })) {
            const bool busy = cpuSeconds() - m_startCpu > kCpuLimitSeconds;
            const bool away = std::chrono::steady_clock::now() - start > 30s;
            if (!busy && !away)
                continue;
            std::fprintf(stderr, "HANG: the program stopped answering during \"%s\" (%s)\n", m_step.c_str(),
                         busy ? "over a second of processor time" : "blocked for 30 s");
            const int writer = ::open(QFile::encodeName(m_fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                std::fprintf(stderr, "HANG: and something had the FIFO open for reading\n");
            std::fflush(stderr);
            std::_Exit(1);
        }
    }

#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
    static constexpr double kCpuLimitSeconds = 1.0;
#else
    static constexpr double kCpuLimitSeconds = 10.0; // unoptimised or instrumented code
#endif
    std::string m_step;
    QString m_fifo;
    clockid_t m_clock{};
    double m_startCpu = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

// Records the links handed to the desktop, in place of the desktop's opener.
class DesktopOpener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

QString repeated(const char *text, int times)
{
    return QString::fromLatin1(text).repeated(times);
}

// Nested <UL> lists `depth` levels deep, one entry a level.
QString deepContents(int depth)
{
    QString hhc = QStringLiteral("<html><body>");
    for (int i = 0; i < depth; ++i)
        hhc += QStringLiteral("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Level %1\">"
                              "<param name=\"Local\" value=\"index.html\"></object>")
                   .arg(i + 1);
    return hhc + repeated("</ul>", depth) + QStringLiteral("</body></html>");
}

// Pictures of the file, each by an address of its own.
QString manyPictures(int count)
{
    QString html;
    for (int i = 0; i < count; ++i)
        html += QStringLiteral("<img src=s.png?%1>").arg(i);
    return html;
}

class HostileHelp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        ASSERT_TRUE(s_dir->isValid());
        const QString source = s_dir->filePath(QStringLiteral("source"));
        const QString outside = s_dir->filePath(QStringLiteral("outside"));
        ASSERT_TRUE(QDir().mkpath(source + QStringLiteral("/topics")));

        // Ways out of the archive, for each of the files outside.
        QString images;
        for (const char *name : {"picture.png", "fifo.png"}) {
            const QString target = outside + QLatin1Char('/') + QLatin1String(name);
            for (const QString &src : {QStringLiteral("file://") + target, target, repeated("../", 12) + target.mid(1),
                                       QStringLiteral("../../outside/%1").arg(name)})
                images += QStringLiteral("<img src=\"%1\"><table background=\"%1\"><tr><td>x</td></tr></table>"
                                         "<p style=\"background-image: url(%1)\">x</p>")
                              .arg(src);
        }
        images += QStringLiteral("<img src=\"file:///dev/zero\"><img src=\"/dev/zero\"><img src=\"huge.png\">");

        const QString css = QStringLiteral("file://%1/style.css").arg(outside);
        const QMap<QString, QString> pages{
            {QStringLiteral("index.html"), QStringLiteral("<html><body><h1>Start</h1></body></html>")},
            {QStringLiteral("topics/pictures.html"),
             QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"%1\"><link rel=\"stylesheet\" "
                            "href=\"../../outside/style.css\"><style>@import url(%1);</style></head><body>%2</body>"
                            "</html>")
                 .arg(css, images)},
            {QStringLiteral("topics/tables.html"), repeated("<table border=\"1\"><tr><td>cell</td><td>", 25)
                                                       + QStringLiteral("deepest")
                                                       + repeated("</td></tr></table>", 25)},
            {QStringLiteral("topics/divs.html"),
             repeated("<div>", 30000) + QStringLiteral("deepest") + repeated("</div>", 30000)},
            {QStringLiteral("topics/spans.html"), repeated("<span><b>", 20000) + QStringLiteral("deepest")},
            {QStringLiteral("topics/word.html"), QString(400000, QLatin1Char('w'))},
            {QStringLiteral("topics/big.html"), QStringLiteral("<p>") + QString(600 * 1024, QLatin1Char('x'))},
            // Sizes the text layout would take at their word.
            {QStringLiteral("topics/padding.html"),
             QStringLiteral("<table border=\"99999999\" cellpadding=\"99999999\" cellspacing=\"99999999\"><tr><td>"
                            "padded</td></tr></table>")},
            {QStringLiteral("topics/widths.html"),
             QStringLiteral("<table width=\"99999999\"><tr><td width=\"99999999\" height=\"99999999\">wide</td>"
                            "</tr></table><hr width=\"99999999\">")},
            {QStringLiteral("topics/cellspans.html"),
             QStringLiteral("<table>")
                 + repeated("<tr><td colspan=\"100000\" rowspan=\"100000\">spanned</td></tr>", 200)
                 + QStringLiteral("</table>")},
            {QStringLiteral("topics/manypictures.html"), manyPictures(20000) + QStringLiteral("pictured")},
        };
        QString files;
        for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
            writeBytes(source + QLatin1Char('/') + it.key(), it.value().toUtf8());
            files += it.key() + QLatin1Char('\n');
        }
        ASSERT_TRUE(QImage(5000, 5000, QImage::Format_Mono).save(source + QStringLiteral("/topics/huge.png")));
        ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(source + QStringLiteral("/topics/s.png")));
        writeBytes(source + QStringLiteral("/contents.hhc"), deepContents(30000).toUtf8());
        writeBytes(source + QStringLiteral("/hostile.hhp"),
                   QStringLiteral("[OPTIONS]\nCompiled file=hostile.chm\nDefault topic=index.html\nTitle=Hostile\n\n"
                                  "[FILES]\ncontents.hhc\ntopics/huge.png\ntopics/s.png\n%1")
                       .arg(files)
                       .toUtf8());

        QProcess chmcmd;
        chmcmd.setWorkingDirectory(source);
        chmcmd.start(QStringLiteral(KESTRIN_CHMCMD), {QStringLiteral("hostile.hhp")});
        ASSERT_TRUE(chmcmd.waitForFinished(120000));
        ASSERT_TRUE(QFileInfo::exists(source + QStringLiteral("/hostile.chm"))) << chmcmd.readAll().toStdString();

        // The files outside, made only now so that the compiler cannot pack
        // them: a picture, a style sheet that would colour the text, a FIFO.
        ASSERT_TRUE(QDir().mkpath(outside));
        ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(outside + QStringLiteral("/picture.png")));
        writeBytes(outside + QStringLiteral("/style.css"), "body { color: #ff0000 }");
        ASSERT_EQ(::mkfifo(QFile::encodeName(outside + QStringLiteral("/fifo.png")).constData(), 0644), 0);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    void SetUp() override
    {
        m_watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(m_watch, 0);
        ASSERT_GE(inotify_add_watch(m_watch, QFile::encodeName(outsideDir()).constData(), IN_OPEN | IN_ACCESS), 0);
        owner.show();
        window = new HelpWindow(&owner);
        window->resize(900, 640);
        window->show();
        HangGuard guard("opening the help file", fifo());
        ASSERT_TRUE(window->openFile(s_dir->filePath(QStringLiteral("source/hostile.chm"))))
            << window->errorText().toStdString();
    }
    void TearDown() override
    {
        // Nothing outside the help file was opened, and nothing holds the
        // FIFO open.
        char events[4096];
        const ssize_t got = ::read(m_watch, events, sizeof events);
        EXPECT_EQ(got, -1) << "a file outside the help file was opened";
        ::close(m_watch);
        const int writer = ::open(QFile::encodeName(fifo()).constData(), O_WRONLY | O_NONBLOCK);
        EXPECT_TRUE(writer < 0 && errno == ENXIO) << "the FIFO has a reader";
        if (writer >= 0)
            ::close(writer);
        delete window;
    }

    static QString outsideDir() { return s_dir->filePath(QStringLiteral("outside")); }
    static QString fifo() { return outsideDir() + QStringLiteral("/fifo.png"); }

    // Opens a page as a click on a link to it does, lays it out and paints
    // it; then the window that owns the help must still answer.
    void visit(const char *link)
    {
        HangGuard guard(link, fifo());
        window->browser()->followLink(QUrl(QLatin1String(link)));
        window->browser()->document()->pageCount(); // the whole page laid out

        window->repaint();
        bool answered = false;
        QMetaObject::invokeMethod(
            &owner, [&answered] { answered = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        EXPECT_TRUE(answered) << link;
    }

    static inline QTemporaryDir *s_dir = nullptr;
    int m_watch = -1;
    QWidget owner;
    HelpWindow *window = nullptr;
};

TEST_F(HostileHelp, OnlyWebAndMailLinksReachTheDesktop)
{
    enum Outcome { Page, Desktop, Refused };
    const struct {
        const char *link;
        Outcome outcome;
        const char *handed = nullptr; // what the desktop is given, when not the link itself
    } links[] = {
        {"http://example.org/a", Desktop},
        // A mail link goes with its address, subject and text only.
        {"mailto:someone@example.org?attach=/etc/shadow&Subject=Hi%20there&cc=other@example.org&body=Text&x-h=1",
         Desktop, "mailto:someone@example.org?subject=Hi%20there&body=Text"},
        {"mailto:someone@example.org?attachment=%2Fetc%2Fshadow", Desktop, "mailto:someone@example.org"},
        {"https://example.org/b", Desktop},
        {"mailto:someone@example.org", Desktop},
        {"file:///etc/passwd", Refused},
        {"javascript:alert(1)", Refused},
        {"smb://server/share", Refused},
        {"data:text/html,<b>hi</b>", Refused},
        {"ftp://example.org/c", Refused},
        {"vbscript:run", Refused},
        {"ms-its:hostile.chm::/index.html", Page},
        {"../../../../etc/passwd", Page},
    };
    DesktopOpener opener;
    const QStringList schemes{"http", "https", "mailto", "file", "javascript", "smb", "data", "ftp", "vbscript"};
    for (const QString &scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &opener, "open");

    QList<QUrl> expected;
    for (const auto &[link, outcome, handed] : links) {
        SCOPED_TRACE(link);
        const QUrl before = window->browser()->source();
        visit(link);
        switch (outcome) {
        case Desktop:
            expected << QUrl(QLatin1String(handed ? handed : link));
            EXPECT_EQ(window->browser()->source(), before);
            EXPECT_TRUE(window->browser()->notes().isEmpty()) << window->statusText().toStdString();
            break;
        case Refused:
            EXPECT_EQ(window->browser()->source(), before);
            EXPECT_TRUE(window->statusText().contains(QStringLiteral("was not opened")))
                << window->statusText().toStdString();
            EXPECT_TRUE(window->statusText().contains(QUrl(QLatin1String(link)).scheme() + QLatin1Char(':')));
            window->goHome();
            break;
        case Page:
            // Followed inside the help file, where the path is or is not.
            EXPECT_EQ(window->browser()->source().scheme(), HelpBrowser::kScheme);
            EXPECT_TRUE(window->browser()->notes().isEmpty()) << window->statusText().toStdString();
            break;
        }
    }
    for (const QString &scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_EQ(opener.opened, expected);
}

TEST_F(HostileHelp, PagesStayWithinTheirBoundsAndSaySo)
{
    const struct {
        const char *page;
        const char *note; // in the status line; null: none
        const char *shown;
    } pages[] = {
        {"/topics/pictures.html", "Pictures from outside the help file are not shown.", ""},
        {"/topics/tables.html", "shown flattened", "deepest"},
        {"/topics/divs.html", "shown flattened", "deepest"},
        {"/topics/spans.html", "shown flattened", "deepest"},
        {"/topics/word.html", nullptr, "wwwwwwww"},
        {"/topics/big.html", "This page is too large to show: it holds 600.0", "too large to show"},
        {"/topics/padding.html", "shown flattened", "padded"},
        {"/topics/widths.html", "shown flattened", "wide"},
        {"/topics/cellspans.html", "shown flattened", "spanned"},
        {"/topics/manypictures.html", "shown flattened", "pictured"},
        {"/index.html", nullptr, "Start"},
    };
    for (const auto &[page, note, shown] : pages) {
        SCOPED_TRACE(page);
        visit(page);
        EXPECT_EQ(window->browser()->source(), HelpBrowser::urlForPath(QLatin1String(page)));
        const QString notes = window->browser()->notes().join(u' ');
        EXPECT_EQ(notes.isEmpty(), note == nullptr) << notes.toStdString();
        EXPECT_TRUE(notes.contains(QLatin1String(note ? note : ""))) << notes.toStdString();
        EXPECT_TRUE(window->browser()->toPlainText().contains(QLatin1String(shown)));
    }

    // The file's title ("Hostile") is not the window's.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kestrin Editor Help"));

    // The picture too large to decode is left out with a note of its own.
    visit("/topics/pictures.html");
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("A picture on this page is too large to show.")));
}

TEST_F(HostileHelp, ContentsTreeIsCutToItsDepth)
{
    int deepest = 0;
    for (QTreeWidgetItemIterator it(window->contentsTree()); *it; ++it) {
        int depth = 1;
        for (QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
            ++depth;
        deepest = std::max(deepest, depth);
    }
    EXPECT_EQ(deepest, kMaxContentsDepth);
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("nested too deeply")))
        << window->statusText().toStdString();
    // The deep entries stand side by side at the last level, up to the
    // number of entries shown.
    int count = 0;
    for (QTreeWidgetItemIterator it(window->contentsTree()); *it; ++it)
        ++count;
    EXPECT_EQ(count, kMaxContentsEntries);
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("only its first 20000 entries")));
    HangGuard guard("showing the contents", fifo());
    window->contentsTree()->scrollToBottom();
    window->repaint();
}

} // namespace
} // namespace kestrin::help

#include "hostilehelp_test.moc"
