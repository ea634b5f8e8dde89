// SPDX-License-Identifier: MIT
#include "pngiconengine.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace kestrin::ui {

PngIconEngine::PngIconEngine(QString fileName, QSize size)
    : m_fileName(std::move(fileName))
    , m_size(size)
{
}

const QIcon &PngIconEngine::picture()
{
    if (!m_read) {
        m_read = true;
        QImageReader reader(m_fileName, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            m_picture.addPixmap(QPixmap::fromImage(image));
    }
    return m_picture;
}

void PngIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    // As Qt's icons of pictures draw: the picture for the device's pixels.
    const QPaintDevice *device = painter->device();
    const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QSize PngIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    // The picture's own size, made smaller to fit (never larger), as the
    // picture's icon answers without reading it.
    QSize actual = m_size;
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap PngIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    // The ratio given: the picture's icon is asked for these very pixels.
    return picture().pixmap(size, 1.0, mode, state);
}

QList<QSize> PngIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    if (mode != QIcon::Normal || state != QIcon::Off)
        return {};
    return {m_size};
}

QString PngIconEngine::key() const
{
    return QStringLiteral("PngIconEngine");
}

QIconEngine *PngIconEngine::clone() const
{
    return new PngIconEngine(*this);
}

bool PngIconEngine::isNull()
{
    return m_fileName.isEmpty() || m_size.isEmpty();
}

} // namespace kestrin::ui
