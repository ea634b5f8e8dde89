// SPDX-License-Identifier: MIT
// Start-up of the editor against a bare QMainWindow program built with the
// same flags: the time from starting the process to its window shown and
// the event loop idle, and the peak memory (VmHWM) at that moment. Each is
// measured offscreen and on an X server (an Xvfb started here), alternating
// the programs, and printed as medians and ratios. A third program, the bare
// window with one line of text, shows how much of the difference is the
// font system's start, which any window that shows text pays.
//
// usage: startup_bench [rounds]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Sample {
    double ms = 0;
    long peakKb = 0;
};

std::optional<Sample> runOnce(const QString &program, const QProcessEnvironment &env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {});
    if (!child.waitForStarted(10000))
        return std::nullopt;
    QByteArray out;
    while (!out.contains('\n')) {
        if (!child.waitForReadyRead(20000))
            break;
        out += child.readAllStandardOutput();
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    const QList<QByteArray> words = out.trimmed().split(' ');
    if (words.size() != 2 || words[0] != "ready")
        return std::nullopt;
    return Sample{ms, words[1].toLong()};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

bool measure(const char *where, const QProcessEnvironment &env, int rounds)
{
    const QString programs[] = {QStringLiteral(KESTRIN_BARE_EXE), QStringLiteral(KESTRIN_TEXT_EXE),
                                QStringLiteral(KESTRIN_EDITOR_EXE)};
    std::vector<double> ms[3], kb[3];
    // One unmeasured start of each to warm the file cache.
    for (const QString &program : programs)
        runOnce(program, env);
    for (int i = 0; i < rounds; ++i) {
        for (int p = 0; p < 3; ++p) {
            const auto sample = runOnce(programs[p], env);
            if (!sample) {
                std::printf("%-10s %s did not report ready\n", where, qPrintable(programs[p]));
                return false;
            }
            ms[p].push_back(sample->ms);
            kb[p].push_back(double(sample->peakKb));
        }
    }
    const double t[3] = {median(ms[0]), median(ms[1]), median(ms[2])};
    const double m[3] = {median(kb[0]), median(kb[1]), median(kb[2])};
    std::printf("%-10s %8.1f %8.1f %8.1f %7.2fx %7.2fx %9.0f %9.0f %9.0f %7.2fx %7.2fx\n", where, t[0], t[1], t[2],
                t[2] / t[0], t[2] / t[1], m[0], m[1], m[2], m[2] / m[0], m[2] / m[1]);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;

    std::printf("Start-up to the window shown and idle, median of %d runs each (targets: time <= 1.50x, "
                "memory <= 1.30x)\n",
                rounds);
    std::printf("%-10s %8s %8s %8s %8s %8s %9s %9s %9s %8s %8s\n", "platform", "bare ms", "text ms", "editor", "/bare",
                "/text", "bare kB", "text kB", "editor", "/bare", "/text");

    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
    base.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));

    QProcessEnvironment offscreen = base;
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    bool ok = measure("offscreen", offscreen, rounds);

    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        std::printf("%-10s Xvfb not found\n", "xcb");
        return ok ? 0 : 1;
    }
    // Xvfb picks a free display and writes its number to the given fd.
    QProcess server;
    server.start(xvfb,
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(10000))
        number += server.readAllStandardOutput();
    if (number.trimmed().isEmpty()) {
        std::printf("%-10s Xvfb did not start\n", "xcb");
        return 1;
    }
    QProcessEnvironment x11 = base;
    x11.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    x11.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(number.trimmed()));
    ok = measure("xcb/Xvfb", x11, rounds) && ok;
    server.terminate();
    server.waitForFinished(5000);
    return ok ? 0 : 1;
}
