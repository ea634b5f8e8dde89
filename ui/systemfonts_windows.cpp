// SPDX-License-Identifier: MIT
// Windows names its fonts for menus, status bars and message boxes in the
// system settings; a system without that face (Wine without Microsoft's
// fonts, a stripped-down Windows) would have GDI substitute one of its own,
// often a serif face. Such a font takes the first sans-serif face the system
// has, at the size and weight Windows asked for.
#include "systemfonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace kestrin::ui {

namespace {

// The widget classes Qt gives fonts of their own from the system settings.
const char *const kWidgetClasses[] = {
    "QMenu",
    "QMenuBar",
    "QMessageBoxLabel",
    "QTipLabel",
    "QStatusBar",
    "QMdiSubWindowTitleBar",
    "QDockWidgetTitle",
    "QPushButton",
    "QCheckBox",
    "QRadioButton",
    "QToolButton",
    "QAbstractItemView",
    "QListView",
    "QHeaderView",
    "QComboMenuItem",
    "QComboLineEdit",
    "QGroupBox",
    "QTabBar",
};

bool installed(const QFont &font)
{
    return QFontDatabase::hasFamily(font.family()) && QFontInfo(font).family() == font.family();
}

} // namespace

void replaceMissingSystemFonts()
{
    QString sans;
    for (const char *family : {"Segoe UI", "Tahoma", "Microsoft Sans Serif", "Arial", "DejaVu Sans"}) {
        if (QFontDatabase::hasFamily(QLatin1String(family))) {
            sans = QLatin1String(family);
            break;
        }
    }
    if (sans.isEmpty())
        return;
    QFont application = QApplication::font();
    if (!installed(application)) {
        application.setFamilies({sans});
        QApplication::setFont(application);
    }
    for (const char *widgetClass : kWidgetClasses) {
        QFont font = QApplication::font(widgetClass);
        if (!installed(font)) {
            font.setFamilies({sans});
            QApplication::setFont(font, widgetClass);
        }
    }
}

} // namespace kestrin::ui
