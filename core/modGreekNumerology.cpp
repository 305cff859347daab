// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading state shared by the two windows.

#include "core/modGreekNumerology.h"

namespace modGreekNumerology {

qint16 LifePathNumber = 0;
qint16 DestinyNumber = 0;
QList<qint16> LifePathGods;
QList<qint16> DestinyGods;
std::optional<ReadingPerson> ReadingDetails;

void forgetReadingDetails()
{
    ReadingDetails.reset();
}

void resetReadingState()
{
    LifePathNumber = 0;
    DestinyNumber = 0;
    LifePathGods.clear();
    DestinyGods.clear();
    forgetReadingDetails();
}

} // namespace modGreekNumerology
