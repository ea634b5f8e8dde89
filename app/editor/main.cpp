// SPDX-License-Identifier: MIT
// Kestrin Editor: creates the main window with the real message box, save
// dialog and files, and shows it; an article file named on the command line
// is opened over the start state.

#include "atomicfileservice.h"
#include "mainwindow.h"
#include "qtservices.h"
#include "translator.h"
#include "windowlayout.h"

#include <QApplication>
#include <QByteArrayView>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <kestrin/version.h>

#include <csignal>

namespace {

// The article file named on the command line, as an absolute path, or empty.
// --help and --version are answered here, and the program ends.
QString articleArgument(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Makes ReadMe files for Arma 2 missions, addons and mods."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "An article file (.json) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return {};
    // "-" would be standard input to the reader: here it is a file's name.
    return QFileInfo(files.first()).absoluteFilePath();
}

// Whether the command line asks only for the help or the version, which
// are answered without a display.
bool asksForHelpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView arg(argv[i]);
        if (arg == "--")
            break;
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (arg == option)
                return true;
        }
    }
    return false;
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Kestrin Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A file-size limit makes a save fail with a message instead of ending
    // the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        kestrin::installTranslations(app);
        nameApplication();
        articleArgument(app); // prints the help or the version and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    // The user's language, before the first text is made.
    kestrin::installTranslations(app);
    nameApplication();
    // No display name: Qt would add it to every window's title ("About" must
    // read "About").
    QApplication::setOrganizationName(QString());
    // Matches the window to its menu entry on desktops that go by the
    // desktop file's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRIN_APP_ID));
    QApplication::setWindowIcon(kestrin::ui::applicationIcon());

    const QString articlePath = articleArgument(app);

    kestrin::ui::QtMessageBoxService messages;
    kestrin::ui::QtSaveDialogService dialog;
    kestrin::AtomicTextFileService files;
    kestrin::ui::QtArticleDialogService articleDialogs;
    kestrin::ui::SettingsRecentArticles recent;
    kestrin::ui::MainWindow window(messages, dialog, files, articleDialogs, files, recent);
    messages.setParentWidget(&window);
    dialog.setParentWidget(&window);
    articleDialogs.setParentWidget(&window);
    window.show();
    if (!articlePath.isEmpty()) {
        // Once the window stands, so that a warning about the file shows over it.
        QTimer::singleShot(0, &window, [&window, articlePath] { window.openArticleAtStart(articlePath); });
    }
    return app.exec();
}
