// SPDX-License-Identifier: MIT
// Create's assembly, encoding and atomic write against one plain write of
// the same number of bytes, for fields totalling 1 KB, 1 MB and 100 MB.
//
// Each size runs in a child process of its own so that its peak memory is
// its own. Prints per size: Create's time, the plain write's time, their
// ratio, and Create's peak memory above the filled form against the size of
// the text.

#include "atomicfileservice.h"
#include "benchsupport.h"
#include "memoryform.h"
#include "readmedocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kestrin;
using namespace kestrin::bench;

namespace {

// Lines of about 70 characters, CR LF between them.
QString filler(qsizetype chars)
{
    static const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog near the harbour 0123\r\n");
    QString text;
    text.reserve(chars);
    while (text.size() + line.size() <= chars)
        text += line;
    text += QString(chars - text.size(), QLatin1Char('x'));
    return text;
}

int runOne(qsizetype total, int repeats)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("readme.txt"));
    const QString plain = dir.filePath(QStringLiteral("plain.txt"));

    MemoryForm form;
    QuietMessages messages;
    FixedDialog dialog(target);
    AtomicTextFileService files;
    ReadmeDocument document(form, messages, dialog, files);
    document.setCodePage(1252);
    document.reset();

    // Every free text field gets an equal share, with every optional line
    // and section switched on and both own texts chosen.
    for (const AllowSwitch &s : kAllowSwitches)
        form.click(s.check);
    form.click(Control::InstallOwnDescription);
    form.click(Control::AddonsUserDefined);
    std::vector<Control> fields;
    for (int i = 0; i < kControlCount; ++i) {
        if (isTextBox(Control(i)))
            fields.push_back(Control(i));
    }
    const QString share = filler(total / qsizetype(fields.size()));
    for (Control c : fields)
        form.setText(c, share);

    std::vector<double> syncedMs;
    std::vector<double> createMs;
    std::vector<double> plainMs;
    qint64 peakAbove = 0;
    qint64 textBytes = 0;
    for (int r = 0; r < repeats; ++r) {
        QFile::remove(target);
        const qint64 before = statusKb("VmRSS:");
        resetPeak();
        QElapsedTimer t;
        t.start();
        if (document.create() != ReadmeDocument::CreateOutcome::Saved) {
            std::fprintf(stderr, "create failed\n");
            return 1;
        }
        createMs.push_back(double(t.nsecsElapsed()) / 1e6);
        peakAbove = std::max(peakAbove, statusKb("VmHWM:") - before);

        QFile written(target);
        textBytes = written.size();
        QByteArray same(textBytes, 'p');
        QFile::remove(plain);
        plainMs.push_back(plainWriteMs(plain, same, false));
        QFile::remove(plain);
        syncedMs.push_back(plainWriteMs(plain, same, true));
    }
    std::sort(syncedMs.begin(), syncedMs.end());
    std::sort(createMs.begin(), createMs.end());
    std::sort(plainMs.begin(), plainMs.end());
    const double c = createMs[createMs.size() / 2];
    const double p = plainMs[plainMs.size() / 2];
    const double ps = syncedMs[syncedMs.size() / 2];
    std::printf("%-8s %12lld %10.3f %10.3f %8.2fx %10.3f %8.2fx %10lld %8.2fx\n",
                total >= 1 << 20 ? (QByteArray::number(total >> 20) + " MB").constData()
                                 : (QByteArray::number(total >> 10) + " KB").constData(),
                static_cast<long long>(textBytes), c, p, c / std::max(p, 1e-6), ps, c / std::max(ps, 1e-6),
                static_cast<long long>(peakAbove), double(peakAbove) * 1024.0 / double(std::max<qint64>(textBytes, 1)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--one"))
        return runOne(args[2].toLongLong(), args[3].toInt());

    std::printf("Create (assemble + encode + atomic write) against one plain write of the same bytes,\n"
                "and against a plain write followed by fdatasync (the atomic save syncs before it renames)\n");
    std::printf("Medians; peak memory is Create's peak resident memory above the filled form.\n");
    std::printf("%-8s %12s %10s %10s %9s %10s %9s %10s %9s\n", "fields", "file bytes", "create ms", "plain ms", "ratio",
                "+sync ms", "ratio", "peak KiB", "peak/size");
    std::fflush(stdout);
    const std::pair<qsizetype, int> sizes[] = {{1 << 10, 51}, {1 << 20, 21}, {100 << 20, 5}};
    for (const auto &[size, repeats] : sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(app.applicationFilePath(),
                    {QStringLiteral("--one"), QString::number(size), QString::number(repeats)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            return 1;
    }
    return 0;
}
