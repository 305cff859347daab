// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numerology engine: the god catalogue, the number-to-gods mapping and the
// reduction of a name and a birth date to the two numbers of a reading.
// The reading state is process-wide, as the two windows share it.

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

namespace modGreekNumerology {

constexpr int CatalogueSize = 18;        // positions 0..17; 17 is the empty entry
constexpr int InterpretationSlots = 10;  // slots 0..9; slot 9 is empty

// Catalogue tables, filled by LoadGodCatalogue().
extern std::array<QString, CatalogueSize> GodNames;
extern std::array<QString, CatalogueSize> GodDescriptions;
extern std::array<QString, InterpretationSlots> NumberInterpretations;

void LoadGodCatalogue();

// Interpretation of number n: slot n - 1 when it exists, otherwise empty text.
QString InterpretationOf(qint16 number);

// Reading state.
extern qint16 LifePathNumber;
extern qint16 DestinyNumber;
extern QList<qint16> LifePathGods;
extern QList<qint16> DestinyGods;

// Replaces the god list of one side (true = Life Path) with the gods of number.
void FillGodList(qint16 number, bool lifePath);

// Positions of the gods a number maps to; empty outside 1..9.
QList<qint16> GodsOf(qint16 number);

// Letter values of A..Z.
extern const std::array<qint16, 26> LetterValues;

// Value of one character: 1..9 for A-Z / a-z, 0 for anything else.
qint16 LetterValue(QChar c);

// Repeated decimal digit sum down to one digit; 0 stays 0 and a negative
// value, which has no digit sum, gives 0 as well.
qint16 ReduceToDigit(qint16 n);

// Digit sum of day + (monthIndex + 1) + year; 0 when that total falls outside
// 0..32767 (the date lists never get there).
qint16 ComputeLifePath(qint16 day, qint16 monthIndex, qint16 year);

// Digit sum of the letter values of the ASCII letters in name. A letter that
// carries a combining mark counts as accented and adds nothing; a letter that
// would carry the sum past 32767 is skipped.
qint16 ComputeDestiny(const QString &name);

// Stores LifePathNumber, then DestinyNumber.
void ComputeNumbers(const QString &name, qint16 day, qint16 monthIndex, qint16 year);

// Back to the state of a fresh process (tests start from here).
void ResetReadingState();

} // namespace modGreekNumerology
