// SPDX-License-Identifier: MIT
// Export to each format (build the model, render, encode, atomic write)
// against one plain write of the same number of bytes, for fields totalling
// 1 MB and 100 MB.
//
// Each size and format runs in a child process of its own so that its peak
// memory is its own. Prints per run: the export's time, the plain write's
// time (and with fdatasync, as the atomic save syncs), the time of the same
// bytes saved atomically as the export saves them, their ratios, and the
// export's peak memory above the filled form against the size of the file.

#include "atomicfileservice.h"
#include "benchsupport.h"
#include "memoryform.h"
#include "plaintextrenderer.h"
#include "readmeexport.h"

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

// Lines of about 70 characters with some markup characters, CR LF between
// them, and now and then a line that looks like a list item.
QString filler(qsizetype chars)
{
    static const QString lines[] = {
        QStringLiteral("The quick brown fox [jumps] over the *lazy* dog near the harbour_01\r\n"),
        QStringLiteral("- a line that looks like a list item, with C:\\Games\\Arma 2 in it\r\n"),
    };
    QString text;
    text.reserve(chars);
    for (int i = 0; text.size() + lines[i % 2].size() <= chars; ++i)
        text += lines[i % 2];
    text += QString(chars - text.size(), QLatin1Char('x'));
    return text;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int runOne(qsizetype total, ReadmeFormat format, int repeats)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("export"));
    const QString plain = dir.filePath(QStringLiteral("plain"));

    MemoryForm form;
    QuietMessages messages;
    FixedDialog dialog(target);
    AtomicTextFileService files;
    ReadmeDocument document(form, messages, dialog, files);
    document.setCodePage(1252);
    document.reset();
    ReadmeExporter exporter(document, messages, files);

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

    std::vector<double> exportMs, renderMs, plainMs, syncedMs, atomicMs;
    qint64 peakAbove = 0;
    qint64 fileBytes = 0;
    for (int r = 0; r < repeats; ++r) {
        // The exporter adds the format's extension to a name without one.
        const QString written = target + QLatin1Char('.') + ReadmeExporter::fileExtension(format);
        QFile::remove(written);
        const qint64 before = statusKb("VmRSS:");
        resetPeak();
        QElapsedTimer t;
        t.start();
        if (exporter.exportAs(format, dialog) != ReadmeExporter::Outcome::Saved) {
            std::fprintf(stderr, "export failed\n");
            return 1;
        }
        exportMs.push_back(double(t.nsecsElapsed()) / 1e6);
        peakAbove = std::max(peakAbove, statusKb("VmHWM:") - before);

        fileBytes = QFile(written).size();

        // The same export's bytes without the file: model, render, encode;
        // BBCode and Markdown stream their chunks as the export does, here
        // into a writer that only counts them.
        t.restart();
        const ReadmeModel model = document.model();
        qint64 rendered = 0;
        if (format == ReadmeFormat::PlainText) {
            rendered = TextEncoder::codePage(1252).encode(plainText(model)).size() + 2;
        } else {
            renderReadmeUtf8(model, format, [&rendered](QByteArrayView chunk) {
                rendered += chunk.size();
                return true;
            });
        }
        renderMs.push_back(double(t.nsecsElapsed()) / 1e6);
        if (rendered != fileBytes) {
            std::fprintf(stderr, "rendered %lld bytes, wrote %lld\n", static_cast<long long>(rendered),
                         static_cast<long long>(fileBytes));
            return 1;
        }
        QByteArray same(fileBytes, 'p');
        QFile::remove(plain);
        plainMs.push_back(plainWriteMs(plain, same, false));
        QFile::remove(plain);
        syncedMs.push_back(plainWriteMs(plain, same, true));
        // The same bytes saved as every export saves: beside the target,
        // synced, renamed over it, the folder synced.
        QFile::remove(plain);
        t.restart();
        if (!files.writeBytes(plain, same).ok) {
            std::fprintf(stderr, "the atomic write failed\n");
            return 1;
        }
        atomicMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double e = median(exportMs), p = median(plainMs), ps = median(syncedMs), rm = median(renderMs),
                 a = median(atomicMs);
    std::printf("%-8s %-9s %12lld %10.3f %10.3f %10.3f %8.2fx %10.3f %8.2fx %10.3f %8.2fx %10lld %8.2fx\n",
                total >= 1 << 20 ? (QByteArray::number(total >> 20) + " MB").constData()
                                 : (QByteArray::number(total >> 10) + " KB").constData(),
                formatKey(format).toLatin1().constData(), static_cast<long long>(fileBytes), e, rm, p,
                e / std::max(p, 1e-6), ps, e / std::max(ps, 1e-6), a, e / std::max(a, 1e-6),
                static_cast<long long>(peakAbove), double(peakAbove) * 1024.0 / double(std::max<qint64>(fileBytes, 1)));
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("--one"))
        return runOne(args[2].toLongLong(), formatByKey(args[3]).value_or(ReadmeFormat::PlainText), args[4].toInt());

    std::printf("Export (model + render + encode + atomic write) against one plain write of the same bytes,\n"
                "and against a plain write followed by fdatasync (the atomic save syncs before it renames).\n");
    std::printf("Medians; peak memory is the export's peak resident memory above the filled form.\n");
    std::printf("Render ms: the same export's bytes made without a file (not in the ratios).\n");
    std::printf("Atomic ms: the same bytes saved as the export saves them (a file beside the target, synced,\n"
                "renamed over it, the folder synced): what any export costs beyond making its bytes.\n");
    std::printf("%-8s %-9s %12s %10s %10s %10s %9s %10s %9s %10s %9s %10s %9s\n", "fields", "format", "file bytes",
                "export ms", "render ms", "plain ms", "ratio", "+sync ms", "ratio", "atomic ms", "ratio", "peak KiB",
                "peak/size");
    std::fflush(stdout);
    const std::pair<qsizetype, int> sizes[] = {{1 << 20, 21}, {100 << 20, 5}};
    for (const auto &[size, repeats] : sizes) {
        for (ReadmeFormat format : kReadmeFormats) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(app.applicationFilePath(),
                        {QStringLiteral("--one"), QString::number(size), formatKey(format), QString::number(repeats)});
            if (!child.waitForFinished(-1) || child.exitCode() != 0)
                return 1;
        }
    }
    return 0;
}
