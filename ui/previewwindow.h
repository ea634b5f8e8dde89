// SPDX-License-Identifier: MIT
#pragma once

// The ReadMe preview: a window beside the main window that shows what
// Create would write now, in a chosen format, and follows the form as the
// user types. It reads the form and changes nothing.

#include "codepage.h"
#include "readmeformats.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLayout;
class QListWidget;
class QListWidgetItem;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;

namespace kestrin::ui {

class PublishCommands;

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    PreviewWindow(QMainWindow &owner, PublishCommands &commands);
    ~PreviewWindow() override;

    ReadmeFormat format() const;
    void setFormat(ReadmeFormat format);

    // The text shown, line ends as "\n".
    QString shownText() const { return m_shown; }
    // The characters of the shown plain text that the code page cannot hold.
    const QList<UnmappableChar> &unmappable() const { return m_unmappable; }
    // False while a change of the form waits to be shown.
    bool isUpToDate() const { return !m_pending.isActive() && !m_stale; }

public slots:
    // Shows what Create would write now.
    void refresh();

signals:
    void updated();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QLayout *buildFormatRow();
    void buildView();
    void buildNotes();
    QLayout *buildButtonRow();
    // Where the user left it last time, else beside the main window.
    void placeBesideOwner(const QWidget &owner);
    void rememberPlace() const;
    void watchForm(PublishCommands &commands);
    void formChanged();
    void showText(const QString &text, bool replaceAll);
    void markUnmappable();
    void goToItem(QListWidgetItem *item);
    void copy();
    void saveAs();

    PublishCommands &m_commands;
    QComboBox *m_formatCombo = nullptr;
    QPlainTextEdit *m_view = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_list = nullptr;
    QTimer m_pending;
    bool m_stale = true;
    qint64 m_lastCostMs = 0;
    QString m_shown;
    ReadmeFormat m_shownFormat = ReadmeFormat::PlainText;
    QList<UnmappableChar> m_unmappable;
    bool m_moreUnmappable = false;
};

} // namespace kestrin::ui
