// SPDX-License-Identifier: MIT
// File > Minimize through the D-Bus StatusNotifierItem route, as on KDE
// Plasma and on GNOME with the AppIndicator extension: a watcher with a
// host runs on the session bus (statusnotifier_watcher.py, started by
// statusnotifier_e2e.sh), so Qt shows the icon as an item registered with
// it. Minimize registers exactly one item with the window's icon and the
// tip; Activate (a left click) and ContextMenu (a right click) each restore
// the window and remove the item; unloading the window removes it too.
#include "atomicfileservice.h"
#include "mainwindow.h"

#include "facades.h"
#include "trayminimizer.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QImage>
#include <QSystemTrayIcon>
#include <QTest>
#include <QtEndian>

using namespace kestrin;
using namespace kestrin::ui;

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

QDBusMessage call(const QString &service, const QString &path, const QString &interface, const QString &method,
                  const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    // The item is served by this program's own event loop: the call must
    // not block it.
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(message);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000))
        return {};
    return pending.reply();
}

QVariant property(const QString &service, const QString &path, const QString &interface, const QString &name)
{
    const QDBusMessage reply = call(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qvariant_cast<QDBusVariant>(reply.arguments().first()).variant();
}

// The items registered with the watcher now, "bus name/object path" each.
QStringList registeredItems()
{
    return property(kWatcher, kWatcherPath, kWatcher, QStringLiteral("RegisteredStatusNotifierItems")).toStringList();
}

int registrations()
{
    const QDBusMessage reply =
        call(kWatcher, kWatcherPath, QStringLiteral("org.kestrin.Test"), QStringLiteral("Registrations"));
    return reply.arguments().isEmpty() ? -1 : reply.arguments().first().toInt();
}

struct Pixmap {
    int width = 0, height = 0;
    QByteArray argb; // ARGB32, network byte order
};

QList<Pixmap> readPixmaps(const QDBusArgument &arg)
{
    QList<Pixmap> pixmaps;
    arg.beginArray();
    while (!arg.atEnd()) {
        Pixmap p;
        arg.beginStructure();
        arg >> p.width >> p.height >> p.argb;
        arg.endStructure();
        pixmaps.append(p);
    }
    arg.endArray();
    return pixmaps;
}

// The application icon drawn at a size, as the item's pixmaps carry it.
QByteArray iconBytes(const QIcon &icon, int width, int height)
{
    const QImage image = icon.pixmap(QSize(width, height)).toImage().convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 big = qToBigEndian(line[x]);
            bytes.append(reinterpret_cast<const char *>(&big), 4);
        }
    }
    return bytes;
}

class StatusNotifier : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "needs a session bus";
        ASSERT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered(kWatcher))
            << "needs a StatusNotifierWatcher";
        ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
        window = std::make_unique<MainWindow>(messages, dialog, files);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // File > Minimize; returns the one item it registered.
    QString minimize()
    {
        window->findChild<QAction *>(QStringLiteral("mnuMinimize"))->trigger();
        if (!QTest::qWaitFor([] { return !registeredItems().isEmpty(); }, 5000))
            return {};
        QTest::qWait(100); // a second item would have come by now
        const QStringList items = registeredItems();
        return items.size() == 1 ? items.first() : QString();
    }

    // A click on the item, as the host reports it.
    static void click(const QString &item, const char *method)
    {
        const qsizetype slash = item.indexOf(u'/');
        call(item.left(slash), item.mid(slash), kItemInterface, QLatin1String(method), {0, 0});
    }

    bool restoredWithoutItem()
    {
        return QTest::qWaitFor([this] { return window->isVisible() && registeredItems().isEmpty(); }, 5000);
    }

    ScriptedMessageBox messages;
    ScriptedSaveDialog dialog;
    AtomicTextFileService files;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(StatusNotifier, MinimizeRegistersOneItemWithTheIconAndTheTip)
{
    const QString item = minimize();
    ASSERT_FALSE(item.isEmpty()) << "not exactly one item: " << registeredItems().join(u' ').toStdString();
    EXPECT_FALSE(window->isVisible());
    const qsizetype slash = item.indexOf(u'/');
    const QString service = item.left(slash), path = item.mid(slash);

    // The tip: (icon name, pixmaps, title, text).
    const auto tip = property(service, path, kItemInterface, QStringLiteral("ToolTip")).value<QDBusArgument>();
    QString iconName, title, text;
    tip.beginStructure();
    tip >> iconName;
    readPixmaps(tip);
    tip >> title >> text;
    tip.endStructure();
    EXPECT_EQ(title, QStringLiteral("Restore Kestrin Editor"));

    // The icon: the window's own picture, at each size the item offers.
    const QList<Pixmap> pixmaps =
        readPixmaps(property(service, path, kItemInterface, QStringLiteral("IconPixmap")).value<QDBusArgument>());
    ASSERT_FALSE(pixmaps.isEmpty());
    for (const Pixmap &p : pixmaps) {
        ASSERT_EQ(p.argb.size(), qsizetype(p.width) * p.height * 4) << p.width << "x" << p.height;
        EXPECT_EQ(p.argb, iconBytes(window->windowIcon(), p.width, p.height)) << p.width << "x" << p.height;
    }
    EXPECT_EQ(registrations(), 1);
}

TEST_F(StatusNotifier, ActivateAndContextMenuEachRestoreAndRemoveTheItem)
{
    const int before = registrations();
    const char *const clicks[] = {"Activate", "ContextMenu"};
    for (const char *method : clicks) {
        const QString item = minimize();
        ASSERT_FALSE(item.isEmpty()) << method << ": not exactly one item";
        click(item, method);
        EXPECT_TRUE(restoredWithoutItem()) << method;
    }
    // One registration per Minimize, never a second item beside the first.
    EXPECT_EQ(registrations() - before, 2);
}

TEST_F(StatusNotifier, SecondaryActivateAndScrollDoNotRestore)
{
    const QString item = minimize();
    ASSERT_FALSE(item.isEmpty());
    click(item, "SecondaryActivate");
    QTest::qWait(500);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(registeredItems(), QStringList{item});
    click(item, "Activate");
    EXPECT_TRUE(restoredWithoutItem());
}

TEST_F(StatusNotifier, UnloadingTheWindowRemovesTheItem)
{
    // As when the session ends with the window in the notification area:
    // the window unloads while hidden, and the program is still running.
    ASSERT_FALSE(minimize().isEmpty());
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return registeredItems().isEmpty(); }, 5000));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Kestrin Editor"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
