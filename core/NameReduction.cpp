// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reduction of a birth date and a name to the Life Path and Destiny numbers.

#include "modGreekNumerology.h"

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

qint16 LetterValue(QChar c)
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

qint16 ReduceToDigit(qint16 n)
{
    // A negative value is no digit sum at all; 0 is what the god mapping and
    // the result window already treat as "no number".
    if (n < 0)
        return 0;
    int value = n;
    while (value > 9) {
        int sum = 0;
        for (int rest = value; rest > 0; rest /= 10)
            sum += rest % 10;
        value = sum;
    }
    return static_cast<qint16>(value);
}

qint16 ComputeLifePath(qint16 day, qint16 monthIndex, qint16 year)
{
    // The date lists keep the total within 1902..2093; anything that leaves the
    // 16-bit range has no Life Path and gives 0 instead of a wrapped sum.
    const int total = int(day) + (int(monthIndex) + 1) + int(year);
    if (total < 0 || total > Int16Max)
        return 0;
    return ReduceToDigit(static_cast<qint16>(total));
}

qint16 ComputeDestiny(const QString &name)
{
    qint16 sum = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qint16 value = LetterValue(name.at(i));
        if (value == 0)
            continue;
        // A letter that would carry the sum past the 16-bit limit is left
        // out; a smaller one further on may still fit.
        if (sum > Int16Max - value)
            continue;
        sum = static_cast<qint16>(sum + value);
    }
    return ReduceToDigit(sum);
}

void ComputeNumbers(const QString &name, qint16 day, qint16 monthIndex, qint16 year)
{
    LifePathNumber = ComputeLifePath(day, monthIndex, year);
    DestinyNumber = ComputeDestiny(name);
}

} // namespace modGreekNumerology
