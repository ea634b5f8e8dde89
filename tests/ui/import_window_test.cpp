// SPDX-License-Identifier: MIT
// The import in the real window: Ctrl+I, the review dialog with its
// fields, ticks, editable addons and notes, unticking a field, applying;
// the form's switches and fields and Create's bytes afterwards (golden);
// Cancel changes nothing; a dropped PBO is imported; nothing readable is
// told in a message. KESTRIN_UPDATE_GOLDEN=1 rewrites the golden file.

#include "articleform.h"
#include "gamefiles.h"
#include "golden.h"
#include "importdialog.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

using namespace kestrin;
using namespace kestrin::ui;
using namespace kestrin::testing;

namespace {

class ImportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = QDir(dir.path()).canonicalPath();
        game = fixtures::gameInstallation(base);
        harness = std::make_unique<WidgetHarness>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    MainWindow &window() { return harness->window(); }
    // Ctrl+I with this source; the review is done by `review`.
    void importWith(const QString &source, MainWindow::ImportReviewer review)
    {
        window().setImportHooks([source] { return std::optional<QString>(source); }, std::move(review), game);
        // A progress dialog shown by an earlier, slower import may still
        // hold the activation, and the shortcut goes only to the active window.
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(window().windowHandle(), Qt::Key_I, Qt::ControlModifier);
    }
    Article formArticle() const { return articleFromForm(harness->window().form()); }

    QTemporaryDir dir;
    QString base;
    QString game;
    std::unique_ptr<WidgetHarness> harness;
};

QStringList column(const QTreeWidget *tree, int col)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out.append(tree->topLevelItem(i)->text(col));
    return out;
}

} // namespace

TEST_F(ImportWindow, ReviewUntickApplyAndCreate)
{
    QAction *item = window().findChild<QAction *>(QStringLiteral("mnuImport"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    // In the File menu after Recent Articles, before the separator space0.
    auto *menu = window().findChild<QMenu *>(QStringLiteral("mnuFile"));
    ASSERT_NE(menu, nullptr);
    const QList<QAction *> file = menu->actions();
    const qsizetype at = file.indexOf(item);
    ASSERT_GT(at, 0);
    EXPECT_EQ(file[at - 1]->objectName(), QStringLiteral("mnuRecent"));
    EXPECT_EQ(file[at + 1]->objectName(), QStringLiteral("space0"));

    bool reviewed = false;
    importWith(fixtures::spMissionFolder(base) + QLatin1String("/mission.sqm"), [&](ImportDialog &dialog) {
        reviewed = true;
        auto *fields = dialog.findChild<QTreeWidget *>(QStringLiteral("ImportFields"));
        EXPECT_EQ(column(fields, 0),
                  QStringList({"Article", "Name", "Author(s)", "Required game version", "Required addons"}));
        EXPECT_EQ(column(fields, 1), QStringList({"SP mission", "", "", "", "None - official only"}));
        EXPECT_EQ(column(fields, 2).mid(0, 4),
                  QStringList({"SP mission", "Escape", "Vantry \"Kes\" Kestrin", "Arma 2"}));
        EXPECT_EQ(column(fields, 3).at(1), QStringLiteral("description.ext, line 2"));
        auto *addons = dialog.findChild<QPlainTextEdit *>(QStringLiteral("ImportAddons"));
        EXPECT_EQ(addons->toPlainText(), QStringLiteral("ace_main\nkst_vehicles\ncba_main\njsrs_sounds"));
        EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("ImportOfficialSource"))->text().contains(game));
        // The user leaves the author as it is and drops one addon.
        fields->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
        addons->setPlainText(QStringLiteral("ace_main\nkst_vehicles\ncba_main"));
        return true;
    });
    ASSERT_TRUE(reviewed);
    ControlAccess &form = window().form();
    EXPECT_EQ(form.text(Control::Name), QStringLiteral("Escape"));
    EXPECT_EQ(form.text(Control::Authors), QString());
    EXPECT_EQ(form.text(Control::RequiredGame), QStringLiteral("Arma 2"));
    EXPECT_EQ(form.value(Control::AddonsUserDefined), 1);
    EXPECT_EQ(form.value(Control::AddonsOfficialOnly), 0);
    EXPECT_TRUE(form.isEnabled(Control::RequiredAddons));
    EXPECT_EQ(form.text(Control::RequiredAddons), QStringLiteral("ace_main\r\nkst_vehicles\r\ncba_main"));

    const QString readme = dir.filePath(QStringLiteral("readme.txt"));
    harness->dialog.chooseNext(readme);
    window().findChild<QAction *>(QStringLiteral("mnuCreate"))->trigger();
    const QString golden = QStringLiteral(KESTRIN_IMPORT_GOLDEN_DIR "/window-sp-mission.readme.txt");
    if (qEnvironmentVariableIsSet("KESTRIN_UPDATE_GOLDEN"))
        writeFileBytes(golden, readFileBytes(readme));
    EXPECT_EQ(readFileBytes(readme), readFileBytes(golden));
}

