// SPDX-License-Identifier: MIT
// What a screen reader learns of the main window: the names, descriptions
// and label relations its controls give through QAccessible.
#include "previewwindow.h"
#include "publishcommands.h"
#include "widgetharness.h"
#include "windowlayout.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTabWidget>

using namespace kestrin::ui;

namespace {

class Accessibility : public ::testing::Test {
protected:
    // What a screen reader finds once the user has been through every tab.
    void SetUp() override { harness.showEveryTab(); }
    QWidget *widget(const char *name) { return harness.window().findChild<QWidget *>(QLatin1String(name)); }
    static QString accessible(QObject *object, QAccessible::Text text)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(text) : QStringLiteral("<no interface>");
    }

    WidgetHarness harness;
};

} // namespace

TEST_F(Accessibility, EachFieldIsNamedAndLabelledByItsLabel)
{
    int fields = 0;
    for (const ControlPlacement &p : controlPlacements()) {
        if (p.kind != WidgetKind::Label || !p.buddy)
            continue;
        auto *label = qobject_cast<QLabel *>(widget(p.name));
        QWidget *field = widget(p.buddy);
        ASSERT_TRUE(label && field) << p.name;
        ++fields;
        EXPECT_EQ(label->buddy(), field) << p.name;
        EXPECT_EQ(field->accessibleName(), QString::fromLatin1(p.caption)) << p.buddy;
        // Qt names a combo box by its current item on AT-SPI; the label
        // comes through the relation below, as screen readers there expect.
        bool namedByItem = false;
#ifdef Q_OS_UNIX
        namedByItem = qstrcmp(p.buddy, "ArticleCombo") == 0;
#endif
        if (!namedByItem) {
            EXPECT_EQ(accessible(field, QAccessible::Name), QString::fromLatin1(p.caption)) << p.buddy;
        }
        // The relation a screen reader follows from the field to its label.
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(field);
        bool labelled = false;
        for (const auto &[other, relation] : iface->relations(QAccessible::Label))
            labelled = labelled || other->object() == label;
        EXPECT_TRUE(labelled) << p.buddy << " is not labelled by " << p.name;
        // The tool tip stays the description.
        if (!field->toolTip().isEmpty() && !qobject_cast<QLabel *>(field)) {
            EXPECT_EQ(accessible(field, QAccessible::Description), field->toolTip()) << p.buddy;
        }
    }
    EXPECT_EQ(fields, 18);

    // The read-only disclaimer field, named by its label, still tells its
    // text.
    const QString disclaimer = accessible(widget("DisclaimerText"), QAccessible::Description);
    EXPECT_TRUE(disclaimer.startsWith(QLatin1String("Disclaimer: ================= Any unauthorized")))
        << qPrintable(disclaimer);
    EXPECT_TRUE(disclaimer.endsWith(QLatin1String("commercial purposes."))) << qPrintable(disclaimer);
}

TEST_F(Accessibility, ButtonsAreNamedByTheirCaptionsAndDescribedByTheirRow)
{
    struct Case {
        const char *name;
        const char *caption;
        const char *description;
    };
    const Case cases[] = {
        {"SkypeCheck", "Allow", "Skype:"},
        {"ICQCheck", "Allow", "ICQ:"},
        {"OtherCheck", "Allow", "Other:"},
        {"AddonsCheck1", "None - official only", "Required addons:"},
        {"AddonsCheck2", "User defined", "Required addons:"},
        {"SPmissionOption", "SP mission", "Installation instructions for:"},
        {"OwnDescriptionOption", "Own description", "Installation instructions for:"},
        {"ContentCheck", "Allow", "Features:"},
        {"ChangelogCheck", "Allow", "Changelog/known bugs:"},
        {"ClassnamesCheck", "Allow", "Notes:"},
    };
    for (const Case &c : cases) {
        QWidget *button = widget(c.name);
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(accessible(button, QAccessible::Name), QLatin1String(c.caption)) << c.name;
        EXPECT_EQ(accessible(button, QAccessible::Description), QLatin1String(c.description)) << c.name;
    }
}

TEST_F(Accessibility, NoControlThatTakesTheFocusIsNameless)
{
    const QList<QWidget *> all = harness.window().findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *w : all) {
        // Options the Tab key passes over still take the focus by the arrow
        // keys. A widget that hands its focus on (the tab control to its tab
        // strip) is spoken as the one it hands it to.
        if (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() || w->focusProxy())
            continue;
        ++checked;
        // On Linux a combo box speaks its current item as its name and
        // gives its label through the relation (checked above).
        if (w->objectName() == QLatin1String("ArticleCombo"))
            continue;
        EXPECT_FALSE(accessible(w, QAccessible::Name).isEmpty()) << qPrintable(w->objectName());
    }
    EXPECT_GE(checked, 30);
    EXPECT_EQ(accessible(widget("InstallationText"), QAccessible::Name), QStringLiteral("Installation instructions"));
}

TEST_F(Accessibility, TabPagesAndStatusPanelsHaveNames)
{
    auto *tabs = qobject_cast<QTabWidget *>(widget("MainTab"));
    ASSERT_NE(tabs, nullptr);
    for (int i = 0; i < kTabPageCount; ++i)
        EXPECT_EQ(accessible(tabs->widget(i), QAccessible::Name), tabCaption(TabPage(i)));

    const std::pair<const char *, QString> panels[] = {
        {"StatusBar1", QStringLiteral("Status bar")}, {"StatusPanel1", QStringLiteral("Kestrin Editor by Vantry")},
        {"NumLockPanel", QStringLiteral("Num Lock")}, {"CapsLockPanel", QStringLiteral("Caps Lock")},
        {"InsertPanel", QStringLiteral("Insert")},
    };
    for (const auto &[name, spoken] : panels)
        EXPECT_EQ(accessible(widget(name), QAccessible::Name), spoken) << name;
    // The indicators still say whether their key is on.
    EXPECT_TRUE(accessible(widget("NumLockPanel"), QAccessible::Description) == QLatin1String("on")
                || accessible(widget("NumLockPanel"), QAccessible::Description) == QLatin1String("off"));
}

TEST_F(Accessibility, ThePreviewIsAWindowWithNamedParts)
{
    harness.window().publishCommands()->showPreview();
    PreviewWindow *preview = harness.window().publishCommands()->previewWindow();
    ASSERT_NE(preview, nullptr);
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(preview);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("ReadMe Preview - Kestrin Editor"));
    const struct {
        const char *name;
        const char *spoken;
    } parts[] = {{"PreviewText", "ReadMe preview"}, {"UnmappableList", "Characters the code page cannot hold"}};
    for (const auto &p : parts) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(accessible(preview->findChild<QWidget *>(QLatin1String(p.name)), QAccessible::Name),
                  QString::fromUtf8(p.spoken));
    }
    // The format choice speaks its choice as its name on Linux and is
    // labelled by its label.
    QAccessibleInterface *format = QAccessible::queryAccessibleInterface(preview->findChild<QWidget *>("FormatCombo"));
    ASSERT_NE(format, nullptr);
    QStringList labels;
    for (const auto &[other, relation] : format->relations(QAccessible::Label))
        labels << other->text(QAccessible::Name);
    EXPECT_EQ(labels, QStringList{QStringLiteral("Format:")});
    preview->close();
}
