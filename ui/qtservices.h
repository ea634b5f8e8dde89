#pragma once

// The message box and the save dialog, as Qt shows them.

#include "services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace kestrin::ui {

// A modal QMessageBox over the parent window.
class QtMessageBoxService : public MessageBoxService {
public:
    explicit QtMessageBoxService(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    MessageAnswer show(const MessageRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};

// The main window's save dialog: a QFileDialog titled "Kestrin Editor" that
// asks before replacing a file, adds no extension to the typed name and
// opens with the name chosen the previous time.
class QtSaveDialogService : public SaveDialogService {
public:
    explicit QtSaveDialogService(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void setFilter(const QString &filter) override;
    bool showSave() override;
    QString fileName() const override { return m_fileName; }

    QStringList nameFilters() const { return m_nameFilters; }

    // "description|pattern[|description|pattern...]" (patterns separated by
    // ";") as QFileDialog's name filters.
    static QStringList toNameFilters(const QString &filter);

private:
    QPointer<QWidget> m_parent;
    QStringList m_nameFilters;
    QString m_fileName;
};

} // namespace kestrin::ui
