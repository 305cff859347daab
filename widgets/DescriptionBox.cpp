// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/DescriptionBox.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

namespace {

// Left of the text, as Qt's default document margin would leave it.
constexpr int TextIndent = 4;

// The box's track is about 20 pixels long; the usual minimum handle length
// would fill it whatever the text's length and position.
class ShortTrackStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarSliderMin)
            return 4;   // logical pixels: Qt scales them with the screen
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // Fusion draws track and handle in nearly the same light grey; on so
    // short a track the handle's place must be seen at a glance.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control != CC_ScrollBar)
            return;
        for (SubControl page : {SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
            const QRect area = subControlRect(control, option, page, widget);
            if (area.isValid())
                painter->fillRect(area.adjusted(1, 0, -1, 0), TrackColour);
        }
    }

private:
    static constexpr QColor TrackColour{0x9A, 0x9A, 0x9A};
};

} // namespace

DescriptionBox::DescriptionBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    Accessibility::installFactory();
    document()->setDocumentMargin(0);
    verticalScrollBar()->setStyle(Look::sharedProxyStyle<ShortTrackStyle>());
    // The margins around the viewport show the box's own background.
    setAutoFillBackground(true);
    fitWholeLines();
}

qreal DescriptionBox::lineHeight() const
{
    // The height the layout gives a line, which can differ from the font's
    // line spacing by the leading.
    QTextLayout probe(QStringLiteral("Xg"), font());
    probe.beginLayout();
    QTextLine line = probe.createLine();
    if (line.isValid())
        line.setLineWidth(1000);
    probe.endLayout();
    return line.isValid() && line.height() > 0 ? line.height() : QFontMetricsF(font()).height();
}

void DescriptionBox::fitWholeLines()
{
    const qreal line = lineHeight();
    const int available = contentsRect().height();
    const int lines = qMax(1, int(available / line));
    const int used = qMin(available, qCeil(lines * line));
    const int top = (available - used) / 2;
    m_visibleLines = lines;
    setViewportMargins(TextIndent, top, 0, available - used - top);
}

void DescriptionBox::resizeEvent(QResizeEvent *event)
{
    fitWholeLines();
    QPlainTextEdit::resizeEvent(event);
}

void DescriptionBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitWholeLines();
}
