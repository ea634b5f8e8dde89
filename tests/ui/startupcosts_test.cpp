// SPDX-License-Identifier: MIT
// What the window saves at start: the application icon read only when it is
// first drawn, and then drawn exactly as Qt's own icon of the same picture;
// the window font naming only the faces that are installed.
#include "pngiconengine.h"
#include "windowlayout.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

using namespace kestrin::ui;

namespace {

const QString kIconFile = QStringLiteral(":/icons/kestrin-editor.png");

QImage imageOf(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Qt's own icon of the picture, which the lazy one must match.
QIcon qtIcon()
{
    QIcon icon;
    icon.addFile(kIconFile, QSize(128, 128));
    return icon;
}

TEST(PngIcon, AnswersAndDrawsAsQtsOwnIconOfThePicture)
{
    if (!QFile::exists(kIconFile))
        GTEST_SKIP() << "the icon resource is not built";
    const QIcon lazy(new PngIconEngine(kIconFile, QSize(128, 128)));
    const QIcon own = qtIcon();
    const struct {
        QSize size;
        QIcon::Mode mode;
    } cases[] = {
        {{16, 16}, QIcon::Normal},   {{22, 22}, QIcon::Normal},   {{32, 32}, QIcon::Normal},
        {{48, 48}, QIcon::Normal},   {{128, 128}, QIcon::Normal}, {{256, 256}, QIcon::Normal},
        {{64, 32}, QIcon::Normal},   {{32, 32}, QIcon::Disabled}, {{128, 128}, QIcon::Active},
        {{24, 24}, QIcon::Selected},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " mode " << int(c.mode));
        EXPECT_EQ(lazy.actualSize(c.size, c.mode), own.actualSize(c.size, c.mode));
        EXPECT_EQ(lazy.availableSizes(c.mode), own.availableSizes(c.mode));
        const QImage drawn = imageOf(lazy.pixmap(c.size, c.mode));
        EXPECT_FALSE(drawn.isNull());
        EXPECT_EQ(drawn, imageOf(own.pixmap(c.size, c.mode)));
        // Painted into a rectangle, as a tray icon or title bar draws it.
        QImage paintedLazy(c.size, QImage::Format_ARGB32_Premultiplied), paintedOwn = paintedLazy;
        paintedLazy.fill(Qt::transparent);
        paintedOwn.fill(Qt::transparent);
        QPainter(&paintedLazy).drawPixmap(0, 0, lazy.pixmap(c.size, c.mode));
        QPainter toOwn(&paintedOwn);
        own.paint(&toOwn, QRect(QPoint(), c.size), Qt::AlignCenter, c.mode);
        toOwn.end();
        QImage paintedByIcon(c.size, QImage::Format_ARGB32_Premultiplied);
        paintedByIcon.fill(Qt::transparent);
        QPainter toLazy(&paintedByIcon);
        lazy.paint(&toLazy, QRect(QPoint(), c.size), Qt::AlignCenter, c.mode);
        toLazy.end();
        EXPECT_EQ(paintedByIcon, paintedOwn);
    }
}

TEST(PngIcon, ReadsThePictureOnlyWhenFirstDrawn)
{
    if (!QFile::exists(kIconFile))
        GTEST_SKIP() << "the icon resource is not built";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString later = dir.filePath(QStringLiteral("later.png"));
    auto *engine = new PngIconEngine(later, QSize(128, 128));
    const QIcon icon(engine);
    // Sizes are answered, and the window takes the icon, without the file.
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(128, 128)});
    EXPECT_EQ(icon.actualSize(QSize(32, 32)), QSize(32, 32));
    EXPECT_FALSE(engine->isRead());
    // The file comes only now, and is read at the first drawing.
    ASSERT_TRUE(QFile::copy(kIconFile, later));
    EXPECT_EQ(icon.pixmap(128).size(), QSize(128, 128));
    EXPECT_TRUE(engine->isRead());
}

TEST(PngIcon, ReadsPngAloneAndAMissingOrForeignPictureDrawsNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A picture in another format under a PNG name is not read as that format.
    QImage other(8, 8, QImage::Format_RGB32);
    other.fill(Qt::red);
    const QString bmp = dir.filePath(QStringLiteral("bitmap.png"));
    ASSERT_TRUE(other.save(bmp, "BMP"));
    const QString garbage = dir.filePath(QStringLiteral("garbage.png"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\nnot really");
    file.close();
    const QString cases[] = {dir.filePath(QStringLiteral("missing.png")), bmp, garbage};
    for (const QString &path : cases) {
        SCOPED_TRACE(path.toStdString());
        const QIcon icon(new PngIconEngine(path, QSize(8, 8)));
        EXPECT_TRUE(icon.pixmap(8).isNull());
        // Asked again, the failed read is not repeated into a different answer.
        EXPECT_TRUE(icon.pixmap(8).isNull());
    }
}

TEST(WindowFont, NamesOnlyTheInstalledFacesInTheirOrder)
{
    const QStringList installed = QFontDatabase::families();
    ASSERT_FALSE(installed.isEmpty());
    const QString some = installed.first().section(QLatin1String(" ["), 0, 0);
    const QString missing = QStringLiteral("No Such Face Kestrin");
    const QString alsoMissing = QStringLiteral("Nor This One Kestrin");
    const struct {
        QStringList wanted;
        QStringList expected;
    } cases[] = {
        {{missing, some}, {some}},
        {{some, missing}, {some}},
        {{missing, some.toUpper(), alsoMissing}, {some.toUpper()}},
        // None installed: all of them, for the font system to substitute.
        {{missing, alsoMissing}, {missing, alsoMissing}},
        {{}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.wanted.join(u',').toStdString());
        EXPECT_EQ(installedFamilies(c.wanted), c.expected);
    }
}

TEST(WindowFont, IsTheFaceTheWholeListWouldHaveGiven)
{
    QFont whole;
    whole.setFamilies(
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    whole.setPointSizeF(8.25);
    const QFont window = windowFont(8.25);
    EXPECT_EQ(QFontInfo(window).family(), QFontInfo(whole).family());
    EXPECT_EQ(QFontInfo(window).pixelSize(), QFontInfo(whole).pixelSize());
    EXPECT_DOUBLE_EQ(window.pointSizeF(), 8.25);
}

} // namespace
