// SPDX-License-Identifier: MIT
#pragma once

// The window's file work off its thread: every article file read and every
// save (Create, Save Article, the exports, the preview's Save As) runs on a
// thread of its own while the window keeps drawing. After a short delay a
// progress dialog shows, whose Cancel asks the work to stop; a save given up
// leaves the old file as it was.

#include "fileservice.h"
#include "services.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

namespace kestrin::ui {

class FileWork : public FileWorkRunner {
    Q_DECLARE_TR_FUNCTIONS(FileWork)
public:
    // The progress dialog shows this long after the work began.
    static constexpr int kProgressDelayMs = 400;
    // Another delay (tests show the dialog at once, whatever the machine's speed).
    void setProgressDelay(int ms) { m_progressDelayMs = ms; }

    explicit FileWork(QWidget *window);
    ~FileWork() override;
    FileWork(const FileWork &) = delete;
    FileWork &operator=(const FileWork &) = delete;

    // Runs the work on a thread of its own and returns when it has ended;
    // meanwhile the window draws, takes no input, and after the delay shows
    // the progress dialog (object name "FileProgress"). False when the user
    // cancelled: the work was asked to stop and has stopped.
    bool run(Kind kind, const std::function<void()> &work) override;

    // Runs step() on the window's thread, again and again for a slice of
    // time at each turn of its event loop, until it returns false; in
    // between the window draws and takes no input, and after the delay the
    // progress dialog shows. Inside fill() the dialog has Cancel, and false
    // means the user cancelled (every later call of the same fill returns
    // false at once).
    bool runSteps(const std::function<bool()> &step);
    bool fill(const std::function<void()> &apply) override;

    bool isRunning() const { return m_running; }

    // One slice of steps takes about this long.
    static constexpr int kSliceMs = 20;

private:
    std::unique_ptr<QProgressDialog> makeProgress(const QString &label, bool cancellable) const;

    QWidget *m_window;
    int m_progressDelayMs = kProgressDelayMs;
    bool m_running = false;
    // The fill under way: when it began, its progress dialog once shown,
    // and whether the user cancelled it.
    bool m_filling = false;
    bool m_fillCancelled = false;
    QElapsedTimer m_fillStarted;
    std::unique_ptr<QProgressDialog> m_fillProgress;
};

// Text and byte files written through the window's file work.
class BackgroundFiles : public TextFileService, public ByteFileService {
public:
    BackgroundFiles(FileWorkRunner &work, TextFileService *text, ByteFileService *bytes);

    SaveResult writePieces(const QString &path, const QList<QStringView> &pieces, const TextEncoder &encoder) override;
    SaveResult writeBytes(const QString &path, QByteArrayView bytes) override;
    SaveResult writeStream(const QString &path, const ByteProducer &produce) override;

private:
    SaveResult runWriting(const std::function<SaveResult()> &write);

    FileWorkRunner &m_work;
    TextFileService *m_text;
    ByteFileService *m_bytes;
};

} // namespace kestrin::ui
