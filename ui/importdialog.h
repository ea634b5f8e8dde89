// SPDX-License-Identifier: MIT
#pragma once

// The review of an import: each proposed field with what the form holds
// now, what was found and where, and a tick; the required addons as an
// editable list; the notes on what could not be read; which list said
// what is official. Nothing changes until Apply; then only the ticked
// fields are taken (see articleproposals.h).

#include "article.h"
#include "importer.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;
class QVBoxLayout;

namespace kestrin::ui {

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const QString &source, const Article &current, const import::ImportResult &result,
                 QWidget *parent = nullptr);

    // The fields ticked, in the list's order.
    QList<import::ProposalField> tickedFields() const;
    // The required addons as edited, CR LF between them.
    QString addonsText() const;
    // Ticks or unticks a field's row (also what a click does).
    void setTicked(import::ProposalField field, bool ticked);

private:
    void addFields(QVBoxLayout *layout, const Article &current, const import::ImportResult &result);
    void addAddons(QVBoxLayout *layout, const import::ImportResult &result);
    // The addons left out as official and which list said so; returns the
    // latter, which the game folder's button updates.
    QLabel *addOfficial(QVBoxLayout *layout, const import::ImportResult &result);
    void addNotes(QVBoxLayout *layout, const import::ImportResult &result);
    void addButtons(QVBoxLayout *layout, QLabel *officialSource);
    void chooseGameFolder(QLabel *officialSource);

    QTreeWidget *m_fields = nullptr;
    QPlainTextEdit *m_addons = nullptr;
    QListWidget *m_notes = nullptr;
};

} // namespace kestrin::ui
