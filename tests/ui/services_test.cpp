// SPDX-License-Identifier: MIT
// The real message box and save dialog, answered by a script that acts on
// each modal window as it appears.
#include "qtservices.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

// Acts on the modal windows that open, one step each, in order. The next
// step starts watching before a step runs, since a step may open (and wait
// in) a modal window of its own.
class ModalScript {
public:
    using Step = std::function<void(QWidget *)>;

    void then(const char *className, Step step) { m_steps.push_back({className, std::move(step)}); }
    void start() { watch(0); }
    int done() const { return m_done; }

private:
    struct Entry {
        const char *className;
        Step step;
    };

    void watch(size_t index)
    {
        if (index >= m_steps.size())
            return;
        auto *timer = new QTimer(qApp);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, index] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->inherits(m_steps[index].className) || !modal->isVisible() || modal == m_lastActedOn)
                return;
            timer->stop();
            timer->deleteLater();
            m_lastActedOn = modal;
            ++m_done;
            watch(index + 1);
            m_steps[index].step(modal);
        });
        timer->start();
    }

    std::vector<Entry> m_steps;
    QWidget *m_lastActedOn = nullptr;
    int m_done = 0;
};

} // namespace

TEST(QtMessageBox, ShowsTheRequestAndReturnsTheButtonPressed)
{
    struct Case {
        MessageRequest request;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton defaultButton;
        std::function<void(QMessageBox *)> user;
        MessageAnswer expected;
    };
    auto press = [](QMessageBox::StandardButton which) {
        return [which](QMessageBox *box) { QTest::mouseClick(box->button(which), Qt::LeftButton); };
    };
    auto key = [](Qt::Key k) { return [k](QMessageBox *box) { QTest::keyClick(box, k); }; };
    const QString quit = QStringLiteral("Do you really want to quit ?\r\nAll unsaved data will be lost.");
    const Case cases[] = {
        {{quit, kProgramTitle, MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes},
         QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Question,
         QMessageBox::Yes,
         press(QMessageBox::No),
         MessageAnswer::No},
        {{quit, kProgramTitle, MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes},
         QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Question,
         QMessageBox::Yes,
         key(Qt::Key_Return),
         MessageAnswer::Yes},
        {{quit, kProgramTitle, MessageButtons::YesNo, MessageIcon::Warning, MessageAnswer::Yes},
         QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Warning,
         QMessageBox::Yes,
         key(Qt::Key_Escape),
         MessageAnswer::No},
        {{QStringLiteral("ReadMe file created successfully ..."), kProgramTitle, MessageButtons::Ok,
          MessageIcon::Information, MessageAnswer::Ok},
         QMessageBox::Ok,
         QMessageBox::Information,
         QMessageBox::Ok,
         key(Qt::Key_Return),
         MessageAnswer::Ok},
        {{QStringLiteral("Characters <b>not</b> held"), kProgramTitle, MessageButtons::YesNoCancel,
          MessageIcon::Warning, MessageAnswer::Yes},
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Warning,
         QMessageBox::Yes,
         key(Qt::Key_Escape),
         MessageAnswer::Cancel},
        {{QStringLiteral("Save changes to the article?"), kProgramTitle, MessageButtons::SaveDiscardCancel,
          MessageIcon::Warning, MessageAnswer::Save},
         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
         QMessageBox::Warning,
         QMessageBox::Save,
         press(QMessageBox::Discard),
         MessageAnswer::Discard},
    };
    QWidget parent;
    QtMessageBoxService service(&parent);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.request.prompt.toStdString());
        ModalScript script;
        QString shownText, shownTitle;
        QMessageBox::StandardButtons shownButtons;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QPushButton *shownDefault = nullptr;
        Qt::TextFormat format = Qt::AutoText;
        script.then("QMessageBox", [&](QWidget *w) {
            auto *box = static_cast<QMessageBox *>(w);
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownButtons = box->standardButtons();
            shownIcon = box->icon();
            shownDefault = box->defaultButton();
            format = box->textFormat();
            EXPECT_EQ(box->parentWidget(), &parent);
            c.user(box);
        });
        script.start();
        const MessageAnswer answer = service.show(c.request);
        EXPECT_EQ(script.done(), 1);
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(shownText, QString(c.request.prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        EXPECT_EQ(shownTitle, QStringLiteral("Kestrin Editor"));
        EXPECT_EQ(shownButtons, c.buttons);
        EXPECT_EQ(shownIcon, c.icon);
        EXPECT_EQ(format, Qt::PlainText);
        ASSERT_NE(shownDefault, nullptr);
    }
}

