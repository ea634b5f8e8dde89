// SPDX-License-Identifier: MIT
#pragma once

// Icons and type names for the file dialogs that never read a file. Qt's
// own provider reads a file's first bytes to tell its type when the name
// does not: listing or completing /proc in a dialog then read /proc/kmsg
// (taking its messages away from the system log, and waiting for the next
// one) or any other special file that looks like a regular one.

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QMutex>

class QFileDialog;

namespace kestrin::ui {

class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
    using QFileIconProvider::icon;

    // The provider that every file dialog of the program uses.
    static NameOnlyIconProvider *shared();
    // Makes the dialog list and complete with it.
    static void useIn(QFileDialog &dialog);

private:
    QMimeDatabase m_mime;
    // The icon of each type, by its name; the dialog's file information
    // thread asks for icons too.
    mutable QMutex m_iconsLock;
    mutable QHash<QString, QIcon> m_icons;
};

} // namespace kestrin::ui
