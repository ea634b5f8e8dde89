// SPDX-License-Identifier: MIT
// The file dialogs list a folder and tell its files' types without reading
// any of them: a special file that looks regular (/proc/kmsg) is never
// opened. Watched with inotify on a folder of files whose names tell
// nothing; Qt's own icon provider, which opens them to look inside, shows
// that the watch sees a read.
#include "fileicons.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

using namespace kestrin::ui;

namespace {

// The names of the files in the folder that were opened since the watch began.
class OpenWatch {
public:
    explicit OpenWatch(const QString &folder)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS);
    }
    ~OpenWatch() { ::close(m_fd); }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    QStringList opened() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if (event->len > 0 && !names.contains(QString::fromLocal8Bit(event->name)))
                    names << QString::fromLocal8Bit(event->name);
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd;
};

} // namespace

TEST(FileDialogs, ListingAFolderOpensNoFileInIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"kmsg", "notes", "readme.txt"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho looks like a script\n");
    }
    QFileIconProvider qtOwn;
    const struct {
        const char *name;
        QAbstractFileIconProvider *provider; // null: the program's
        bool opens;
    } rows[] = {
        {"the program's dialogs", nullptr, false},
        {"Qt's own icon provider (the watch sees it read)", &qtOwn, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const OpenWatch watch(dir.path());
        {
            QFileDialog dialog(nullptr, QStringLiteral("Listing"));
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            if (row.provider)
                dialog.setIconProvider(row.provider);
            else
                NameOnlyIconProvider::useIn(dialog);
            auto *model = dialog.findChild<QFileSystemModel *>();
            ASSERT_NE(model, nullptr);
            QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
            dialog.setDirectory(dir.path());
            dialog.show();
            ASSERT_TRUE(loaded.count() > 0 || loaded.wait(10000));
            // Every row's icon and type, as the view and the completer show them.
            const QModelIndex folder = model->index(dir.path());
            QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(folder), 3, 10000);
            for (int i = 0; i < model->rowCount(folder); ++i) {
                EXPECT_FALSE(model->data(model->index(i, 0, folder), Qt::DecorationRole).isNull());
                EXPECT_FALSE(model->data(model->index(i, 2, folder)).toString().isEmpty());
            }
            QTest::qWait(200);
        }
        const QStringList opened = watch.opened();
        if (row.opens)
            EXPECT_FALSE(opened.isEmpty());
        else
            EXPECT_TRUE(opened.isEmpty()) << opened.join(u' ').toStdString();
    }
}
