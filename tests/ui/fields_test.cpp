// SPDX-License-Identifier: MIT
// Line breaks between the document (CR LF) and the widgets.
#include "fields.h"

#include <gtest/gtest.h>

#include <QTest>

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
