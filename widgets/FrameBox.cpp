// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FrameBox.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/DevicePixels.h"

#include <QPainter>

namespace {

const QColor BorderGrey{0x80, 0x80, 0x80};
constexpr int CaptionIndent = 8;
constexpr int CaptionPadding = 2;

} // namespace

FrameBox::FrameBox(const QString &title, const QColor &background, bool bordered, const QColor &titleColour,
                   QWidget *parent)
    : QGroupBox(title, parent)
    , m_background(background)
    , m_titleColour(titleColour)
    , m_bordered(bordered)
{
    Accessibility::installFactory();
    setAccessibleName(title);
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);

    const QFontMetrics metrics(font());
    const int borderTop = title().isEmpty() ? 0 : metrics.height() / 2;
    if (m_bordered) {
        // One logical pixel, in whole device pixels inside the frame's own
        // device pixels: a stroked rectangle loses a side at 125 % or 150 %.
        painter.save();
        QRect box = DevicePixels::area(painter, this);
        const int captionMiddle = painter.deviceTransform().map(QPointF(0, borderTop)).toPoint().y();
        box.setTop(captionMiddle);
        DevicePixels::paintInDevicePixels(painter);
        DevicePixels::fillFrame(painter, box, DevicePixels::nearest(1, devicePixelRatioF()), BorderGrey);
        painter.restore();
    }

    if (!title().isEmpty()) {
        const QRect captionRect(CaptionIndent, 0,
                                metrics.horizontalAdvance(title()) + 2 * CaptionPadding, metrics.height());
        painter.fillRect(captionRect, m_background);
        painter.setFont(font());
        painter.setPen(m_titleColour);
        painter.drawText(captionRect, Qt::AlignCenter, title());
    }
}
