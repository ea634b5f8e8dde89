// SPDX-License-Identifier: MIT
#include "previewwindow.h"

#include "publishcommands.h"
#include "qtservices.h"
#include "windowlayout.h"
#include "windowplacement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrin::ui {

namespace {

// Characters listed (and marked) at most; the scan stops after one more.
constexpr qsizetype kListed = 200;
// The longest wait before a change is shown, however slow the last update.
constexpr int kMaxDelayMs = 250;

// The size the preview asks for (a ReadMe line of 80 characters and half a
// page), the smallest it takes to stand beside the main window rather than
// over it, and the space between them.
constexpr QSize kPreferredSize(720, 600);
constexpr QSize kSmallestSize(200, 160);
constexpr int kGapToMainWindow = 8;

// Where the size and place are kept between runs.
const QString kGeometryKey = QStringLiteral("Preview/Geometry");

// Line ends as the view has them: CR LF, a lone CR and a lone LF each
// become "\n" (the code page scan counts lines the same way).
QString forView(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

// The position in a line's text of a column counted in characters.
int offsetOfColumn(const QString &line, qsizetype column)
{
    int offset = 0;
    for (qsizetype c = 1; c < column && offset < line.size(); ++c)
        offset += (line[offset].isHighSurrogate() && offset + 1 < line.size()) ? 2 : 1;
    return offset;
}

// The preview is a window of its own to a screen reader, not a filler.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className != QLatin1String(PreviewWindow::staticMetaObject.className()) || !object || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

PreviewWindow::PreviewWindow(QMainWindow &owner, PublishCommands &commands)
    : QWidget(&owner, Qt::Window)
    , m_commands(commands)
{
    static const bool accessibleAsWindow = [] {
        QAccessible::installFactory(accessibleWindow);
        return true;
    }();
    static_cast<void>(accessibleAsWindow);
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(tr("ReadMe Preview - Kestrin Editor"));
    setAccessibleName(windowTitle());
    setWindowIcon(applicationIcon());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildFormatRow());
    buildView();
    layout->addWidget(m_view, 1);
    buildNotes();
    layout->addWidget(m_status);
    layout->addWidget(m_list);
    layout->addLayout(buildButtonRow());

    connect(m_formatCombo, &QComboBox::currentIndexChanged, this, &PreviewWindow::refresh);
    connect(m_list, &QListWidget::itemActivated, this, &PreviewWindow::goToItem);
    connect(m_list, &QListWidget::itemClicked, this, &PreviewWindow::goToItem);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &PreviewWindow::refresh);
    watchForm(commands);

    placeBesideOwner(owner);
}

// "Format:" and its choice.
QLayout *PreviewWindow::buildFormatRow()
{
    auto *formatLabel = new QLabel(tr("&Format:"), this);
    m_formatCombo = new QComboBox(this);
    m_formatCombo->setObjectName(QStringLiteral("FormatCombo"));
    m_formatCombo->addItem(tr("Plain text"), int(ReadmeFormat::PlainText));
    m_formatCombo->addItem(tr("BBCode"), int(ReadmeFormat::BBCode));
    m_formatCombo->addItem(tr("Markdown"), int(ReadmeFormat::Markdown));
    formatLabel->setBuddy(m_formatCombo);
    m_formatCombo->setAccessibleName(tr("Format"));

    auto *top = new QHBoxLayout;
    top->addWidget(formatLabel);
    top->addWidget(m_formatCombo);
    top->addStretch();
    return top;
}

// The rendered ReadMe, read-only, in the system's fixed-width font.
void PreviewWindow::buildView()
{
    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QStringLiteral("PreviewText"));
    m_view->setAccessibleName(tr("ReadMe preview"));
    m_view->setReadOnly(true);
    m_view->setUndoRedoEnabled(false);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_view->setFont(fixed);
    m_view->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * 8);
}

// What the code page cannot hold: a line, and the list of the characters.
void PreviewWindow::buildNotes()
{
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("UnmappableList"));
    m_list->setAccessibleName(tr("Characters the code page cannot hold"));
    m_list->setMaximumHeight(m_list->fontMetrics().height() * 7);
    m_list->hide();
}

