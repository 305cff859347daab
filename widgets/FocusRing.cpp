// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FocusRing.h"

#include "widgets/DevicePixels.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace {

// Where the ring lies: over the control, exactly on its edges (the style's
// own focus frame lies around it, where the next control may be), and
// above every other control of the window.
class RingPlacementStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_FocusFrame_AboveWidget)
            return 1;
        // No mask: the ring paints only its band and lets the control show.
        if (hint == SH_FocusFrame_Mask)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QPointer<FocusRing> &ring()
{
    static QPointer<FocusRing> theRing;
    return theRing;
}

} // namespace

FocusRing::FocusRing()
{
    setObjectName(QStringLiteral("focusRing"));
    setStyle(Look::sharedProxyStyle<RingPlacementStyle>());
}

void FocusRing::followFocus()
{
    static bool following = false;
    if (following || !qApp)
        return;
    following = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &FocusRing::focusMoved);
    focusMoved(nullptr, QApplication::focusWidget());
}

FocusRing *FocusRing::current() { return ring(); }

QColor FocusRing::colour() { return Look::FocusBlue; }

int FocusRing::width(qreal ratio) { return DevicePixels::atLeast(2, ratio); }

bool FocusRing::marks(const QWidget *widget)
{
    if (!widget || widget->isWindow() || !widget->parentWidget())
        return false;
    if (qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget))
        return false;
    const Qt::WindowType kind = widget->window()->windowType();
    return kind != Qt::Popup && kind != Qt::ToolTip;
}

void FocusRing::focusMoved(QWidget *, QWidget *now)
{
    if (!marks(now)) {
        if (ring())
            ring()->setWidget(nullptr);
        return;
    }
    // The ring lives in the window of the control it marks, and goes with
    // that window; the next window gets a new one.
    if (!ring())
        ring() = new FocusRing;
    ring()->setWidget(now);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (!widget())
        return;
    QPainter painter(this);
    const QRect box = DevicePixels::area(painter, this);
    DevicePixels::paintInDevicePixels(painter);
    DevicePixels::fillFrame(painter, box, width(devicePixelRatioF()), colour());
}
