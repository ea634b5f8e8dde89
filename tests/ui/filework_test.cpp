// SPDX-License-Identifier: MIT
// The window's file work on a real file system: an article that is a pipe
// nobody writes to, saves and exports onto a pipe whose reader never reads,
// one of the program's own descriptors as a target. The window must keep
// answering (its thread spends no second of processor time on a step and
// handles a queued call meanwhile), show its progress, and Cancel must end
// the work with the old file as it was.
#include "articlereader.h"
#include "bigtextview.h"
#include "fields.h"
#include "fileservice.h"
#include "filework.h"
#include "golden.h"
#include "publishcommands.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

// Processor time of the calling thread, in seconds.
double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr double kCpuLimitSeconds = 1.0;
#else
constexpr double kCpuLimitSeconds = 10.0; // unoptimised or instrumented code
#endif

// Ends the run when one step has not returned after half a minute: the
// window's thread is blocked (in a pipe, say).
class StepGuard {
public:
    explicit StepGuard(std::string step)
        : m_thread([this, step = std::move(step)] {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait_for(lock, std::chrono::seconds(30), [this] { return m_done; })) {
                std::fprintf(stderr, "HANG: the window stopped answering during \"%s\"\n", step.c_str());
                std::_Exit(1);
            }
        })
    {
    }
    ~StepGuard()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

// While it lives: presses the progress dialog's Cancel as soon as it shows
// (or never), and counts the queued calls the window handled meanwhile.
class WindowWatch {
public:
    WindowWatch(QWidget &window, bool cancel)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this, &window, cancel] {
            ++ticks;
            auto *progress = window.findChild<QProgressDialog *>(QStringLiteral("FileProgress"));
            if (!progress || !progress->isVisible())
                return;
            progressShown = true;
            if (cancel && !m_cancelled) {
                m_cancelled = true;
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
            }
        });
        m_timer.start();
    }
    int ticks = 0;
    bool progressShown = false;

private:
    QTimer m_timer;
    bool m_cancelled = false;
};

class FileWorkWindow : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        harness = std::make_unique<WidgetHarness>();
        harness->window().publishCommands()->setServices(harness->dialog, harness->files);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void TearDown() override
    {
        for (int fd : readers)
            ::close(fd);
    }
    MainWindow &window() { return harness->window(); }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }
    QString fifo(const char *name)
    {
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        return path;
    }
    // A reader that holds the pipe open and never reads; the form holds
    // more than a pipe takes, so that the writing stops.
    void holdOpen(const QString &path)
    {
        harness->form().setText(Control::Description, QString(1 << 20, u'd'));
        readers << ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }

    QTemporaryDir dir;
    std::unique_ptr<WidgetHarness> harness;
    QList<int> readers;
};

} // namespace

TEST_F(FileWorkWindow, APipeOrADescriptorNeverStopsTheWindowAndCancelEndsTheWork)
{
    const struct {
        const char *name;
        std::function<void(FileWorkWindow &)> command;
        bool cancel;
        const char *warning; // part of the warning shown; null: none
    } rows[] = {
        {"open a pipe nobody writes to",
         [](FileWorkWindow &t) {
             t.harness->articleDialog.chooseNext(t.fifo("article.json"));
             t.action("mnuOpen")->trigger();
         },
         true, nullptr},
        {"save the article to a pipe whose reader never reads",
         [](FileWorkWindow &t) {
             const QString path = t.fifo("saved.json");
             t.holdOpen(path);
             t.harness->articleDialog.chooseNext(path);
             t.action("mnuSaveAs")->trigger();
         },
         true, nullptr},
        {"create onto a pipe whose reader never reads",
         [](FileWorkWindow &t) {
             const QString path = t.fifo("readme.txt");
             t.holdOpen(path);
             t.harness->dialog.chooseNext(path);
             t.action("mnuCreate")->trigger();
         },
         true, nullptr},
        {"export onto a pipe whose reader never reads",
         [](FileWorkWindow &t) {
             const QString path = t.fifo("readme.md");
             t.holdOpen(path);
             t.harness->dialog.chooseNext(path);
             t.action("mnuExportMarkdown")->trigger();
         },
         true, nullptr},
        {"create onto one of the program's own descriptors",
         [](FileWorkWindow &t) {
             int channel[2];
             ASSERT_EQ(::pipe2(channel, O_CLOEXEC | O_NONBLOCK), 0);
             t.readers << channel[0] << channel[1];
             t.harness->dialog.chooseNext(QStringLiteral("/proc/self/fd/%1").arg(channel[1]));
             t.action("mnuCreate")->trigger();
             char byte = 0;
             EXPECT_EQ(::read(channel[0], &byte, 1), -1); // nothing went into it
         },
         false, "one of the program's own open files"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        harness->messages.clear();
        const QString title = window().windowTitle();
        WindowWatch watch(window(), row.cancel);
        const StepGuard guard(row.name);
        const double cpu = threadCpuSeconds();
        row.command(*this);
        EXPECT_LT(threadCpuSeconds() - cpu, kCpuLimitSeconds) << "the window's thread was busy";
        if (row.cancel) {
            EXPECT_TRUE(watch.progressShown);
            EXPECT_GT(watch.ticks, 0) << "the window did not answer";
        }
        const QList<MessageRequest> &shown = harness->messages.shown();
        if (row.warning) {
            ASSERT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown.first().prompt.contains(QLatin1String(row.warning)))
                << shown.first().prompt.toStdString();
        } else {
            EXPECT_TRUE(shown.isEmpty()) << shown.first().prompt.toStdString();
        }
        EXPECT_EQ(window().windowTitle(), title);
    }
}

