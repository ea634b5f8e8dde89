// SPDX-License-Identifier: MIT
// The baseline: a bare QMainWindow, started and shown as the editor is.
#include "startup_child.h"

#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startupbench::nameApplication();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrin Editor"));
    return startupbench::showAndReport(window);
}
