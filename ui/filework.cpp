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
#include <optional>

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

FileWork::~FileWork() = default;

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
    delay.start(m_progressDelayMs);

    // First the window only draws and takes no input, as under a modal
    // dialog; then the progress dialog is that modal dialog.
    bool cancelled = false;
    int firstPhase = 0;
    {
        const InputBlocker blocked;
        firstPhase = loop.exec();
    }
    if (firstPhase == 1 && thread->isRunning()) {
        const std::unique_ptr<QProgressDialog> progress =
            makeProgress(kind == Kind::Reading ? tr("Reading the file...") : tr("Writing the file..."), true);
        QObject::connect(progress.get(), &QProgressDialog::canceled, &loop, [&] {
            cancelled = true;
            thread->requestInterruption();
        });
        progress->show();
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

std::unique_ptr<QProgressDialog> FileWork::makeProgress(const QString &label, bool cancellable) const
{
    auto progress = std::make_unique<QProgressDialog>(label, tr("Cancel"), 0, 0, m_window);
    progress->setObjectName(QStringLiteral("FileProgress"));
    progress->setWindowTitle(kProgramTitle);
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    if (!cancellable)
        progress->setCancelButton(nullptr);
    return progress;
}

bool FileWork::runSteps(const std::function<bool()> &step)
{
    if (m_filling && m_fillCancelled)
        return false;
    QElapsedTimer started;
    started.start();
    const QElapsedTimer &since = m_filling ? m_fillStarted : started;
    std::unique_ptr<QProgressDialog> ownProgress;
    QEventLoop loop;
    bool cancelled = false;
    std::optional<InputBlocker> blocked;
    blocked.emplace();

    auto showProgress = [&] {
        std::unique_ptr<QProgressDialog> &progress = m_filling ? m_fillProgress : ownProgress;
        if (!progress) {
            progress = makeProgress(tr("Filling in the form..."), m_filling);
            progress->show();
        }
        QObject::connect(progress.get(), &QProgressDialog::canceled, &loop, [&] {
            cancelled = true;
            loop.quit();
        });
        // The dialog is modal now and takes the user's Cancel.
        blocked.reset();
    };
    QTimer slices;
    slices.setInterval(0);
    bool more = true;
    QObject::connect(&slices, &QTimer::timeout, &loop, [&] {
        QElapsedTimer slice;
        slice.start();
        while (more && slice.elapsed() < kSliceMs)
            more = step();
        if (!more)
            loop.quit();
        else if (blocked && since.elapsed() >= m_progressDelayMs)
            showProgress();
    });
    m_running = true;
    slices.start();
    loop.exec();
    slices.stop();
    m_running = false;
    if (more && !cancelled) {
        // The program is ending while the steps run: what is left is given up.
        cancelled = true;
    }
    if (cancelled && m_filling)
        m_fillCancelled = true;
    return !cancelled;
}

bool FileWork::fill(const std::function<void()> &apply)
{
    m_filling = true;
    m_fillCancelled = false;
    m_fillStarted.start();
    apply();
    m_filling = false;
    m_fillProgress.reset();
    return !m_fillCancelled;
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
