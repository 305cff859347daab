// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameBox.h"

#include "AccessibleFactory.h"

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
        painter.setPen(BorderGrey);
        painter.drawRect(QRect(0, borderTop, width() - 1, height() - 1 - borderTop));
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