// Copy and Save As on the left, Close on the right.
QLayout *PreviewWindow::buildButtonRow()
{
    auto *copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("CopyButton"));
    auto *save = new QPushButton(tr("&Save As..."), this);
    save->setObjectName(QStringLiteral("SaveAsButton"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));

    // The buttons may be narrower than the style's usual width (down to
    // their text), so that the preview fits beside the main window on a
    // small screen.
    for (QPushButton *button : {copy, save, close}) {
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    connect(copy, &QPushButton::clicked, this, &PreviewWindow::copy);
    connect(save, &QPushButton::clicked, this, &PreviewWindow::saveAs);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

PreviewWindow::~PreviewWindow()
{
    if (isVisible())
        rememberPlace();
}

void PreviewWindow::placeBesideOwner(const QWidget &owner)
{
    const QSettings settings(kSettingsOrganization, kProgramTitle);
    if (restoreGeometry(settings.value(kGeometryKey).toByteArray()))
        return;
    // Before it is shown a window has no frame yet: the main window's
    // stands in for it.
    const QRect mainFrame = owner.frameGeometry();
    const QRect mainClient = owner.geometry();
    const QMargins frame(mainClient.left() - mainFrame.left(), mainClient.top() - mainFrame.top(),
                         mainFrame.right() - mainClient.right(), mainFrame.bottom() - mainClient.bottom());
    const QScreen *screen = owner.screen();
    // A few pixels clear of the screen's edges: the frame is only guessed.
    const QRect room = (screen ? screen->availableGeometry() : mainFrame).marginsRemoved(QMargins(4, 4, 4, 4));
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize smallest = kSmallestSize.expandedTo(minimumSizeHint());
    const Placement place =
        placeBeside(mainFrame, room, kPreferredSize + frameSize, smallest + frameSize, kGapToMainWindow);
    resize(place.frame.size() - frameSize);
    move(place.frame.topLeft());
}

void PreviewWindow::rememberPlace() const
{
    QSettings settings(kSettingsOrganization, kProgramTitle);
    settings.setValue(kGeometryKey, saveGeometry());
}

void PreviewWindow::hideEvent(QHideEvent *event)
{
    rememberPlace();
    QWidget::hideEvent(event);
}

ReadmeFormat PreviewWindow::format() const
{
    return ReadmeFormat(m_formatCombo->currentData().toInt());
}

void PreviewWindow::setFormat(ReadmeFormat format)
{
    m_formatCombo->setCurrentIndex(m_formatCombo->findData(int(format)));
}

void PreviewWindow::watchForm(PublishCommands &commands)
{
    // Every field, switch, option and the article kind; a change only
    // starts the timer, so typing never waits for the preview.
    connect(&commands, &PublishCommands::formChanged, this, &PreviewWindow::formChanged);
}

void PreviewWindow::formChanged()
{
    m_stale = true;
    if (!isVisible())
        return; // shown afresh when the window opens again
    // A burst of changes is shown once. The wait is as long as the last
    // update took, so that a large text is not rebuilt at every key press
    // while the user types on.
    m_pending.start(int(std::min<qint64>(kMaxDelayMs, m_lastCostMs)));
}

void PreviewWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void PreviewWindow::refresh()
{
    QElapsedTimer timer;
    timer.start();
    m_pending.stop();
    m_stale = false;
    const ReadmeFormat shownFormat = format();
    const QString text = forView(m_commands.text(shownFormat));
    showText(text, shownFormat != m_shownFormat);
    m_shownFormat = shownFormat;

    m_unmappable.clear();
    m_moreUnmappable = false;
    const TextEncoder encoder = TextEncoder::codePage(m_commands.codePage());
    if (shownFormat == ReadmeFormat::PlainText && !encoder.canEncode(m_shown)) {
        m_unmappable = encoder.unmappable(m_shown, kListed + 1);
        m_moreUnmappable = m_unmappable.size() > kListed;
        if (m_moreUnmappable)
            m_unmappable.removeLast();
    }
    markUnmappable();
    m_lastCostMs = timer.elapsed();
    emit updated();
}

void PreviewWindow::showText(const QString &text, bool replaceAll)
{
    if (!replaceAll && text == m_shown)
        return;
    QTextDocument *document = m_view->document();
    // Only the part that changed is replaced, so that one key press costs
    // little however long the text, and the view keeps its place.
    const qsizetype common = std::min(text.size(), m_shown.size());
    const auto firstDiff = std::mismatch(text.utf16(), text.utf16() + common, m_shown.utf16()).first;
    const qsizetype prefix = firstDiff - text.utf16();
    qsizetype suffix = 0;
    while (suffix < common - prefix && text[text.size() - 1 - suffix] == m_shown[m_shown.size() - 1 - suffix])
        ++suffix;
    if (replaceAll || m_shown.isEmpty()) {
        m_view->setPlainText(text);
    } else {
        QTextCursor cursor(document);
        cursor.setPosition(int(prefix));
        cursor.setPosition(int(m_shown.size() - suffix), QTextCursor::KeepAnchor);
        cursor.insertText(text.mid(prefix, text.size() - suffix - prefix));
    }
    m_shown = text;
    // The document keeps every character as it is; should it ever differ,
    // it is filled afresh.
    if (document->characterCount() - 1 != m_shown.size())
        m_view->setPlainText(m_shown);
}

void PreviewWindow::markUnmappable()
{
    const QString codePage = codePageName(m_commands.codePage());
    QList<QTextEdit::ExtraSelection> marks;
    m_list->clear();
    QTextCharFormat mark;
    mark.setBackground(QColor(255, 200, 200));
    mark.setForeground(QColor(150, 0, 0));
    mark.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark.setUnderlineColor(Qt::red);
    QTextDocument *document = m_view->document();
    for (const UnmappableChar &u : m_unmappable) {
        const QTextBlock block = document->findBlockByNumber(int(u.line - 1));
        if (!block.isValid())
            continue;
        QTextCursor cursor(block);
        const int offset = offsetOfColumn(block.text(), u.column);
        cursor.setPosition(block.position() + offset);
        cursor.setPosition(block.position() + offset + (u.codePoint > 0xFFFF ? 2 : 1), QTextCursor::KeepAnchor);
        marks.append({cursor, mark});
        auto *item = new QListWidgetItem(tr("Line %1, column %2: %3")
                                             .arg(u.line)
                                             .arg(u.column)
                                             .arg(describeCharacter(u.codePoint, GlyphPlace::Last)),
                                         m_list);
        item->setData(Qt::UserRole, cursor.selectionStart());
    }
    m_view->setExtraSelections(marks);
    m_list->setVisible(!m_unmappable.isEmpty());

    switch (m_shownFormat) {
    case ReadmeFormat::PlainText:
        if (m_unmappable.isEmpty())
            m_status->setText(tr("%1, CR LF line ends: every character fits the code page.").arg(codePage));
        else if (m_moreUnmappable)
            m_status->setText(tr("More than %1 characters cannot be written in %2; the first %1 are marked and listed "
                                 "below. Create will ask whether to save as UTF-8 or with \"?\" in their place.")
                                  .arg(kListed)
                                  .arg(codePage));
        else if (m_unmappable.size() == 1)
            m_status->setText(tr("1 character cannot be written in %1; it is marked and listed below. Create will "
                                 "ask whether to save as UTF-8 or with \"?\" in its place.")
                                  .arg(codePage));
        else
            m_status->setText(tr("%1 characters cannot be written in %2; they are marked and listed below. Create "
                                 "will ask whether to save as UTF-8 or with \"?\" in their place.")
                                  .arg(m_unmappable.size())
                                  .arg(codePage));
        break;
    case ReadmeFormat::BBCode: m_status->setText(tr("UTF-8, CR LF line ends.")); break;
    case ReadmeFormat::Markdown: m_status->setText(tr("UTF-8, LF line ends.")); break;
    }
}

void PreviewWindow::goToItem(QListWidgetItem *item)
{
    QTextCursor cursor(m_view->document());
    cursor.setPosition(item->data(Qt::UserRole).toInt());
    m_view->setTextCursor(cursor);
    m_view->ensureCursorVisible();
}

void PreviewWindow::copy()
{
    QApplication::clipboard()->setText(m_commands.text(format()));
}

void PreviewWindow::saveAs()
{
    m_commands.exportAs(format(), ReadmeExporter::Caller::Preview);
}

} // namespace kestrin::ui
