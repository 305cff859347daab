// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/GodStepper.h"

namespace GodStepper {

Outcome settle(qint16 &position, qsizetype count)
{
    if (position < 0) {
        position = 0;
        return Outcome::FirstRecord;
    }
    // An empty list at its resting position has nothing to show, and nothing
    // to complain about: that is how the side opens.
    if (count == 0 && position == 0)
        return Outcome::Nothing;
    if (position > count - 1) {
        position = count > 0 ? qint16(count - 1) : qint16(0);
        return Outcome::LastRecord;
    }
    return Outcome::Draw;
}

} // namespace GodStepper
