// SPDX-License-Identifier: MIT
// A second baseline: the bare QMainWindow showing one line of text, so that
// the font system's fixed cost of start-up is seen on its own.
#include "startup_child.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrin Editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrin Editor"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrin Editor"));
    window.setCentralWidget(new QLabel(QStringLiteral("Kestrin Editor by Vantry")));
    return startupbench::showAndReport(window);
}
