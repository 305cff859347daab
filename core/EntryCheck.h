// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The checks a name and a date of birth must pass before a reading starts,
// free of widgets. Day and month come as list positions (day 1 = 0,
// January = 0); the year as the text of its list entry.

#include <QString>
#include <QStringList>

namespace EntryCheck {

enum class Problem {
    None,
    NoName,          // empty or blanks only
    February,        // a day February does not have in that year
    ThirtyFirst,     // the 31st of April, June, September or November
};

// The name with leading and trailing blanks removed (blanks only, not tabs
// or other white space).
QString trimBlanks(const QString &text);

// The months in list order, January first, in English: the date lists
// show them, and a printed reading names the birth month with them.
QStringList monthNames();

// Every fourth year, with no century exception: 1900 counts.
bool isLeapYear(int year);

// The first problem found, checking the name first.
Problem check(const QString &name, int dayPosition, int monthPosition, const QString &yearText);

} // namespace EntryCheck
