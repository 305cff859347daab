// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keeps a side's position inside its god list and says what the side must do.

#include <QtGlobal>

namespace GodStepper {

enum class Outcome {
    Draw,          // show the god at the position
    Nothing,       // the list is empty: show the side without a god
    FirstRecord,   // stepped before the first god: position pulled back, nothing redrawn
    LastRecord,    // stepped past the last god: position pulled back, nothing redrawn
};

// Pulls position back into 0..count - 1 (0 for an empty list) and names the outcome.
Outcome settle(qint16 &position, qsizetype count);

} // namespace GodStepper
