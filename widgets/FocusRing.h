// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The keyboard focus made plain to see. Fusion marks the control that has
// the focus with a one-pixel tint of its outline, which on the black and
// dark grey windows can hardly be seen. A FocusRing is a band at least two
// logical pixels wide, in whole device pixels, just inside the edge of the
// control with the focus, whatever kind of control it is, in a colour
// that stands out as much from the light controls as from the dark window
// around them. One ring follows the focus through every window of the
// process; it lies over the control and lets every click through.

#include <QColor>
#include <QFocusFrame>

class FocusRing : public QFocusFrame
{
    Q_OBJECT
public:
    // From now on the ring follows the keyboard focus. Any number of calls
    // make one ring.
    static void followFocus();

    // The ring, once it has been shown; null before.
    static FocusRing *current();

    static QColor colour();
    // Its width in device pixels at a device pixel ratio.
    static int width(qreal ratio);

    // Whether the ring shows on `widget` when it has the focus: on every
    // control of a window, not on the menus or on the lists that drop down
    // from a control (their chosen entry is their own mark).
    static bool marks(const QWidget *widget);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FocusRing();
    static void focusMoved(QWidget *old, QWidget *now);
};
