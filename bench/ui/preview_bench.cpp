// SPDX-License-Identifier: MIT
// The preview following one key press, offscreen: on the worked example and
// on a form with 1 MB of text. For each, the medians of many key presses:
//   - the key press itself with the preview closed and with it open (what
//     typing waits for: the preview only starts its timer);
//   - from the key event to the preview's view updated (the debounce wait
//     included);
//   - one update of the preview after a key press, on its own.
//
// usage: preview_bench [presses]

#include "atomicfileservice.h"
#include "mainwindow.h"
#include "previewwindow.h"
#include "publishcommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kestrin;

namespace {

class QuietMessages : public MessageBoxService {
public:
    MessageAnswer show(const MessageRequest &r) override { return r.defaultAnswer; }
};

class NoDialog : public SaveDialogService {
public:
    void setFilter(const QString &) override {}
    bool showSave() override { return false; }
    QString fileName() const override { return {}; }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// One key press and release on the field, as the window receives it.
void press(QWidget *field, QChar c)
{
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(c));
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &down);
    QApplication::sendEvent(field, &up);
}

void settle(ui::PreviewWindow *preview)
{
    while (!preview->isUpToDate())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void fillWorkedExample(ControlAccess &w)
{
    w.setText(Control::ArticleKind, QStringLiteral("MP mission"));
    w.setText(Control::Name, QStringLiteral("Harbour Raid"));
    w.setText(Control::Version, QStringLiteral("1.2"));
    w.setText(Control::Authors, QStringLiteral("Raid Team"));
    w.setText(Control::ReleaseDate, QStringLiteral("2011-05-01"));
    w.setValue(Control::SkypeAllowed, 1);
    w.setText(Control::Skype, QStringLiteral("raid.team"));
    w.setValue(Control::OtherContactAllowed, 1);
    w.setText(Control::OtherContact, QStringLiteral("forum PM to Raid Team"));
    w.setText(Control::RequiredGame, QStringLiteral("1.05"));
    w.select(Control::InstallOwnDescription);
    w.setText(Control::Installation, QStringLiteral("Copy the mission file into your MPMissions folder."));
    w.setText(Control::Description, QStringLiteral("Take the harbour before dawn.\r\nUp to 8 players."));
    w.setValue(Control::FeaturesAllowed, 1);
    w.setText(Control::Features, QStringLiteral("- night assault\r\n- random enemy patrols"));
    w.setValue(Control::NotesAllowed, 1);
    w.setText(Control::Notes, QStringLiteral("Tested on dedicated server."));
    w.setText(Control::Credits, QStringLiteral("Thanks to all testers."));
}

void fillMegabyte(ControlAccess &w)
{
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog near the harbour 0123\r\n");
    QString text;
    while (text.size() + line.size() <= (1 << 20))
        text += line;
    w.setText(Control::Description, text);
}

void run(const char *name, void (*fill)(ControlAccess &), Control typedInto, int presses)
{
    QuietMessages messages;
    NoDialog dialog;
    AtomicTextFileService files;
    ui::MainWindow window(messages, dialog, files);
    window.show();
    fill(window.form());
    QWidget *field = window.control(typedInto);
    field->setFocus();

    std::vector<double> closedKey, openKey, toView, update;
    for (int i = 0; i < presses; ++i) {
        QElapsedTimer t;
        t.start();
        press(field, QLatin1Char('a' + i % 26));
        closedKey.push_back(msSince(t));
    }

    window.publishCommands()->showPreview();
    ui::PreviewWindow *preview = window.publishCommands()->previewWindow();
    settle(preview);
    for (int i = 0; i < presses; ++i) {
        QElapsedTimer t;
        t.start();
        press(field, QLatin1Char('a' + i % 26));
        openKey.push_back(msSince(t));
        settle(preview);
        toView.push_back(msSince(t));
    }
    for (int i = 0; i < presses; ++i) {
        press(field, QLatin1Char('a' + i % 26));
        QElapsedTimer t;
        t.start();
        preview->refresh(); // what the timer would run
        update.push_back(msSince(t));
    }
    std::printf("%-16s %12zu %14.3f %14.3f %14.3f %14.3f\n", name, size_t(preview->shownText().size()),
                median(closedKey), median(openKey), median(toView), median(update));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(3, atoi(argv[1])) : 101;
    std::printf("One key press with the ReadMe preview (offscreen); medians of %d presses, in ms.\n", presses);
    std::printf("%-16s %12s %14s %14s %14s %14s\n", "form", "chars shown", "key, closed", "key, open", "key to view",
                "one update");
    run("worked example", fillWorkedExample, Control::Name, presses);
    run("1 MB text", fillMegabyte, Control::Description, std::max(3, presses / 5));
    return 0;
}
