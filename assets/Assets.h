// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pictures built into the program: the sixteen portraits of the image
// list and their print-size renderings, the program icon and the two hand
// pointers.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>

namespace Assets {

// Catalogue positions 0..15 are drawn by entries 1..16; the gods past them
// have no portrait of their own.
constexpr int PortraitCount = 16;

// Key of image-list entry 1..16 ("01_ares.jpg" ...); empty outside that range.
QString portraitKey(int entry);

// Picture of image-list entry 1..16, decoded by content (entry 11 is a GIF
// although its key ends in ".jpg"). A null image outside 1..16 or on failure.
QImage portrait(int entry);

// Resource path of the entry, for tests and tools.
QString portraitResourcePath(int entry);

// The same portraits for paper: PrintPortraitPixels square, printed one inch
// wide, so 300 dots to the inch. A null image outside 1..16.
constexpr int PrintPortraitPixels = 300;
QImage printPortrait(int entry);
QString printPortraitResourcePath(int entry);

// The 32 x 32 program icon (with larger renderings where available).
QIcon programIcon();
QPixmap programIconPixmap();   // the 32 x 32 picture itself

enum class Hand { SixteenColour, Monochrome };
// Hand-shaped pointer, hot spot at the fingertip, for the primary screen:
// the double-size rendering where that screen is scaled.
QCursor handCursor(Hand variant);
// The same for a given device pixel ratio.
QCursor handCursor(Hand variant, qreal devicePixelRatio);
QImage handImage(Hand variant);

// The fingertip within the 32 x 32 hand picture; the same for both variants.
QPoint handHotSpot();

// Resource paths of the 32 x 32 program icon and of a hand picture.
QString programIconResourcePath();
QString handResourcePath(Hand variant);
// scale 2: the 64 x 64 rendering of the same pointer.
QString handResourcePath(Hand variant, int scale);

} // namespace Assets
