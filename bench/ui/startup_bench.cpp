// SPDX-License-Identifier: MIT
// Start-up of the editor against a bare QMainWindow program and the same
// window showing one line of text, all built with the same flags: the time
// from starting the process to its window shown and the event loop idle,
// with the processor time the process used until then (which other
// programs sharing the processors hardly change), and the memory at that
// moment (the peak resident set, and the private dirty memory: what only
// this process has written). Each is measured
// offscreen and on an X server (an Xvfb started here), alternating the
// programs, and printed as medians and ratios against the one-label window,
// the targets' baseline: the font system's start is a fixed cost that any
// window showing text pays.
//
// The one-label window runs a second time at the editor's size: a window's
// pixels (its back buffer, about 1 MB at the editor's size) cost memory
// whatever stands in it, and the ratio against it shows what the editor's
// own content costs. A fourth program, the one-label window with one of
// each kind of the editor's controls (Qt alone, at the editor's size),
// shows what Qt's own code and fonts for those controls cost.
//
// Further editor programs named on the command line (another build's
// startup_editor, copied aside) run in the same alternation, so that a
// change is measured against what it changes under the same load.
//
// usage: startup_bench [rounds [other-startup_editor...]]

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

constexpr double kTimeTarget = 1.30;
constexpr double kMemoryTarget = 1.10;

struct Program {
    QString label;
    QString path;
    QStringList arguments;
};

struct Sample {
    double ms = 0;
    long peakKb = 0;
    long dirtyKb = 0;
    QByteArray size;
    double cpuMs = 0;
};

std::optional<Sample> runOnce(const Program &program, const QProcessEnvironment &env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(program.path, program.arguments);
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
    // "ready <peak kB> <private dirty kB> <width>x<height> <processor ms>";
    // older children print the peak alone.
    const QList<QByteArray> words = out.trimmed().split(' ');
    if (words.size() < 2 || words[0] != "ready")
        return std::nullopt;
    return Sample{ms, words[1].toLong(), words.value(2).toLong(), words.value(3), words.value(4).toDouble()};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

const char *verdict(double ratio, double target)
{
    return ratio <= target ? "" : " over";
}

bool measure(const char *where, const QProcessEnvironment &env, std::vector<Program> programs, int rounds)
{
    constexpr size_t kText = 1, kTextAtSize = 2, kControls = 3, kEditor = 4;
    // One unmeasured start of each to warm the file cache; the editor's
    // gives its window's size to the one-label window of that size.
    for (size_t p = 0; p < programs.size(); ++p) {
        if (p == kTextAtSize || p == kControls)
            continue;
        const auto sample = runOnce(programs[p], env);
        if (p == kEditor && sample && !sample->size.isEmpty()) {
            for (size_t sized : {kTextAtSize, kControls})
                programs[sized].arguments = {QString::fromLatin1(sample->size)};
        }
    }
    if (programs[kTextAtSize].arguments.isEmpty()) {
        std::printf("%s: the editor did not tell its window's size\n", where);
        return false;
    }
    programs[kTextAtSize].label += QLatin1Char(' ') + programs[kTextAtSize].arguments.first();
    for (size_t sized : {kTextAtSize, kControls})
        runOnce(programs[sized], env);

    std::vector<std::vector<double>> ms(programs.size()), peak(programs.size()), dirty(programs.size()),
        cpu(programs.size());
    for (int i = 0; i < rounds; ++i) {
        for (size_t p = 0; p < programs.size(); ++p) {
            const auto sample = runOnce(programs[p], env);
            if (!sample) {
                std::printf("%s: %s did not report ready\n", where, qPrintable(programs[p].path));
                return false;
            }
            ms[p].push_back(sample->ms);
            peak[p].push_back(double(sample->peakKb));
            dirty[p].push_back(double(sample->dirtyKb));
            cpu[p].push_back(sample->cpuMs);
        }
    }
    std::printf("\n%s, median of %d runs each\n", where, rounds);
    std::printf("%-22s %7s %11s %8s %7s %9s %11s %7s %9s %7s\n", "program", "ms", "/text", "cpu ms", "/text", "peak kB",
                "/text", "/sized", "dirty kB", "/text");
    const double t0 = median(ms[kText]), c0 = median(cpu[kText]), m0 = median(peak[kText]),
                 s0 = median(peak[kTextAtSize]), d0 = median(dirty[kText]);
    auto ratio = [](double value, double base) { return base > 0 && value > 0 ? value / base : 0.0; };
    for (size_t p = 0; p < programs.size(); ++p) {
        const double t = median(ms[p]), c = median(cpu[p]), m = median(peak[p]), d = median(dirty[p]);
        const bool editor = p >= kEditor;
        std::printf("%-22s %7.1f %6.2fx%-5s %8.1f %6.2fx %9.0f %6.2fx%-5s %6.2fx %9.0f %6.2fx\n",
                    qPrintable(programs[p].label), t, t / t0, editor ? verdict(t / t0, kTimeTarget) : "", c,
                    ratio(c, c0), m, m / m0, editor ? verdict(m / m0, kMemoryTarget) : "", m / s0, d, ratio(d, d0));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    std::vector<Program> programs{
        {QStringLiteral("bare window"), QStringLiteral(KESTRIN_BARE_EXE), {}},
        {QStringLiteral("one-label window"), QStringLiteral(KESTRIN_TEXT_EXE), {}},
        {QStringLiteral("one-label at"), QStringLiteral(KESTRIN_TEXT_EXE), {}},
        {QStringLiteral("same controls, Qt"), QStringLiteral(KESTRIN_CONTROLS_EXE), {}},
        {QStringLiteral("editor"), QStringLiteral(KESTRIN_EDITOR_EXE), {}},
    };
    for (int i = 2; i < argc; ++i)
        programs.push_back({QStringLiteral("editor %1").arg(i - 1), QString::fromLocal8Bit(argv[i]), {}});

    std::printf("Start-up to the window shown and idle. Targets for the editor against the one-label window: "
                "time <= %.2fx, peak memory <= %.2fx (\"over\" marks a miss). /sized: against the one-label "
                "window at the editor's size.\n",
                kTimeTarget, kMemoryTarget);
    for (int i = 2; i < argc; ++i)
        std::printf("editor %d: %s\n", i - 1, argv[i]);

    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
    base.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));

    QProcessEnvironment offscreen = base;
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    bool ok = measure("offscreen", offscreen, programs, rounds);

    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        std::printf("\nxcb: Xvfb not found\n");
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
        std::printf("\nxcb: Xvfb did not start\n");
        return 1;
    }
    QProcessEnvironment x11 = base;
    x11.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    x11.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(number.trimmed()));
    ok = measure("xcb on Xvfb", x11, programs, rounds) && ok;
    server.terminate();
    server.waitForFinished(5000);
    return ok ? 0 : 1;
}
