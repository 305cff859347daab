// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixed texts behind the catalogue tables. Kept apart from the tables so
// the prose can be edited without touching the code that serves it.

#include <QString>

namespace modGreekNumerology::CatalogueTexts {

constexpr int GodCount = 17;            // positions 0..16 carry a god
constexpr int InterpretationCount = 9;  // numbers 1..9

// Description of the god at position 0..16; empty for any other position.
QString descriptionOf(int position);

// Interpretation of number 1..9; empty for any other number.
QString interpretationText(int number);

} // namespace modGreekNumerology::CatalogueTexts
