// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which promotional label comes to the front at start-up: a draw in [0, 1)
// becomes a whole number 1..7.

#include <QtGlobal>

namespace CoBrandDraw {

// Nearest whole number; a value exactly halfway goes to the even neighbour.
qint16 roundHalfToEven(float value);

// draw * 6 + 1 in single precision, rounded half to even: 1..7.
qint16 numberFromDraw(float draw);

enum class Front { FullBrand, CoBrand, Designed };

// 2, 4, 6: the full-branding label; 1, 3, 5: the co-branding label;
// anything else leaves the designed order.
Front frontFor(qint16 number);

} // namespace CoBrandDraw
