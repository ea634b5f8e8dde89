// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QSize>
#include <QString>

namespace kestrin::ui {

// An icon made of one PNG picture of a known size that is read only when
// the icon is first drawn, and read as PNG alone: QIcon::addFile finds a
// file's format from its content, which loads every image format plugin
// Qt has (three libraries, one of them libjpeg) before anything is shown.
// Until it is read the icon answers for its sizes from the size it was
// given; once read it behaves as QIcon's own icon of that picture does.
class PngIconEngine final : public QIconEngine {
public:
    PngIconEngine(QString fileName, QSize size);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;
    bool isNull() override;

    // Whether the picture has been read.
    bool isRead() const { return m_read; }

private:
    const QIcon &picture();

    QString m_fileName;
    QSize m_size;
    QIcon m_picture;
    bool m_read = false;
};

} // namespace kestrin::ui
