// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numerology engine: the god catalogue, the number-to-gods mapping and the
// reduction of a name and a birth date to the two numbers of a reading.
// The reading state is process-wide, as the two windows share it.

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

namespace modGreekNumerology {

constexpr int CatalogueSize = 18;        // positions 0..17; 17 is the empty entry
constexpr int InterpretationSlots = 10;  // slots 0..9; slot 9 is empty

// Catalogue tables, filled by LoadGodCatalogue().
extern std::array<QString, CatalogueSize> GodNames;
extern std::array<QString, CatalogueSize> GodDescriptions;
extern std::array<QString, InterpretationSlots> NumberInterpretations;

void LoadGodCatalogue();

// Interpretation of number n: slot n - 1 when it exists, otherwise empty text.
QString interpretationOf(qint16 number);

// Reading state.
extern qint16 LifePathNumber;
extern qint16 DestinyNumber;
extern QList<qint16> LifePathGods;
extern QList<qint16> DestinyGods;

// Replaces the god list of one side (true = Life Path) with the gods of number.
void FillGodList(qint16 number, bool lifePath);

// Positions of the gods a number maps to; empty outside 1..9.
QList<qint16> godsOf(qint16 number);

// Letter values of A..Z.
extern const std::array<qint16, 26> LetterValues;

// Value of one character: 1..9 for A-Z / a-z, 0 for anything else.
qint16 letterValue(QChar c);

// Repeated decimal digit sum down to one digit; 0 stays 0 and a negative
// value, which has no digit sum, gives 0 as well.
qint16 ReduceToDigit(qint16 n);

// The steps of ReduceToDigit: n, then each digit sum, down to one digit
// ({1998, 27, 9}; {7} for 7). Empty for a negative n.
QList<qint16> digitSums(qint16 n);

// How a number of a reading is reached, step by step, exactly as the engine
// reaches it: computeLifePath and computeDestiny return the number of their
// working, so the two cannot disagree.
struct Working
{
    // What is added first, in groups: the day, the month number and the
    // year for the Life Path, a group of one each; the letter values of each
    // word of the name for the Destiny (a word is what lies between blanks,
    // and a word without a letter A-Z makes no group).
    QList<QList<int>> groups;
    int total = 0;     // their sum; an int, as a date's may leave the 16-bit range
    int skipped = 0;   // letters left out because they would carry the sum past 32767
    // total, then each digit sum down to one digit; empty when the total
    // lies outside 0..32767 and the number is 0.
    QList<qint16> sums;
    qint16 number = 0; // the number of the reading
    bool letters = false; // the terms are letter values (Destiny), not a date's parts

    int termCount() const;
};

// Digit sum of day + (monthIndex + 1) + year, the whole values added, not
// their digits; number 0 when that total falls outside 0..32767 (the date
// lists never get there).
Working lifePathWorking(qint16 day, qint16 monthIndex, qint16 year);
qint16 computeLifePath(qint16 day, qint16 monthIndex, qint16 year);

// Digit sum of the letter values of the ASCII letters in name, compared
// character by character: an accented letter, precomposed, adds nothing,
// while a letter followed by a combining accent counts as the plain letter
// (the accent itself adds nothing). A letter that would carry the sum past
// 32767 is skipped, and the scan goes on.
Working destinyWorking(const QString &name);
qint16 computeDestiny(const QString &name);

// Longest working written out term by term; past it, workingText gives the
// count of the letters and their sum instead (a name of thousands of letters).
constexpr int WorkingTermsShown = 60;

// The working as one line of text, the groups joined by " + ", the terms of
// a group by "+", each digit sum after an arrow:
//   "15 + 3 + 1980 = 1998 → 1+9+9+8 = 27 → 2+7 = 9"
//   "1+6+8+5 + 1+4+9+2+8 = 44 → 4+4 = 8"
// A sum of one digit has no arrow after it; a single term is not repeated
// ("9" for the name "R").
QString workingText(const Working &working);

// The same text in the pieces a line may break between, and only between,
// so that no term, digit sum or result is cut: each digit sum whole with its
// result and the arrow after it ("1+9+9+8 = 27 →"), the first sum at its
// whole values ("15 +", "3 +", "1980 = 1998 →"; a word's letter values stay
// together), a sentence at its words. workingText is the pieces joined by
// single blanks.
QStringList workingPieces(const Working &working);

// Stores LifePathNumber, then DestinyNumber, and keeps the name and the date
// as ReadingDetails.
void ComputeNumbers(const QString &name, qint16 day, qint16 monthIndex, qint16 year);

// The person a reading made in this run is for, kept for printing only:
// ComputeNumbers sets it, and it is forgotten (forgetReadingDetails) when a
// reading is opened from a file, which holds only the two numbers, and on
// Back. Never saved.
struct ReadingPerson
{
    QString name;            // as given to ComputeNumbers
    qint16 day = 0;          // 1..31
    qint16 monthIndex = 0;   // 0 = January
    qint16 year = 0;
    friend bool operator==(const ReadingPerson &, const ReadingPerson &) = default;
};
extern std::optional<ReadingPerson> ReadingDetails;
void forgetReadingDetails();

// Back to the state of a fresh process (tests start from here).
void resetReadingState();

} // namespace modGreekNumerology
