// SPDX-License-Identifier: MIT
#pragma once

// Writing a whole file, as the form's commands and the command line ask for
// it; the tests put doubles in its place.

#include "codepage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

namespace kestrin {

struct SaveResult {
    bool ok = false;
    QString error;           // why it was not saved, when not ok
    bool unmappable = false; // the encoder met a character it cannot hold
    bool cancelled = false;  // the user gave the save up; the target is as it was
};

// Runs file work that may take long (a slow disk, a pipe waiting for its
// reader, a large article). The window runs it off its own thread and keeps
// answering, shows its progress after a short delay and lets the user
// cancel it: the work's thread is then asked to stop
// (QThread::isInterruptionRequested), which the save and the article reader
// look at. Here it runs at once. False when the user cancelled it.
class FileWorkRunner {
public:
    enum class Kind { Reading, Writing };
    virtual ~FileWorkRunner() = default;
    virtual bool run(Kind kind, const std::function<void()> &work)
    {
        static_cast<void>(kind);
        work();
        return true;
    }
    // Fills the form with what was read. The window fills big texts in
    // slices from its event loop, answering meanwhile, and lets the user
    // cancel: false then, with the form half filled, for the caller to put
    // back. Here it runs at once.
    virtual bool fill(const std::function<void()> &apply)
    {
        apply();
        return true;
    }
};

// Writes one text, followed by CR LF, as a whole file. When the encoder
// meets a character it cannot hold (and does not replace), nothing is
// written and the result says so.
class TextFileService {
public:
    virtual ~TextFileService() = default;
    // The text is given as pieces written one after the other.
    virtual SaveResult writePieces(const QString &path, const QList<QStringView> &pieces,
                                   const TextEncoder &encoder) = 0;
    SaveResult writeLine(const QString &path, QStringView text, const TextEncoder &encoder)
    {
        return writePieces(path, {text}, encoder);
    }
};

// Writes bytes, exactly as given, as a whole file (article files, exports).
class ByteFileService {
public:
    // Takes the next bytes of the file; false once the file cannot take
    // them, after which the rest is not wanted.
    using ByteWriter = std::function<bool(QByteArrayView)>;
    // Hands the whole content to the writer, piece after piece.
    using ByteProducer = std::function<void(const ByteWriter &)>;

    virtual ~ByteFileService() = default;
    virtual SaveResult writeBytes(const QString &path, QByteArrayView bytes) = 0;
    // The file made of the pieces that produce hands over, so that a large
    // content never has to be in memory at once. Here the pieces are joined
    // and written with writeBytes.
    virtual SaveResult writeStream(const QString &path, const ByteProducer &produce)
    {
        QByteArray bytes;
        produce([&bytes](QByteArrayView piece) {
            bytes.append(piece);
            return true;
        });
        return writeBytes(path, bytes);
    }
};

} // namespace kestrin
