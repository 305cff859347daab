// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/DevicePixels.h"

#include <QPainter>
#include <QWidget>
#include <QtMath>

namespace DevicePixels {

QRect area(const QPainter &painter, const QWidget *widget)
{
    // Qt maps the region a widget paints to device pixels corner by corner,
    // each corner rounded to the nearest device pixel; so does this.
    const QTransform toDevice = painter.deviceTransform();
    const QPoint topLeft = toDevice.map(QPointF(0, 0)).toPoint();
    const QPoint bottomRight = toDevice.map(QPointF(widget->width(), widget->height())).toPoint();
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

int nearest(qreal logicalWidth, qreal ratio) { return qMax(1, qRound(logicalWidth * ratio)); }

int atLeast(qreal logicalWidth, qreal ratio)
{
    // A hair below a whole number is that number, not one more.
    return qMax(1, qCeil(logicalWidth * ratio - 1e-6));
}

void paintInDevicePixels(QPainter &painter)
{
    painter.setWorldTransform(painter.deviceTransform().inverted(), true);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void fillFrame(QPainter &painter, const QRect &box, int width, const QColor &colour)
{
    const int w = qMin(width, qMin(box.width(), box.height()) / 2);
    if (w <= 0)
        return;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), w), colour);
    painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), colour);
    painter.fillRect(QRect(box.left(), box.top() + w, w, box.height() - 2 * w), colour);
    painter.fillRect(QRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w), colour);
}

} // namespace DevicePixels
