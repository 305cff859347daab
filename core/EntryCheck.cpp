// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/EntryCheck.h"

namespace EntryCheck {

namespace {

constexpr int February = 1;
constexpr int Day29 = 28;
constexpr int Day30 = 29;
constexpr int Day31 = 30;

bool hasThirtyDays(int monthPosition)
{
    // April, June, September, November.
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

} // namespace

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

bool isLeapYear(int year) { return year % 4 == 0; }

Problem check(const QString &name, int dayPosition, int monthPosition, const QString &yearText)
{
    if (trimBlanks(name).isEmpty())
        return Problem::NoName;

    if (monthPosition == February) {
        // A year text that is no number counts as year 0, a leap year; the
        // lists only ever offer 1900..2050.
        const bool leap = isLeapYear(yearText.toInt());
        const int firstRefused = leap ? Day30 : Day29;
        if (dayPosition >= firstRefused)
            return Problem::February;
    }

    if (hasThirtyDays(monthPosition) && dayPosition == Day31)
        return Problem::ThirtyFirst;

    return Problem::None;
}

QStringList monthNames()
{
    return {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
}

} // namespace EntryCheck
