// SPDX-License-Identifier: MIT
// A second baseline: the bare QMainWindow showing one line of text, so that
// the font system's fixed cost of start-up is seen on its own. Given a size
// (WIDTHxHEIGHT) the window has it, so that the cost of a window's pixels
// (its back buffer) is seen apart from what stands in the window.
#include "startup_child.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startupbench::nameApplication();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrin Editor"));
    window.setCentralWidget(new QLabel(QStringLiteral("Kestrin Editor by Vantry")));
    if (argc > 1) {
        const QList<QByteArray> size = QByteArray(argv[1]).split('x');
        if (size.size() == 2)
            window.setFixedSize(size[0].toInt(), size[1].toInt());
    }
    return startupbench::showAndReport(window);
}
