// SPDX-License-Identifier: MIT
#pragma once

// The field widgets of the main window where plain Qt widgets behave
// differently from what the window promises.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <optional>
#include <vector>

namespace kestrin::ui {

class BigTextView;

// CR LF line breaks (the document's) to "\n" (the widgets') and back. Line
// and paragraph separators, which some keys and pastes insert, are line
// breaks as well.
QString fromCrLf(const QString &text);
QString toCrLf(const QString &text);

// A multi-line text box: wraps words, always shows its vertical scroll bar,
// Enter starts a new line, Tab and Shift+Tab move the focus, Ctrl+Tab types
// a tab character. Its text comes and goes with CR LF line breaks.
//
// A text of more than kBigChars characters or kBigLines lines, which Qt's
// text document would hold at hundreds of bytes a line, is held whole and
// shown read-only in a BigTextView: the user may scroll it, select all of
// it and copy it, replace all of it by typing, deleting or pasting, and
// undo the paste that brought it (and then the edits before it).
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget *parent = nullptr);

    QString crLfText() const;
    void setCrLfText(const QString &text);

    static constexpr qsizetype kBigChars = 1000000;
    static constexpr qsizetype kBigLines = 50000;
    static bool isBigText(QStringView crLf);
    // The text is shown by the light view (bigView()), read-only.
    bool isShownBig() const;
    BigTextView *bigView() const { return m_big; }

    // What runs a long job in steps from the window's event loop, the
    // window answering meanwhile (FileWork::runSteps); false when the user
    // cancelled. With it, a text longer than kSlicedText characters is
    // filled in or pasted a slice at a time; without it, at once.
    using StepRunner = std::function<bool(const std::function<bool()> &step)>;
    void setStepRunner(StepRunner runner) { m_steps = std::move(runner); }
    static constexpr qsizetype kSlicedText = 256 * 1024;
    // The characters one step inserts (up to the end of their line), the
    // lines one step reads.
    static constexpr qsizetype kStepChars = 4096;
    static constexpr int kStepLines = 2048;

signals:
    // An edit made the text too big for the document: it is shown read-only.
    void shownBig(qsizetype characters, qsizetype lines);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The big text's view and its edits: shown over the document (which
    // keeps what it held, and its undo steps, underneath), replaced whole,
    // undone.
    bool insertBig(const QString &text);
    void showBig(const QString &crLf);
    void hideBig();
    void replaceBig(const QString &text);
    bool undoBig();
    bool bigKey(QKeyEvent *event);
    void bigMenu(const QPoint &globalPos);
    // What undo brings back, the latest last: a text, or (no value) what
    // the document underneath holds.
    std::vector<std::optional<QString>> m_bigUndo;
    BigTextView *m_big = nullptr;

    // Inserts the text at the cursor a step at a time, all of it one step
    // to undo (with the edit before it, when joined); false when cancelled.
    bool insertInSteps(QTextCursor &cursor, const QString &text, bool joined = false);
    // Reads the text into the copy crLfText() keeps, a step at a time.
    void readInSteps();

    StepRunner m_steps;
    mutable QString m_crLf;
    mutable bool m_crLfValid = false;
};

// A one-line text box without a length limit. A text longer than
// kShownChars, which Qt would lay out anew at every key press (seconds for
// megabytes), is held whole but shown cut, ending in "…", and read-only:
// the user may select and copy it (all selected, the whole text is copied),
// undo the paste that brought it, or replace all of it by typing, deleting
// or pasting with everything selected.
class LineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LineEdit(QWidget *parent = nullptr);

    static constexpr qsizetype kShownChars = 65536;

    // The text, however long, and setting it (as setText, the cursor at
    // the start).
    QString wholeText() const { return m_cut ? m_whole : text(); }
    void setWholeText(const QString &text);
    bool isCut() const { return m_cut; }

signals:
    // A paste or drop made the text longer than is shown.
    void shownCut(qsizetype characters);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Puts the text in place of the selection, as a paste does; true when
    // done here (the result too long to show whole, or replacing a cut text).
    bool insertWhole(const QString &text);
    bool allSelected() const { return hasSelectedText() && selectedText().size() == text().size(); }
    static QString shortened(const QString &whole);
    // Replaces all of the text as one edit that Undo takes back.
    void editWhole(const QString &whole);
    // Undo and Redo through the line edit's own steps, a cut text among them.
    void undoEdit();
    void redoEdit();
    void followHistory();

    bool m_cut = false;
    QString m_whole;
    // The cut texts among the undo steps, oldest first, and how many of
    // them lie at or before the text shown.
    std::vector<QString> m_cuts;
    qsizetype m_cutsBehind = 0;
};

// A label shown as a read-only text field: sunken border, the field colours
// of the current scheme, text selectable with the mouse; it takes no focus. Its caption is kept
// exactly as it was set, CR LF included.
class ReadOnlyField : public QLabel {
    Q_OBJECT
public:
    explicit ReadOnlyField(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

private:
    QString m_caption;
};

} // namespace kestrin::ui