TEST_F(FileWorkWindow, CancelLeavesTheOldFileAsItWas)
{
    const QString path = dir.filePath(QStringLiteral("readme.txt"));
    ASSERT_TRUE(writeFileBytes(path, "the old ReadMe\r\n"));
    // A save that writes until it is told to stop.
    BackgroundFiles files(window().fileWork(), nullptr, &harness->files);
    WindowWatch watch(window(), true);
    const StepGuard guard("a save cancelled");
    const SaveResult result = files.writeStream(path, [](const ByteFileService::ByteWriter &write) {
        const QByteArray piece(4096, 'x');
        while (write(piece))
            QThread::msleep(1);
    });
    EXPECT_TRUE(watch.progressShown);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(readFileBytes(path), "the old ReadMe\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("readme.txt")});
}

namespace {

// A valid article whose description has this many lines of the text.
QByteArray articleOfLines(int lines, const QByteArray &line)
{
    QByteArray json("{\"formatVersion\": 1, \"name\": \"Big\", \"description\": [\n");
    for (int i = 0; i < lines; ++i) {
        json += '"';
        json += line;
        json += i + 1 < lines ? "\",\n" : "\"\n";
    }
    return json + "]}\n";
}

} // namespace

// An article big enough that filling the form takes a while: the window
// answers meanwhile and shows its progress; Cancel puts the form back as it
// was, with no file named; otherwise every line arrives. A text too big for
// the document is shown by the light view, whole.
TEST_F(FileWorkWindow, ABigArticleFillsTheFormWithTheWindowAnsweringAndCancelPutsItBack)
{
    auto *description = qobject_cast<MultiLineEdit *>(window().control(Control::Description));
    ASSERT_NE(description, nullptr);
    // The progress shows at the first slice, however fast the machine.
    window().fileWork().setProgressDelay(0);

    const struct {
        const char *name;
        int lines;
        QByteArray line;
        bool cancel;
        bool big; // shown by the light view
    } rows[] = {
        {"cancelled while the form fills", 40000, "a short line", true, false},
        {"filled whole a slice at a time", 40000, "a short line", false, false},
        {"too many lines for the document", 300000, "x", false, true},
        {"too many characters for the document", 2000, QByteArray(800, 'w'), false, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray bytes = articleOfLines(row.lines, row.line);
        const qsizetype lineChars = row.line.size();
        const QString path = dir.filePath(QStringLiteral("big.json"));
        ASSERT_TRUE(writeFileBytes(path, bytes));
        harness->form().setText(Control::Name, QStringLiteral("Before"));
        harness->form().setText(Control::Description, QStringLiteral("typed\r\nby hand"));
        // Typed into a field whose switch is off: no part of the article,
        // but the form's all the same.
        harness->form().setValue(Control::SkypeAllowed, 1);
        harness->form().setText(Control::Skype, QStringLiteral("typed.skype"));
        harness->form().setValue(Control::SkypeAllowed, 0);
        harness->messages.clear();
        harness->messages.answerNext(MessageAnswer::Discard); // what the form holds
        harness->articleDialog.chooseNext(path);
        const QString title = window().windowTitle();
        bool opened = false;
        {
            WindowWatch watch(window(), row.cancel);
            const StepGuard guard(row.name);
            const double cpu = threadCpuSeconds();
            opened = window().articleFiles().open();
            // A big text takes one short step: no time for the dialog.
            if (row.big) {
                EXPECT_LT(threadCpuSeconds() - cpu, kCpuLimitSeconds) << "the window's thread was busy";
            } else {
                EXPECT_TRUE(watch.progressShown);
                EXPECT_GT(watch.ticks, 0) << "the window did not answer";
            }
        }
        ASSERT_EQ(harness->messages.shown().size(), 1);
        EXPECT_TRUE(harness->messages.shown().first().prompt.startsWith(QLatin1String("Save changes")));
        if (row.cancel) {
            EXPECT_FALSE(opened);
            EXPECT_EQ(harness->form().text(Control::Name), QStringLiteral("Before"));
            EXPECT_EQ(harness->form().text(Control::Description), QStringLiteral("typed\r\nby hand"));
            EXPECT_EQ(harness->form().text(Control::Skype), QStringLiteral("typed.skype"));
            EXPECT_EQ(harness->form().value(Control::SkypeAllowed), 0);
            EXPECT_EQ(window().articleFiles().currentFile(), QString());
            EXPECT_EQ(window().windowTitle(), title);
        } else {
            EXPECT_TRUE(opened);
            EXPECT_EQ(harness->form().text(Control::Name), QStringLiteral("Big"));
            EXPECT_EQ(description->isShownBig(), row.big);
            EXPECT_EQ(row.big ? description->bigView()->lineCount() : description->blockCount(), row.lines);
            EXPECT_EQ(harness->form().text(Control::Description).size(), qsizetype(row.lines) * (lineChars + 2) - 2);
            EXPECT_FALSE(window().articleFiles().isModified());
            EXPECT_EQ(window().articleFiles().currentFile(), path);
            // Saved as another file, the whole text goes with it.
            const QString copy = dir.filePath(QStringLiteral("copy.json"));
            harness->articleDialog.chooseNext(copy);
            ASSERT_TRUE(window().articleFiles().saveAs());
            const ArticleFileRead reread = readArticleFile(copy);
            EXPECT_TRUE(reread.result.article.description == harness->form().text(Control::Description));
            EXPECT_EQ(reread.result.article.description.size(), qsizetype(row.lines) * (lineChars + 2) - 2);
        }
    }
}

// Megabytes pasted into a field land whole. A one-line field shows them cut
// and says so, and so does a multi-line field whose document could not hold
// them cheaply; Undo takes the paste back, a second Undo the typing before
// it, and all of it selected, a key replaces it (Undo bringing it back). A
// multi-line field takes a smaller paste a few lines at a time.
TEST_F(FileWorkWindow, MegabytesPastedLandWholeAndCanBeTakenBack)
{
    const QString oneLine(4 << 20, u'n');
    QString lines;
    while (lines.size() < (4 << 20))
        lines += QStringLiteral("a line of the pasted text\n");
    QString someLines;
    while (someLines.size() < 600000)
        someLines += QStringLiteral("a line of the pasted text\n");
    enum class Shown { Whole, Cut, Big };
    const struct {
        const char *name;
        Control field;
        const QString &pasted;
        Shown shown;
    } rows[] = {
        {"into Name", Control::Name, oneLine, Shown::Cut},
        {"into Version", Control::Version, oneLine, Shown::Cut},
        {"megabytes into the description", Control::Description, lines, Shown::Big},
        {"some hundred kilobytes into the description", Control::Description, someLines, Shown::Whole},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        harness->form().setText(row.field, QStringLiteral("first"));
        harness->messages.clear();
        QWidget *field = window().control(row.field);
        harness->showTabOf(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, QStringLiteral("ab"));
        ASSERT_EQ(harness->form().text(row.field), QStringLiteral("firstab"));
        QGuiApplication::clipboard()->setText(row.pasted);
        {
            WindowWatch watch(window(), false);
            const StepGuard guard(row.name);
            const double cpu = threadCpuSeconds();
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
            if (row.shown != Shown::Whole) {
                EXPECT_LT(threadCpuSeconds() - cpu, kCpuLimitSeconds) << "the window's thread was busy";
            }
        }
        QString expected = QStringLiteral("firstab") + row.pasted;
        expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        EXPECT_EQ(harness->form().text(row.field), expected);
        auto *line = qobject_cast<LineEdit *>(field);
        auto *multi = qobject_cast<MultiLineEdit *>(field);
        auto isShownReadOnly = [&] { return line ? line->isCut() : multi->isShownBig(); };
        EXPECT_EQ(isShownReadOnly(), row.shown != Shown::Whole);
        if (row.shown == Shown::Whole) {
            EXPECT_TRUE(harness->messages.shown().isEmpty());
            // One Undo takes the whole paste back.
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(harness->form().text(row.field), QStringLiteral("firstab"));
            continue;
        }
        if (line) {
            EXPECT_EQ(line->text().size(), LineEdit::kShownChars + 1);
        }
        ASSERT_EQ(harness->messages.shown().size(), 1);
        const qsizetype count = line ? row.pasted.size() + 7 : row.pasted.count(u'\n') + 1;
        EXPECT_TRUE(harness->messages.shown().first().prompt.contains(QLocale().toString(count)))
            << harness->messages.shown().first().prompt.toStdString();
        // Typing into part of it changes nothing; Undo takes the paste back,
        // and another the typing before it.
        QTest::keyClick(field, 'z');
        EXPECT_EQ(harness->form().text(row.field).size(), expected.size());
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(harness->form().text(row.field), QStringLiteral("firstab"));
        EXPECT_FALSE(isShownReadOnly());
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(harness->form().text(row.field), QStringLiteral("first"));
        // Pasted again, then replaced whole by a key; Undo brings it back.
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
        EXPECT_EQ(harness->messages.shown().size(), 2);
        EXPECT_TRUE(isShownReadOnly());
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, 'q');
        EXPECT_EQ(harness->form().text(row.field), QStringLiteral("q"));
        EXPECT_FALSE(isShownReadOnly());
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(isShownReadOnly());
        EXPECT_EQ(harness->form().text(row.field).size(), expected.size() - 2);
    }
}
