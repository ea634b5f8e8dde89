// SPDX-License-Identifier: MIT
// Big input in the real window (offscreen): File > Open Article on a valid
// article of 25 MB and 5 million lines, and pastes of 10 MB into the Name
// field and into the description. For each:
//   - the longest time the window's thread went without answering (a timer
//     on that thread records the largest gap between its ticks);
//   - the time until the form holds the text, and for the open, against
//     reading and checking the same file without a window;
//   - the peak resident memory above what the process held before, against
//     the size of the input.
// Targets: no gap above 100 ms while a file is read or filled in, a paste at
// most 1 s in all, peak memory at most 10 times the input.
//
// usage: biginput_bench [open|paste|all]   (QT_QPA_PLATFORM=offscreen is the default)

#include "articlereader.h"
#include "atomicfileservice.h"
#include "benchsupport.h"
#include "bigtextview.h"
#include "fields.h"
#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

using namespace kestrin;

namespace {

// The open dialog picks the path it is told.
class FixedArticleDialog : public ArticleDialogService {
public:
    std::optional<QString> chooseOpen(const QString &) override { return path; }
    std::optional<QString> chooseSave(const QString &) override { return std::nullopt; }
    QString path;
};

// The largest gap between the ticks of a timer on the window's thread.
class GapMeter {
public:
    GapMeter()
    {
        m_timer.setInterval(kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_longest = std::max(m_longest, m_clock.restart()); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    qint64 stop()
    {
        m_timer.stop();
        return std::max(m_longest, m_clock.elapsed());
    }

private:
    static constexpr int kTickMs = 5;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// A valid article of about 25 MB and 5 million lines: three list fields
// with one short line each.
QByteArray bigArticle()
{
    QByteArray json("{\n\"formatVersion\": 1,\n\"kind\": \"Addon\",\n\"name\": \"Big\",\n");
    json.reserve(26 << 20);
    const std::pair<const char *, int> fields[] = {{"description", 3000000},
                                                   {"features", 1000000},
                                                   {"changelog", 999985}};
    for (const auto &[key, lines] : fields) {
        json += '"';
        json += key;
        json += "\": [\n";
        for (int i = 0; i < lines; ++i) {
            json += '"';
            json += char('a' + i % 26);
            json += i + 1 < lines ? "\",\n" : "\"\n";
        }
        json += "],\n";
    }
    json += "\"credits\": \"x\"\n}\n";
    return json;
}

// Runs the window's events until the condition holds (or a minute passed).
template <typename F>
void waitUntil(F &&done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Then a second more, for whatever the window does once an edit rests.
void settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Figures {
    double totalMs;
    qint64 longestGapMs;
    qint64 peakKb;
};

void print(const char *what, qint64 bytes, const Figures &f, double againstMs)
{
    std::printf("%-26s %10lld %10.0f %10lld %10.1f %10lld %8.2fx", what, bytes, f.totalMs, f.longestGapMs, againstMs,
                f.peakKb, double(f.peakKb) * 1024 / double(bytes));
    if (againstMs > 0)
        std::printf(" %8.2fx", f.totalMs / againstMs);
    std::printf("\n");
    std::fflush(stdout);
}

template <typename Action, typename Done>
Figures measure(Action &&action, Done &&done)
{
    GapMeter gaps;
    const qint64 before = bench::statusKb("VmRSS:");
    bench::resetPeak();
    gaps.start();
    QElapsedTimer t;
    t.start();
    action();
    waitUntil(done);
    const double total = double(t.nsecsElapsed()) / 1e6;
    settle();
    return {total, gaps.stop(), bench::statusKb("VmHWM:") - before};
}

// A paste by the keyboard, as the window receives it.
void pasteInto(QWidget *field, const QString &text)
{
    QApplication::clipboard()->setText(text);
    field->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(field, &down);
    QApplication::sendEvent(field, &up);
}

qsizetype sizeOf(QWidget *field)
{
    if (auto *line = qobject_cast<ui::LineEdit *>(field))
        return line->wholeText().size();
    return static_cast<ui::MultiLineEdit *>(field)->crLfText().size();
}

// The lines a multi-line field holds, in its document or its light view.
qsizetype linesOf(QWidget *field)
{
    auto *edit = static_cast<ui::MultiLineEdit *>(field);
    return edit->isShownBig() ? edit->bigView()->lineCount() : edit->blockCount();
}

// New and other questions are answered Yes, unsaved changes discarded.
class AgreeingMessages : public MessageBoxService {
public:
    MessageAnswer show(const MessageRequest &r) override
    {
        switch (r.buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::SaveDiscardCancel: return MessageAnswer::Discard;
        default: return MessageAnswer::Yes;
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray which = argc > 1 ? QByteArray(argv[1]) : QByteArray("all");

    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.json"));
    {
        QFile f(big);
        if (!f.open(QIODevice::WriteOnly) || f.write(bigArticle()) < 0)
            return 1;
    }
    const qint64 bigSize = QFileInfo(big).size();

    AgreeingMessages messages;
    bench::FixedDialog dialog(dir.filePath(QStringLiteral("readme.txt")));
    AtomicTextFileService files;
    FixedArticleDialog articleDialog;
    MemoryRecentArticles recent;
    ui::MainWindow window(messages, dialog, files, articleDialog, files, recent);
    window.show();
    waitUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });

    std::printf("Big input in the window (offscreen): total ms until the form holds it, the longest gap of the\n"
                "window's thread, peak resident memory above the start against the input's size\n");
    std::printf("%-26s %10s %10s %10s %10s %10s %9s %9s\n", "input", "bytes", "total ms", "gap ms", "alone ms",
                "peak KiB", "peak/size", "ratio");

    if (which == "open" || which == "all") {
        QElapsedTimer t;
        t.start();
        if (!readArticleFile(big).ok())
            std::printf("read failed\n");
        const double aloneMs = double(t.nsecsElapsed()) / 1e6;
        articleDialog.path = big;
        auto *description = window.control(Control::Description);
        const Figures f =
            measure([&] { window.articleFiles().open(); }, [&] { return window.articleFiles().currentFile() == big; });
        print("open 25 MB, 5M lines", bigSize, f, aloneMs);
        {
            QElapsedTimer c;
            c.start();
            const Article a = window.articleFiles().currentArticle();
            std::printf("the form read back (as the modified mark does once typing rests): %lld ms\n", c.elapsed());
        }
        if (linesOf(description) != 3000000)
            std::printf("the description holds %lld lines, not 3000000\n",
                        static_cast<long long>(linesOf(description)));
        window.articleFiles().newArticle();
        settle();
    }
    if (which == "paste" || which == "all") {
        const QString oneLine(10 << 20, u'n');
        QString lines;
        const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog near the harbour 0123\n");
        while (lines.size() + line.size() <= (10 << 20))
            lines += line;
        const struct {
            const char *what;
            Control field;
            const QString &text;
        } pastes[] = {
            {"paste 10 MB into Name", Control::Name, oneLine},
            {"paste 10 MB into Description", Control::Description, lines},
        };
        for (const auto &p : pastes) {
            QWidget *field = window.control(p.field);
            const qsizetype size = p.text.size();
            const Figures f = measure([&] { pasteInto(field, p.text); }, [&] { return sizeOf(field) >= size; });
            print(p.what, size, f, 0);
            window.articleFiles().newArticle();
            settle();
        }
    }
    return 0;
}
