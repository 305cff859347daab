// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Window layouts are designed in twips (1/1440 inch). Qt works in logical
// pixels at 96 dpi, where 15 twips make one pixel; this is the only place
// that converts.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    // Round half away from zero, so that negative offsets mirror positive ones.
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

inline QPoint point(int x, int y) { return QPoint(toPixels(x), toPixels(y)); }

} // namespace Twips
