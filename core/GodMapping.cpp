// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Which gods a number stands for.

#include "core/modGreekNumerology.h"

namespace modGreekNumerology {

QList<qint16> godsOf(qint16 number)
{
    // Number 9 ends with Aphrodite Pandemos: the empty catalogue position
    // after her is no god and would only show a blank record.
    switch (number) {
    case 1: return {0};
    case 2: return {1, 2};
    case 3: return {3};
    case 4: return {4};
    case 5: return {5};
    case 6: return {6, 7, 8, 9, 10};
    case 7: return {11, 12};
    case 8: return {13, 14};
    case 9: return {15, 16};
    default: return {};
    }
}

void FillGodList(qint16 number, bool lifePath)
{
    LoadGodCatalogue();
    QList<qint16> &side = lifePath ? LifePathGods : DestinyGods;
    side = godsOf(number);
}

} // namespace modGreekNumerology
