// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lines drawn on whole device pixels. On a screen scaled by a fraction
// (125 %, 150 %) a widget's edges fall between device pixels; Qt keeps, of
// each widget, the device pixels whose corners its logical edges round to,
// and a one-pixel line stroked along an edge can land on a device pixel
// just outside them and be cut off. Here the widget's area is taken in
// device pixels as Qt keeps it, and lines are filled inside it, so that
// every side shows at every scale.

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

namespace DevicePixels {

// The device pixels that painting `widget` with `painter` reaches, in the
// painter's device coordinates.
QRect area(const QPainter &painter, const QWidget *widget);

// Whole device pixels for a line `logicalWidth` logical pixels wide: the
// nearest, and never fewer than one.
int nearest(qreal logicalWidth, qreal ratio);
// At least `logicalWidth` logical pixels' worth of whole device pixels.
int atLeast(qreal logicalWidth, qreal ratio);

// Switches the painter to device coordinates: one unit, one device pixel.
void paintInDevicePixels(QPainter &painter);

// Fills the `width` device pixels just inside each side of `box` (device
// coordinates; the painter must be painting in device pixels).
void fillFrame(QPainter &painter, const QRect &box, int width, const QColor &colour);

} // namespace DevicePixels