TEST(QtSaveDialog, FilterStringsBecomeNameFilters)
{
    struct Case {
        const char *filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"*.txt|*.txt", {"*.txt"}},
        {"Text files|*.txt;*.text", {"Text files (*.txt *.text)"}},
        {"Text|*.txt|All files|*.*", {"Text (*.txt)", "All files (*.*)"}},
        {"", {}},
        {"dangling", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QtSaveDialogService::toNameFilters(QString::fromLatin1(c.filter)), c.expected) << c.filter;
}

TEST(QtSaveDialog, SavesUnderTheTypedNameAndRemembersIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ReadMe"));
    QWidget parent;
    QtSaveDialogService service(&parent);
    service.setFilter(QStringLiteral("*.txt|*.txt"));

    ModalScript first;
    first.then("QFileDialog", [&](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kestrin Editor"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"*.txt"});
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->parentWidget(), &parent);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    first.start();
    ASSERT_TRUE(service.showSave());
    EXPECT_EQ(first.done(), 1);
    // No extension is added.
    EXPECT_EQ(service.fileName(), path);

    // The next showing opens with that name; cancelling keeps it.
    ModalScript second;
    second.then("QFileDialog", [&](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        EXPECT_EQ(dialog->selectedFiles(), QStringList{path});
        dialog->reject();
    });
    second.start();
    EXPECT_FALSE(service.showSave());
    EXPECT_EQ(second.done(), 1);
    EXPECT_EQ(service.fileName(), path);
}

TEST(QtSaveDialog, AsksBeforeReplacingAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    ASSERT_TRUE(writeFileBytes(path, "old"));
    QtSaveDialogService service;
    service.setFilter(QStringLiteral("*.txt|*.txt"));

    // No: the dialog stays open; then Yes replaces.
    ModalScript script;
    QString question;
    auto chooseExisting = [&](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    };
    script.then("QFileDialog", chooseExisting);
    script.then("QMessageBox", [&](QWidget *w) {
        auto *box = static_cast<QMessageBox *>(w);
        question = box->text();
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    });
    // Still choosing: the same name again, and Yes this time.
    script.then("QFileDialog", chooseExisting);
    script.then("QMessageBox", [&](QWidget *w) {
        QTest::mouseClick(static_cast<QMessageBox *>(w)->button(QMessageBox::Yes), Qt::LeftButton);
    });
    script.start();
    ASSERT_TRUE(service.showSave());
    EXPECT_EQ(script.done(), 4);
    EXPECT_TRUE(question.contains(QStringLiteral("already exists"))) << question.toStdString();
    EXPECT_EQ(service.fileName(), path);
}

TEST(QtSaveDialog, StartsInTheArticlesFolderWithTheRememberedName)
{
    QTemporaryDir dir;
    const QString remembered = dir.filePath(QStringLiteral("ReadMe.txt"));
    const QString folder = dir.filePath(QStringLiteral("article"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("article")));
    QtSaveDialogService service;
    ModalScript first;
    first.then("QFileDialog", [&](QWidget *w) {
        auto *name = w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(remembered);
        QTest::keyClick(name, Qt::Key_Return);
    });
    first.start();
    ASSERT_TRUE(service.showSave());

    service.setStartFolder(folder);
    ModalScript second;
    second.then("QFileDialog", [&](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        EXPECT_EQ(dialog->directory().absolutePath(), folder);
        EXPECT_EQ(dialog->selectedFiles(), QStringList{folder + QStringLiteral("/ReadMe.txt")});
        dialog->reject();
    });
    second.start();
    EXPECT_FALSE(service.showSave());
    EXPECT_EQ(first.done() + second.done(), 2);
    EXPECT_EQ(service.fileName(), remembered);
}

TEST(QtArticleDialog, OpensInTheFolderAndSavesWithTheJsonExtension)
{
    QTemporaryDir dir;
    QtArticleDialogService service;
    ModalScript open;
    open.then("QFileDialog", [&](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->directory().absolutePath(), dir.path());
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Article files (*.json)", "All files (*)"}));
        dialog->reject();
    });
    open.start();
    EXPECT_EQ(service.chooseOpen(dir.path()), std::nullopt);

    ModalScript save;
    save.then("QFileDialog", [&](QWidget *w) {
        auto *dialog = static_cast<QFileDialog *>(w);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->selectedFiles(), QStringList{dir.filePath(QStringLiteral("Harbour Raid.json"))});
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("raid"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    save.start();
    EXPECT_EQ(service.chooseSave(dir.filePath(QStringLiteral("Harbour Raid.json"))),
              dir.filePath(QStringLiteral("raid.json")));
    EXPECT_EQ(open.done() + save.done(), 2);
}
