// Kestrin Editor: creates the main window with the real message box, save
// dialog and files, and shows it.

#include "mainwindow.h"
#include "qtservices.h"
#include "windowlayout.h"

#include <QApplication>

#include <kestrin/version.h>

#include <csignal>

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A file-size limit makes a save fail with a message instead of ending
    // the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrin Editor"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
    // No display name: Qt would add it to every window's title ("About" must
    // read "About").
    QApplication::setOrganizationName(QString());
    // Matches the window to its menu entry on desktops that go by the
    // desktop file's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRIN_APP_ID));
    QApplication::setWindowIcon(kestrin::ui::applicationIcon());

    kestrin::ui::QtMessageBoxService messages;
    kestrin::ui::QtSaveDialogService dialog;
    kestrin::AtomicTextFileService files;
    kestrin::ui::MainWindow window(messages, dialog, files);
    messages.setParentWidget(&window);
    dialog.setParentWidget(&window);
    window.show();
    return app.exec();
}
