// SPDX-License-Identifier: MIT
// A third baseline: the one-label window with one of each kind of control
// the editor's first page shows, in the editor's fonts, built with Qt alone:
// a menu bar with two menus, a row of five tabs, a one-line and a
// multi-line field, a list to choose from, a check box, a status bar. What
// it costs beyond the one-label window is Qt's own code and fonts for those
// controls, which any window made of them pays. Given a size (WIDTHxHEIGHT)
// the window has it.
#include "startup_child.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>

namespace {

QFont sansFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startupbench::nameApplication();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrin Editor"));
    window.setFont(sansFont(8.25));

    auto *bar = new QMenuBar(&window);
    bar->setFont(QApplication::font(bar));
    window.setMenuBar(bar);
    bar->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("New"));
    bar->addAction(QStringLiteral("Create"));
    bar->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));

    auto *tabs = new QTabWidget;
    auto *page = new QWidget;
    tabs->addTab(page, QStringLiteral("Basic data"));
    for (const char *caption : {"Requirements", "Installation", "Details", "Credits"})
        tabs->addTab(new QWidget, QLatin1String(caption));
    (new QLabel(QStringLiteral("Kestrin Editor by Vantry"), page))->setGeometry(8, 8, 200, 17);
    auto *combo = new QComboBox(page);
    combo->addItem(QStringLiteral("SP mission"));
    combo->setGeometry(96, 32, 105, 21);
    (new QLineEdit(page))->setGeometry(96, 64, 337, 19);
    (new QPlainTextEdit(page))->setGeometry(96, 96, 337, 67);
    (new QCheckBox(QStringLiteral("Allow"), page))->setGeometry(392, 180, 57, 17);
    window.setCentralWidget(tabs);

    auto *status = new QStatusBar;
    status->setFont(sansFont(6.75));
    status->addWidget(new QLabel(QStringLiteral("Kestrin Editor by Vantry")));
    window.setStatusBar(status);

    if (argc > 1) {
        const QList<QByteArray> size = QByteArray(argv[1]).split('x');
        if (size.size() == 2)
            window.setFixedSize(size[0].toInt(), size[1].toInt());
    }
    return startupbench::showAndReport(window);
}
