// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Centres a top-level window on its screen frame and all. Before a window is
// first shown its frame is unknown; the frame of the last window shown
// stands in for it, and once the window manager has framed the new window it
// is put right, once, before the user can have moved it.

class QScreen;
class QWidget;

namespace Centring {

void centreOnScreen(QWidget *window, QScreen *screen = nullptr);

} // namespace Centring
