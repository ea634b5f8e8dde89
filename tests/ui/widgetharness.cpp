// SPDX-License-Identifier: MIT
// Runs the behaviour suite against the real widgets.
#include "widgetharness.h"

#include "contract_suite.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace kestrin;

WidgetHarness::WidgetHarness()
    : m_window(messages, dialog, files, articleDialog, files, recent)
{
    m_window.document().setCodePage(1252);
    m_window.show();
    m_window.activateWindow();
}

WidgetHarness::~WidgetHarness() = default;

void WidgetHarness::showTabOf(QWidget *widget)
{
    QTabWidget *tabs = m_window.mainTab();
    QWidget *page = widget;
    while (page && page->parentWidget() && tabs->indexOf(page) < 0)
        page = page->parentWidget();
    const int index = tabs->indexOf(page);
    if (index < 0 || index == tabs->currentIndex())
        return;
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void WidgetHarness::showEveryTab()
{
    QTabWidget *tabs = m_window.mainTab();
    for (int i = 0; i < tabs->count(); ++i)
        tabs->setCurrentIndex(i);
    tabs->setCurrentIndex(0);
}

void WidgetHarness::userClick(Control control)
{
    QWidget *widget = m_window.control(control);
    if (!widget->isEnabled())
        return;
    showTabOf(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button)
        return;
    // On the box or the round button itself.
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle::SubElement indicator =
        controlKind(control) == ControlKind::CheckBox ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
    const QRect box = button->style()->subElementRect(indicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, box.center());
}

namespace {

void paste(QWidget *field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

void WidgetHarness::typeKeys(QWidget *field, const QString &text, bool multiLine)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            if (multiLine)
                QTest::keyClick(field, Qt::Key_Return);
            else
                paste(field, QStringLiteral("\r\n"));
        }
        const QString &line = lines[i];
        for (qsizetype j = 0; j < line.size(); ++j) {
            const QChar c = line[j];
            if (c == u'\t' && multiLine) {
                QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
            } else if (c == u'\t' || c == u'\r' || c == u'\n') {
                // No key types these into a one-line field; a user pastes them.
                paste(field, QString(c));
            } else if (c.unicode() > 0x20 && c.unicode() < 0x7f) {
                QTest::keyClick(field, char(c.unicode()));
            } else if (c.isHighSurrogate() && j + 1 < line.size()) {
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, line.mid(j, 2), {});
                ++j;
            } else {
                QTest::sendKeyEvent(QTest::Click, field, c == u' ' ? Qt::Key_Space : Qt::Key_unknown, QString(c), {});
            }
        }
    }
}

void WidgetHarness::userType(Control control, const QString &text)
{
    QWidget *field = m_window.control(control);
    if (!field->isEnabled())
        return;
    showTabOf(field);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    typeKeys(field, text, controlKind(control) == ControlKind::MultiLineEdit);
}

void WidgetHarness::userPickArticle(const QString &kind)
{
    auto *combo = static_cast<QComboBox *>(m_window.control(Control::ArticleKind));
    const int index = combo->findText(kind);
    if (!combo->isEnabled() || index < 0)
        return;
    showTabOf(combo);
    combo->setFocus(Qt::TabFocusReason);
    // The first item, then down the list.
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

KESTRIN_INSTANTIATE_CONTRACT(Widgets, [] { return std::unique_ptr<FormHarness>(new WidgetHarness); });
