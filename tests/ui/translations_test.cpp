// SPDX-License-Identifier: MIT
// The window in each language the program is translated into: the texts are
// translated, and every caption still fits the fixed rectangle of its
// control, the tabs and the menu bar their one row.
#include "widgetharness.h"

#include "aboutwindow.h"
#include "translator.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>

#include <memory>
#include <ostream>

using namespace kestrin;

namespace {

struct Language {
    const char *locale;
    const char *loaded;    // the translation loaded; empty: none
    const char *basicData; // the first tab's caption in that language
};

void PrintTo(const Language &language, std::ostream *out)
{
    *out << language.locale;
}

class TranslatedWindowTest : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        EXPECT_EQ(installTranslations(*qApp, QLocale(QLatin1String(GetParam().locale))),
                  QLatin1String(GetParam().loaded));
        m_harness = std::make_unique<WidgetHarness>();
        // Every page as it looks once its tab has been shown.
        m_harness->showEveryTab();
    }
    void TearDown() override
    {
        m_harness.reset();
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    ui::MainWindow &window() { return m_harness->window(); }

private:
    std::unique_ptr<WidgetHarness> m_harness;
};

QString captionOf(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    return {};
}

// The width a check box or option needs to draw its whole caption: the
// indicator, the style's spacing and the text (its size hint adds a focus
// frame margin the control does not need).
int neededWidth(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    const bool option = qobject_cast<const QRadioButton *>(button);
    const int indicator =
        style->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
    const int spacing =
        style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                           button);
    return indicator + spacing + button->fontMetrics().horizontalAdvance(button->text());
}

// Every label and button below root shows its whole caption: one line within
// the control's width, or wrapped lines within its height.
void expectCaptionsFit(const QWidget *root)
{
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        const QString caption = captionOf(w);
        if (caption.isEmpty())
            continue;
        SCOPED_TRACE(w->objectName().toStdString() + ": " + caption.toStdString());
        auto *label = qobject_cast<const QLabel *>(w);
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(w->width()), w->height());
            continue;
        }
        if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w))
            EXPECT_LE(neededWidth(static_cast<const QAbstractButton *>(w)), w->width());
        else
            EXPECT_LE(w->sizeHint().width(), w->width());
        EXPECT_LE(w->fontMetrics().height(), w->height());
    }
}

TEST_P(TranslatedWindowTest, TextsAreTranslatedAndEveryCaptionFits)
{
    ui::MainWindow &w = window();
    QTabWidget *tabs = w.mainTab();
    EXPECT_EQ(tabs->tabText(0), QString::fromUtf8(GetParam().basicData));
    // Qt's own texts (the message boxes' buttons) in the same language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == QLatin1String("Cancel"),
              *GetParam().loaded == '\0');

    expectCaptionsFit(tabs);
    expectCaptionsFit(w.statusBar());

    // The tabs in one row within the tab control, none clipped.
    int right = 0;
    for (int i = 0; i < tabs->count(); ++i) {
        SCOPED_TRACE(tabs->tabText(i).toStdString());
        const QRect r = tabs->tabBar()->tabRect(i);
        EXPECT_GE(r.left(), right);
        EXPECT_EQ(r.top(), tabs->tabBar()->tabRect(0).top());
        EXPECT_LE(tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)), r.width());
        right = r.right();
    }
    EXPECT_LE(tabs->tabBar()->x() + right, tabs->width());

    // The menu bar's commands in one row within the window.
    const QList<QAction *> commands = w.menuBar()->actions();
    ASSERT_FALSE(commands.isEmpty());
    const int top = w.menuBar()->actionGeometry(commands.first()).top();
    for (QAction *a : commands) {
        SCOPED_TRACE(a->text().toStdString());
        EXPECT_EQ(w.menuBar()->actionGeometry(a).top(), top);
        EXPECT_LE(w.menuBar()->actionGeometry(a).right(), w.menuBar()->width());
    }

    ui::AboutWindow about(&w);
    expectCaptionsFit(&about);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowTest,
                         ::testing::Values(Language{"en_US", "", "Basic data"}, Language{"de_DE", "de", "Grunddaten"},
                                           Language{"cs_CZ", "cs", "Základní údaje"},
                                           Language{"ru_RU", "ru", "Основное"},
                                           Language{"pl_PL", "pl", "Podstawowe dane"}),
                         [](const auto &info) { return std::string(info.param.locale).substr(0, 2); });

// English and C change nothing: no translation is loaded.
TEST(UntranslatedWindowTest, EnglishAndCLoadNoTranslation)
{
    for (const char *locale : {"en_US", "en_GB", "C"}) {
        SCOPED_TRACE(locale);
        EXPECT_TRUE(installTranslations(*qApp, QLocale(QLatin1String(locale))).isEmpty());
        EXPECT_TRUE(qApp->findChildren<QTranslator *>().isEmpty());
    }
}

} // namespace
