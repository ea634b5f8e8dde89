// SPDX-License-Identifier: MIT
#include "filework.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace kestrin::ui {

namespace {

// Takes the user's keys and clicks away from every window while it lives,
// as a modal dialog would.
class InputBlocker : public QObject {
public:
    InputBlocker() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputBlocker(const InputBlocker &) = delete;
    InputBlocker &operator=(const InputBlocker &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Drop: return true;
        default: return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

FileWork::FileWork(QWidget *window)
    : m_window(window)
{
}

bool FileWork::run(Kind kind, const std::function<void()> &work)
{
    m_running = true;
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    thread->start();
    delay.start(kProgressDelayMs);

    // First the window only draws and takes no input, as under a modal
    // dialog; then the progress dialog is that modal dialog.
    bool cancelled = false;
    int firstPhase = 0;
    {
        const InputBlocker blocked;
        firstPhase = loop.exec();
    }
    if (firstPhase == 1 && thread->isRunning()) {
        QProgressDialog progress(kind == Kind::Reading ? tr("Reading the file...") : tr("Writing the file..."),
                                 tr("Cancel"), 0, 0, m_window);
        progress.setObjectName(QStringLiteral("FileProgress"));
        progress.setWindowTitle(kProgramTitle);
        progress.setWindowModality(Qt::WindowModal);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        progress.setMinimumDuration(0);
        QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] {
            cancelled = true;
            thread->requestInterruption();
        });
        progress.show();
        if (thread->isRunning())
            loop.exec();
    }
    // The program is ending while the work runs (its event loops were told
    // to quit): the work is asked to stop, as by Cancel.
    if (thread->isRunning()) {
        cancelled = true;
        thread->requestInterruption();
    }
    thread->wait();
    m_running = false;
    return !cancelled;
}

BackgroundFiles::BackgroundFiles(FileWorkRunner &work, TextFileService *text, ByteFileService *bytes)
    : m_work(work)
    , m_text(text)
    , m_bytes(bytes)
{
}

SaveResult BackgroundFiles::runWriting(const std::function<SaveResult()> &write)
{
    SaveResult result;
    if (!m_work.run(FileWorkRunner::Kind::Writing, [&] { result = write(); }) && !result.ok) {
        result.cancelled = true;
        result.error.clear();
    }
    return result;
}

SaveResult BackgroundFiles::writePieces(const QString &path, const QList<QStringView> &pieces,
                                        const TextEncoder &encoder)
{
    return runWriting([&] { return m_text->writePieces(path, pieces, encoder); });
}

SaveResult BackgroundFiles::writeBytes(const QString &path, QByteArrayView bytes)
{
    return runWriting([&] { return m_bytes->writeBytes(path, bytes); });
}

SaveResult BackgroundFiles::writeStream(const QString &path, const ByteProducer &produce)
{
    return runWriting([&] { return m_bytes->writeStream(path, produce); });
}

} // namespace kestrin::ui
