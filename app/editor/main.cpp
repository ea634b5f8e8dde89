// SPDX-License-Identifier: MIT
// Kestrin Editor: creates the main window with the real message box, save
// dialog and files, and shows it; an article file named on the command line
// is opened over the start state.

#include "atomicfileservice.h"
#include "mainwindow.h"
#include "qtservices.h"
#include "systemfonts.h"
#include "translator.h"
#include "windowlayout.h"

#include <QApplication>
#include <QByteArrayView>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <kestrin/version.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Writes the answer to --help or --version; the program's exit status: 1
// with a message when standard output does not take it whole (a full disk,
// a closed pipe).
int answer(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    if (std::fflush(stdout) == 0 && written)
        return 0;
    const QString reason = errno ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
    // The same sentence as kestrin-readme's.
    std::fprintf(stderr, "kestrin-editor: %s\n",
                 qPrintable(
                     QCoreApplication::translate("kestrin-readme", "cannot write to standard output: %1").arg(reason)));
    return 1;
}

// The article file named on the command line, as an absolute path, or empty.
// --help and --version are answered here, and the program ends.
QString articleArgument(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Makes ReadMe files for Arma 2 missions, addons and mods."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "An article file (.json) to open."),
                                 QStringLiteral("[file]"));
    // Qt answers errors and --help-all itself; the help and the version are
    // written here, so that a failed write is the program's failure.
    if (!parser.parse(app.arguments()) || parser.isSet(QStringLiteral("help-all")))
        parser.process(app);
    if (parser.isSet(help))
        std::exit(answer(parser.helpText()));
    if (parser.isSet(version))
        std::exit(answer(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                         + QLatin1Char('\n')));
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
#ifdef SIGPIPE
        // A reader that has gone makes the write fail instead of ending the program.
        std::signal(SIGPIPE, SIG_IGN);
#endif
        QCoreApplication app(argc, argv);
        kestrin::installTranslations(app);
        nameApplication();
        articleArgument(app); // prints the help or the version and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    kestrin::ui::replaceMissingSystemFonts();
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
