// SPDX-License-Identifier: MIT
#include "importdialog.h"

#include "articleproposals.h"
#include "fileicons.h"
#include "officialsource.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kestrin::ui {

using import::ProposalField;

namespace {

// One line for a cell: line breaks shown as " | ".
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" | "));
    text.replace(QLatin1Char('\n'), QLatin1String(" | "));
    return text;
}

constexpr int FieldRole = Qt::UserRole + 1;

} // namespace

ImportDialog::ImportDialog(const QString &source, const Article &current, const import::ImportResult &result,
                           QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(tr("Import from Mission or Addon"));
    auto *layout = new QVBoxLayout(this);

    auto *intro = new QLabel(tr("Found in %1. Tick what the form should take:").arg(source), this);
    intro->setObjectName(QStringLiteral("ImportSource"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // In this order, which is also the order of the keyboard's focus.
    addFields(layout, current, result);
    addAddons(layout, result);
    QLabel *officialSource = addOfficial(layout, result);
    addNotes(layout, result);
    addButtons(layout, officialSource);
    resize(760, 520);
}

void ImportDialog::addFields(QVBoxLayout *layout, const Article &current, const import::ImportResult &result)
{
    m_fields = new QTreeWidget(this);
    m_fields->setObjectName(QStringLiteral("ImportFields"));
    m_fields->setRootIsDecorated(false);
    m_fields->setColumnCount(4);
    m_fields->setHeaderLabels({tr("Field"), tr("The form holds now"), tr("Found"), tr("Where it was found")});
    m_fields->setAccessibleName(tr("Proposed fields"));
    for (const import::Proposal &p : result.proposals) {
        auto *item = new QTreeWidgetItem(m_fields);
        QString found = p.value;
        if (p.field == ProposalField::RequiredAddons)
            found = p.value.isEmpty() ? QStringLiteral("None - official only") : tr("User defined: the list below");
        item->setText(0, import::proposalFieldName(p.field));
        item->setText(1, oneLine(import::currentValue(current, p.field)));
        item->setText(2, oneLine(found));
        item->setText(3, p.where.display());
        item->setToolTip(2, p.value);
        item->setData(0, FieldRole, int(p.field));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
    }
    m_fields->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_fields, 2);
}

void ImportDialog::addAddons(QVBoxLayout *layout, const import::ImportResult &result)
{
    const import::Proposal *addons = result.proposal(ProposalField::RequiredAddons);
    auto *addonsLabel = new QLabel(tr("&Required addons (one a line; official addons left out):"), this);
    layout->addWidget(addonsLabel);
    m_addons = new QPlainTextEdit(this);
    m_addons->setObjectName(QStringLiteral("ImportAddons"));
    m_addons->setPlainText(addons ? QString(addons->value).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                  : QString());
    m_addons->setEnabled(addons != nullptr);
    addonsLabel->setBuddy(m_addons);
    layout->addWidget(m_addons, 1);
}

QLabel *ImportDialog::addOfficial(QVBoxLayout *layout, const import::ImportResult &result)
{
    if (!result.officialLeftOut.isEmpty()) {
        QStringList names;
        for (const import::Found &f : result.officialLeftOut)
            names.append(f.value);
        auto *official = new QLabel(tr("Left out as official: %1").arg(names.join(QLatin1String(", "))), this);
        official->setObjectName(QStringLiteral("ImportOfficialLeftOut"));
        official->setTextFormat(Qt::PlainText);
        official->setWordWrap(true);
        layout->addWidget(official);
    }
    auto *officialSource = new QLabel(result.official, this);
    officialSource->setObjectName(QStringLiteral("ImportOfficialSource"));
    officialSource->setTextFormat(Qt::PlainText);
    officialSource->setWordWrap(true);
    layout->addWidget(officialSource);
    return officialSource;
}

void ImportDialog::addNotes(QVBoxLayout *layout, const import::ImportResult &result)
{
    auto *notesLabel =
        new QLabel(result.notes.isEmpty() ? tr("Everything could be read.") : tr("What could not be read:"), this);
    layout->addWidget(notesLabel);
    m_notes = new QListWidget(this);
    m_notes->setObjectName(QStringLiteral("ImportNotes"));
    m_notes->setAccessibleName(tr("What could not be read"));
    for (const import::ImportNote &note : result.notes)
        m_notes->addItem(note.display());
    m_notes->setVisible(!result.notes.isEmpty());
    layout->addWidget(m_notes, 1);
}

void ImportDialog::addButtons(QVBoxLayout *layout, QLabel *officialSource)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("ImportButtons"));
    QPushButton *apply = buttons->button(QDialogButtonBox::Apply);
    apply->setObjectName(QStringLiteral("ImportApply"));
    apply->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ImportCancel"));
    // The game folder, set once, decides what is official from the next
    // import on.
    QPushButton *gameFolder = buttons->addButton(tr("&Game Folder..."), QDialogButtonBox::ResetRole);
    gameFolder->setObjectName(QStringLiteral("ImportGameFolder"));
    connect(gameFolder, &QPushButton::clicked, this, [this, officialSource] { chooseGameFolder(officialSource); });
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ImportDialog::chooseGameFolder(QLabel *officialSource)
{
    QFileDialog dialog(this, tr("Choose the Game Folder"), import::savedGameFolder());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    NameOnlyIconProvider::useIn(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().first();
    import::saveGameFolder(folder);
    officialSource->setText(tr("From the next import on, the addons of the game in %1 count as official.")
                                .arg(QDir::toNativeSeparators(folder)));
}

QList<ProposalField> ImportDialog::tickedFields() const
{
    QList<ProposalField> out;
    for (int i = 0; i < m_fields->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_fields->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            out.append(ProposalField(item->data(0, FieldRole).toInt()));
    }
    return out;
}

QString ImportDialog::addonsText() const
{
    QStringList lines;
    for (const QString &line : m_addons->toPlainText().split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines.join(QLatin1String("\r\n"));
}

void ImportDialog::setTicked(ProposalField field, bool ticked)
{
    for (int i = 0; i < m_fields->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_fields->topLevelItem(i);
        if (ProposalField(item->data(0, FieldRole).toInt()) == field)
            item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace kestrin::ui