TEST_F(ImportWindow, CancelChangesNothingAndApplyingMarksTheArticleModified)
{
    const QString article = dir.filePath(QStringLiteral("raid.json"));
    ASSERT_TRUE(writeFileBytes(article, readFileBytes(QStringLiteral(KESTRIN_EXAMPLES_DIR "/harbour-raid.json"))));
    harness->articleDialog.chooseNext(article);
    QTest::keyClick(window().windowHandle(), Qt::Key_O, Qt::ControlModifier);
    const Article before = formArticle();

    importWith(fixtures::addonPbo(base), [](ImportDialog &) { return false; });
    EXPECT_EQ(formArticle(), before);
    EXPECT_FALSE(QTest::qWaitFor([&] { return window().isWindowModified(); }, 500));

    importWith(fixtures::addonPbo(base), [](ImportDialog &) { return true; });
    const Article after = formArticle();
    EXPECT_EQ(after.name, QStringLiteral("Kestrin Vehicles"));
    EXPECT_EQ(after.kind, QStringLiteral("Addon"));
    EXPECT_EQ(after.web, QStringLiteral("https://example.org/kestrin"));
    EXPECT_EQ(after.requiredAddons, std::optional<QString>(QStringLiteral("CBA_Main\r\nkst_common\r\nJSRS_Sounds")));
    EXPECT_EQ(after.skype, before.skype); // not proposed: kept
    EXPECT_EQ(after.version, before.version);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().isWindowModified(); }, 2000));
}

TEST_F(ImportWindow, DroppedPboIsImportedAndNothingReadableIsTold)
{
    bool reviewed = false;
    window().setImportHooks(
        {}, [&](ImportDialog &) { return reviewed = true; }, game);
    auto *description = static_cast<QPlainTextEdit *>(window().control(Control::Description));
    harness->showTabOf(description);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(fixtures::addonPbo(base))});
    const QPoint at = description->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(description->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(description->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return reviewed; }, 5000));
    EXPECT_EQ(window().form().text(Control::Name), QStringLiteral("Kestrin Vehicles"));

    writeFileBytes(base + QLatin1String("/broken.pbo"), "damaged");
    const Article before = formArticle();
    reviewed = false;
    importWith(base + QLatin1String("/broken.pbo"), [&](ImportDialog &) { return reviewed = true; });
    EXPECT_FALSE(reviewed);
    ASSERT_EQ(harness->messages.shown().size(), 1);
    EXPECT_TRUE(harness->messages.shown().first().prompt.startsWith(QLatin1String("Nothing could be read from")));
    EXPECT_EQ(formArticle(), before);
}

// Big texts taken from an import fill the form a slice at a time, as an
// opened article does: the progress dialog shows, and its Cancel puts back
// all the form held, a text typed into a switched-off field included.
TEST_F(ImportWindow, ABigImportFillsInSlicesAndCancelPutsTheFormBack)
{
    QString addons;
    for (int i = 0; addons.size() < 900000; ++i)
        addons += QStringLiteral("kst_addon_%1\n").arg(i, 8, 10, QLatin1Char('0'));
    // The progress shows at the first slice, however fast the machine.
    window().fileWork().setProgressDelay(0);
    const struct {
        const char *name;
        bool cancel;
    } rows[] = {{"cancelled while the form fills", true}, {"filled whole", false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        WidgetForm &form = window().form();
        form.setText(Control::Name, QStringLiteral("Before"));
        form.setValue(Control::SkypeAllowed, 1);
        form.setText(Control::Skype, QStringLiteral("typed.skype"));
        form.setValue(Control::SkypeAllowed, 0);
        form.setValue(Control::AddonsUserDefined, 1);
        form.setText(Control::RequiredAddons, QStringLiteral("typed_addon"));
        form.setValue(Control::AddonsOfficialOnly, 1);
        const Article before = formArticle();

        bool progressShown = false;
        QTimer canceller;
        canceller.setInterval(20);
        QObject::connect(&canceller, &QTimer::timeout, [&] {
            auto *progress = window().findChild<QProgressDialog *>(QStringLiteral("FileProgress"));
            if (!progress || !progress->isVisible() || progressShown)
                return;
            progressShown = true;
            if (row.cancel)
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        });
        canceller.start();
        importWith(fixtures::addonPbo(base), [&](ImportDialog &dialog) {
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("ImportAddons"))->setPlainText(addons);
            return true;
        });
        canceller.stop();
        EXPECT_TRUE(progressShown);
        const Article after = formArticle();
        if (row.cancel) {
            EXPECT_EQ(after, before);
            EXPECT_EQ(form.text(Control::Skype), QStringLiteral("typed.skype"));
            EXPECT_EQ(form.text(Control::RequiredAddons), QStringLiteral("typed_addon"));
            EXPECT_EQ(form.value(Control::AddonsOfficialOnly), 1);
        } else {
            EXPECT_EQ(after.name, QStringLiteral("Kestrin Vehicles"));
            QString expected = addons.trimmed();
            expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
            EXPECT_EQ(after.requiredAddons.value_or(QString()).size(), expected.size());
            EXPECT_TRUE(after.requiredAddons == expected);
        }
    }
}
