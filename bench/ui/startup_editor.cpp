// SPDX-License-Identifier: MIT
// The editor's start, as its main does it: the real dialogs and files, the
// main window with its document loaded, shown.
#include "atomicfileservice.h"
#include "startup_child.h"

#include "mainwindow.h"
#include "qtservices.h"
#include "windowlayout.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startupbench::nameApplication();
    QApplication::setWindowIcon(kestrin::ui::applicationIcon());
    kestrin::ui::QtMessageBoxService messages;
    kestrin::ui::QtSaveDialogService dialog;
    kestrin::AtomicTextFileService files;
    kestrin::ui::MainWindow window(messages, dialog, files);
    messages.setParentWidget(&window);
    dialog.setParentWidget(&window);
    return startupbench::showAndReport(window);
}
