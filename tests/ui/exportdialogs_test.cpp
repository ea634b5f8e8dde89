// SPDX-License-Identifier: MIT
// The export dialogs as the user meets them: the real file dialogs of
// File > Export and the preview's Save As, each titled for what it does,
// proposing the article's name with its format's extension, adding that
// extension to a name typed without one, listing only its own kind of
// file, and opening in the folder it was last used in.
#include "previewwindow.h"
#include "publishcommands.h"
#include "widgetharness.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

struct SeenDialog {
    QString title;
    QString proposed;
    QString folder;
    QStringList filters;
};

} // namespace

TEST(ExportDialogs, TitledProposingTheArticlesNameAndAddingTheirOwnExtension)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    WidgetHarness harness;
    MainWindow &window = harness.window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    harness.userType(Control::Name, QStringLiteral("Harbour Raid"));
    PublishCommands &commands = *window.publishCommands();

    const struct {
        const char *how;
        ReadmeFormat format;
        const char *title;
        const char *proposed;
        const char *filter;
        const QTemporaryDir *in;
        const char *typed;
        const char *written;
        bool sameFolderAsBefore;
    } cases[] = {
        {"File > Export > BBCode", ReadmeFormat::BBCode, "Export as BBCode", "Harbour Raid.bbcode.txt",
         "BBCode forum posts (*.bbcode.txt)", &first, "post", "post.bbcode.txt", false},
        {"File > Export > Markdown", ReadmeFormat::Markdown, "Export as Markdown", "Harbour Raid.md",
         "Markdown files (*.md)", &second, "notes", "notes.md", false},
        {"the preview's Save As, BBCode", ReadmeFormat::BBCode, "Save Preview As", "Harbour Raid.bbcode.txt",
         "BBCode forum posts (*.bbcode.txt)", &first, "forum.txt", "forum.txt", true},
        {"the preview's Save As, plain text", ReadmeFormat::PlainText, "Save Preview As", "Harbour Raid.txt", "*.txt",
         &second, "ReadMe", "ReadMe.txt", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        auto seen = std::make_shared<SeenDialog>();
        const QString folder = c.in->path();
        const QString typed = QString::fromUtf8(c.typed);
        QTimer::singleShot(0, [seen, folder, typed] {
            auto answer = std::make_shared<std::function<void()>>();
            *answer = [seen, folder, typed, answer] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog) {
                    QTimer::singleShot(20, *answer);
                    return;
                }
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                *seen = {dialog->windowTitle(), name ? name->text() : QString(), dialog->directory().absolutePath(),
                         dialog->nameFilters()};
                if (name)
                    name->setText(QDir(folder).filePath(typed));
                QMetaObject::invokeMethod(dialog, "accept");
                // The answer holds itself for its retries; let it go once done.
                QTimer::singleShot(0, [answer] { *answer = nullptr; });
            };
            (*answer)();
        });
        harness.messages.answerNext(MessageAnswer::Ok);
        if (QString::fromUtf8(c.how).startsWith(QLatin1String("File >"))) {
            window
                .findChild<QAction *>(
                    QLatin1String(c.format == ReadmeFormat::BBCode ? "mnuExportBBCode" : "mnuExportMarkdown"))
                ->trigger();
        } else {
            commands.showPreview();
            PreviewWindow *preview = commands.previewWindow();
            ASSERT_NE(preview, nullptr);
            preview->setFormat(c.format);
            preview->findChild<QPushButton *>(QStringLiteral("SaveAsButton"))->click();
            preview->close();
        }
        EXPECT_EQ(seen->title, QString::fromUtf8(c.title));
        EXPECT_EQ(seen->proposed, QString::fromUtf8(c.proposed));
        EXPECT_EQ(seen->filters.value(0), QString::fromUtf8(c.filter));
        // Forum posts and READMEs are never listed with the ReadMe's *.txt.
        if (c.format != ReadmeFormat::PlainText) {
            EXPECT_FALSE(seen->filters.contains(QStringLiteral("*.txt")));
        }
        if (c.sameFolderAsBefore) {
            EXPECT_EQ(seen->folder, QDir(first.path()).absolutePath());
        }
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QString::fromUtf8(c.written))))
            << QDir(folder).entryList(QDir::Files).join(u' ').toStdString();
    }
}
