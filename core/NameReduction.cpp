// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reduction of a birth date and a name to the Life Path and Destiny numbers.

#include "core/modGreekNumerology.h"

#include <limits>

namespace modGreekNumerology {

// A J S = 1, B K T = 2, ... I R = 9.
const std::array<qint16, 26> LetterValues{
    1, 2, 3, 4, 5, 6, 7, 8, 9,  // A..I
    1, 2, 3, 4, 5, 6, 7, 8, 9,  // J..R
    1, 2, 3, 4, 5, 6, 7, 8,     // S..Z
};

namespace {

constexpr int Int16Max = std::numeric_limits<qint16>::max();

} // namespace

qint16 letterValue(QChar c)
{
    // The raw code is compared on purpose: case mapping would turn the dotless
    // i, the long s, the fi ligature or a fullwidth A into ASCII letters.
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return LetterValues[u - u'A'];
    if (u >= u'a' && u <= u'z')
        return LetterValues[u - u'a'];
    return 0;
}

QList<qint16> digitSums(qint16 n)
{
    // A negative value is no digit sum at all.
    if (n < 0)
        return {};
    QList<qint16> sums{n};
    int value = n;
    while (value > 9) {
        int sum = 0;
        for (int rest = value; rest > 0; rest /= 10)
            sum += rest % 10;
        value = sum;
        sums.append(static_cast<qint16>(value));
    }
    return sums;
}

qint16 ReduceToDigit(qint16 n)
{
    // A negative value has no digit sums; 0 is what the god mapping and the
    // result window already treat as "no number".
    const QList<qint16> sums = digitSums(n);
    return sums.isEmpty() ? qint16(0) : sums.constLast();
}

int Working::termCount() const
{
    int count = 0;
    for (const QList<int> &group : groups)
        count += int(group.size());
    return count;
}

namespace {

// The sums and the number of a working whose terms and total are set.
void reduce(Working &working)
{
    if (working.total < 0 || working.total > Int16Max) {
        working.sums.clear();
        working.number = 0;
        return;
    }
    working.sums = digitSums(static_cast<qint16>(working.total));
    working.number = working.sums.constLast();
}

} // namespace

Working lifePathWorking(qint16 day, qint16 monthIndex, qint16 year)
{
    // The date lists keep the total within 1902..2093; anything that leaves the
    // 16-bit range has no Life Path and gives 0 instead of a wrapped sum.
    Working working;
    const int month = int(monthIndex) + 1;
    working.groups = {{day}, {month}, {year}};
    working.total = int(day) + month + int(year);
    reduce(working);
    return working;
}

qint16 computeLifePath(qint16 day, qint16 monthIndex, qint16 year)
{
    return lifePathWorking(day, monthIndex, year).number;
}

Working destinyWorking(const QString &name)
{
    Working working;
    working.letters = true;
    int sum = 0;
    bool inWord = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char(' ')) {
            inWord = false;
            continue;
        }
        const qint16 value = letterValue(c);
        if (value == 0)
            continue;
        // A letter that would carry the sum past the 16-bit limit is left
        // out; a smaller one further on may still fit.
        if (sum > Int16Max - value) {
            ++working.skipped;
            continue;
        }
        sum += value;
        if (!inWord || working.groups.isEmpty()) {
            working.groups.append(QList<int>());
            inWord = true;
        }
        working.groups.last().append(value);
    }
    working.total = sum;
    reduce(working);
    return working;
}

qint16 computeDestiny(const QString &name)
{
    return destinyWorking(name).number;
}

void ComputeNumbers(const QString &name, qint16 day, qint16 monthIndex, qint16 year)
{
    LifePathNumber = computeLifePath(day, monthIndex, year);
    DestinyNumber = computeDestiny(name);
    ReadingDetails = ReadingPerson{name, day, monthIndex, year};
}

} // namespace modGreekNumerology
