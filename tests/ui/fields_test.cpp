// SPDX-License-Identifier: MIT
// Line breaks between the document (CR LF) and the widgets; texts too big
// for the document, shown by the light view.
#include "bigtextview.h"
#include "fields.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace kestrin::ui;

TEST(Fields, MultiLineTextComesAndGoesWithCrLf)
{
    struct Case {
        QString set;
        QString read;
    };
    const QChar nbsp(0x00A0);
    const Case cases[] = {
        {QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")},
        {QStringLiteral("\r\n\r\nend\r\n"), QStringLiteral("\r\n\r\nend\r\n")},
        {QStringLiteral(" tab\there "), QStringLiteral(" tab\there ")},
        {QString(), QString()},
        {QStringLiteral("no") + nbsp + QStringLiteral("break"), QStringLiteral("no") + nbsp + QStringLiteral("break")},
        {QStringLiteral("lone\ncr\rlf"), QStringLiteral("lone\r\ncr\r\nlf")},
        {QStringLiteral("sep\u2028line\u2029para"), QStringLiteral("sep\r\nline\r\npara")},
    };
    MultiLineEdit edit;
    for (const Case &c : cases) {
        edit.setCrLfText(c.set);
        EXPECT_EQ(edit.crLfText(), c.read) << c.set.toStdString();
    }
    EXPECT_EQ(toCrLf(QStringLiteral("x\ny")), QStringLiteral("x\r\ny"));
    EXPECT_EQ(fromCrLf(QStringLiteral("x\r\ny\r\n")), QStringLiteral("x\ny\n"));
}

TEST(Fields, ReadOnlyFieldKeepsItsCaptionExactly)
{
    ReadOnlyField field;
    field.setCaption(QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(field.caption(), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(field.text(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(field.textFormat(), Qt::PlainText);
}

namespace {

// Numbered lines L0, L1, ... joined by the break, ending with end.
QString numberedLines(int count, const QString &lineBreak, const QString &end = QString())
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("L%1").arg(i);
    return lines.join(lineBreak) + end;
}

} // namespace

TEST(Fields, TextsTooBigForTheDocumentAreShownWholeByTheLightView)
{
    const QString crLf = QStringLiteral("\r\n");
    const QString longLine(MultiLineEdit::kBigChars + 1, u'w');
    const int many = int(MultiLineEdit::kBigLines) + 1;
    const struct {
        const char *name;
        QString set;
        bool big;
        QString read;    // what the field gives back
        qsizetype lines; // in the light view
        QString lastLine;
    } rows[] = {
        {"as many lines as the document takes",
         numberedLines(int(MultiLineEdit::kBigLines), crLf),
         false,
         numberedLines(int(MultiLineEdit::kBigLines), crLf),
         0,
         {}},
        {"one line more", numberedLines(many, crLf), true, numberedLines(many, crLf), many,
         QStringLiteral("L%1").arg(many - 1)},
        {"ending in a line break", numberedLines(many, crLf, crLf), true, numberedLines(many, crLf, crLf), many + 1,
         QString()},
        {"lone line feeds", numberedLines(many, QStringLiteral("\n")), true, numberedLines(many, crLf), many,
         QStringLiteral("L%1").arg(many - 1)},
        {"paragraph separators", numberedLines(many, QString(QChar::ParagraphSeparator)), true,
         numberedLines(many, crLf), many, QStringLiteral("L%1").arg(many - 1)},
        {"one line too long", longLine, true, longLine, 1, longLine},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        MultiLineEdit edit;
        edit.setCrLfText(row.set);
        EXPECT_EQ(edit.isShownBig(), row.big);
        EXPECT_TRUE(edit.crLfText() == row.read);
        if (!row.big)
            continue;
        EXPECT_TRUE(edit.isReadOnly());
        const BigTextView *view = edit.bigView();
        ASSERT_EQ(view->lineCount(), row.lines);
        EXPECT_TRUE(view->line(row.lines - 1) == row.lastLine);
        // Every line is found, on either side of the index's marks.
        if (row.lines > 1) {
            for (qsizetype i : {0, 1, 63, 64, 65, 127, 128, 4097}) {
                EXPECT_EQ(view->line(i).toString(), QStringLiteral("L%1").arg(i));
            }
        }
        // Its menu offers what the big text allows: Select All, then Copy.
        auto menuAction = [&](const char *name) {
            QContextMenuEvent click(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
            QCoreApplication::sendEvent(edit.bigView(), &click);
            const QList<QMenu *> menus = edit.findChildren<QMenu *>();
            QAction *action = menus.isEmpty() ? nullptr : menus.last()->findChild<QAction *>(QLatin1String(name));
            EXPECT_NE(action, nullptr) << name;
            return action;
        };
        QAction *copy = menuAction("edit-copy");
        ASSERT_NE(copy, nullptr);
        EXPECT_FALSE(copy->isEnabled());
        QAction *all = menuAction("select-all");
        ASSERT_NE(all, nullptr);
        all->trigger();
        EXPECT_TRUE(view->isAllSelected());
        QAction *cut = menuAction("edit-cut");
        ASSERT_NE(cut, nullptr);
        EXPECT_TRUE(cut->isEnabled());
        qDeleteAll(edit.findChildren<QMenu *>());
        // A small text takes the document back.
        edit.setCrLfText(QStringLiteral("small\r\ntext"));
        EXPECT_FALSE(edit.isShownBig());
        EXPECT_FALSE(edit.isReadOnly());
        EXPECT_EQ(edit.crLfText(), QStringLiteral("small\r\ntext"));
    }
}
