// SPDX-License-Identifier: MIT
// File > Open Article in the real window (offscreen) against reading and
// checking the same file without a window (readArticleFile alone), in the
// same run: the worked example and an article with 1 MB of text. The
// window's time runs from the command to the event loop having drawn the
// form. Also the check that decides the title's modified mark, which runs
// once typing rests, on the 1 MB form.
//
// usage: open_bench [rounds]   (QT_QPA_PLATFORM=offscreen is the default)

#include "article.h"
#include "articlereader.h"
#include "articlewriter.h"
#include "atomicfileservice.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kestrin;

namespace {

class QuietMessages : public MessageBoxService {
public:
    // New is answered Yes; a warning is a failure of the run.
    MessageAnswer show(const MessageRequest &request) override
    {
        if (request.buttons == MessageButtons::YesNo)
            return MessageAnswer::Yes;
        std::printf("unexpected message: %s\n", qPrintable(request.prompt));
        return MessageAnswer::Cancel;
    }
};

class NoSaveDialog : public SaveDialogService {
public:
    void setFilter(const QString &) override {}
    bool showSave() override { return false; }
    QString fileName() const override { return {}; }
};

// The open dialog picks the path it is told.
class FixedArticleDialog : public ArticleDialogService {
public:
    std::optional<QString> chooseOpen(const QString &) override { return path; }
    std::optional<QString> chooseSave(const QString &) override { return std::nullopt; }
    QString path;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

// Lines of about 70 characters, CR LF between them.
QString filler(qsizetype chars)
{
    static const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog near the harbour 0123");
    QStringList lines;
    qsizetype size = 0;
    while (size < chars) {
        lines << line;
        size += line.size() + 2;
    }
    return lines.join(QStringLiteral("\r\n"));
}

template <typename F>
double timeMs(F &&f)
{
    QElapsedTimer clock;
    clock.start();
    f();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    QTemporaryDir dir;
    const QString example = dir.filePath(QStringLiteral("harbour-raid.json"));
    QFile::copy(QStringLiteral(KESTRIN_EXAMPLES_DIR "/harbour-raid.json"), example);
    Article big;
    big.name = QStringLiteral("Big");
    // 1 MB of text over the fields a long article fills.
    big.description = filler(600 * 1024);
    big.features = filler(200 * 1024);
    big.changelog = filler(150 * 1024);
    big.credits = filler(74 * 1024);
    const QString large = dir.filePath(QStringLiteral("large.json"));
    {
        QFile f(large);
        if (!f.open(QIODevice::WriteOnly) || f.write(writeArticleJson(big)) < 0)
            return 1;
    }

    QuietMessages messages;
    NoSaveDialog dialog;
    AtomicTextFileService files;
    FixedArticleDialog articleDialog;
    MemoryRecentArticles recent;
    ui::MainWindow window(messages, dialog, files, articleDialog, files, recent);
    window.show();
    QElapsedTimer shown;
    shown.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && shown.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    std::printf("Open Article in the window against readArticleFile alone, median of %d runs\n", rounds);
    std::printf("%-18s %10s %12s %12s %8s\n", "file", "bytes", "window ms", "read ms", "ratio");
    for (const QString &path : {example, large}) {
        std::vector<double> windowMs, readMs;
        for (int i = 0; i < rounds; ++i) {
            // From the start state each time, as a fresh Open would be.
            window.articleFiles().newArticle();
            QCoreApplication::processEvents();
            articleDialog.path = path;
            readMs.push_back(timeMs([&] {
                if (!readArticleFile(path).ok())
                    std::printf("read failed\n");
            }));
            windowMs.push_back(timeMs([&] {
                if (!window.articleFiles().open())
                    std::printf("open failed\n");
                QCoreApplication::processEvents();
            }));
        }
        const double w = median(windowMs), r = median(readMs);
        std::printf("%-18s %10lld %12.2f %12.2f %7.2fx\n", qPrintable(QFileInfo(path).fileName()),
                    QFileInfo(path).size(), w, r, w / r);
    }

    std::vector<double> checkMs;
    for (int i = 0; i < rounds; ++i)
        checkMs.push_back(timeMs([&] { window.articleFiles().isModified(); }));
    std::printf("modified check on the 1 MB form (once typing rests): %.2f ms\n", median(checkMs));
    std::printf("targets: the example under 16 ms; 1 MB at most 5x readArticleFile\n");
    return 0;
}
