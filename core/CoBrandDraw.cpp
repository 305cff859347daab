// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CoBrandDraw.h"

#include <cmath>

namespace CoBrandDraw {

qint16 roundHalfToEven(float value)
{
    // Done by hand rather than through the floating-point rounding mode,
    // which other code could have changed.
    const float lower = std::floor(value);
    const float fraction = value - lower;
    float rounded = lower;
    if (fraction > 0.5f)
        rounded = lower + 1.0f;
    else if (fraction == 0.5f)
        rounded = std::fmod(lower, 2.0f) == 0.0f ? lower : lower + 1.0f;
    return qint16(rounded);
}

qint16 numberFromDraw(float draw)
{
    const float scaled = draw * 6.0f + 1.0f;
    return roundHalfToEven(scaled);
}

Front frontFor(qint16 number)
{
    switch (number) {
    case 2:
    case 4:
    case 6:
        return Front::FullBrand;
    case 1:
    case 3:
    case 5:
        return Front::CoBrand;
    default:
        return Front::Designed;
    }
}

} // namespace CoBrandDraw
