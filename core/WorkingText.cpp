// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A reduction's working as one line of text, and as the pieces a line of
// print or a tool tip may break between.

#include "core/modGreekNumerology.h"

#include <QStringList>

namespace modGreekNumerology {

namespace {

const QString Arrow = QStringLiteral("\u2192");

// "1+9+9+8": the digits of n, added.
QString digitsAdded(qint16 n)
{
    QStringList digits;
    for (QChar c : QString::number(n))
        digits << QString(c);
    return digits.join(QLatin1Char('+'));
}

void addWords(QStringList &pieces, const QString &sentence)
{
    pieces << sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// "15 +", "3 +", "1980 = 1998": the first sum, a piece for each whole
// value added, the last one with the total.
void addTerms(QStringList &pieces, const Working &working)
{
    for (qsizetype g = 0; g < working.groups.size(); ++g) {
        QStringList terms;
        for (int term : working.groups.at(g))
            terms << QString::number(term);
        const bool last = g + 1 == working.groups.size();
        pieces << terms.join(QLatin1Char('+'))
                      + (last ? QStringLiteral(" = ") + QString::number(working.total) : QStringLiteral(" +"));
    }
}

} // namespace

QStringList workingPieces(const Working &working)
{
    const int terms = working.termCount();
    QStringList pieces;
    if (terms == 0) {
        // Only a name can have no terms: nothing in it counts.
        addWords(pieces, QStringLiteral("no letter from A to Z in the name, so 0"));
    } else if (terms > WorkingTermsShown) {
        // A name of thousands of letters: their number and their sum, not
        // every one of them.
        addWords(pieces, QStringLiteral("%1 %2 add up to %3")
                             .arg(terms)
                             .arg(working.letters ? QStringLiteral("letter values") : QStringLiteral("values"))
                             .arg(working.total));
    } else if (terms == 1) {
        pieces << QString::number(working.total);
    } else {
        addTerms(pieces, working);
    }
    if (working.skipped > 0) {
        addWords(pieces, working.skipped == 1
                             ? QStringLiteral("(1 more letter left out: it would carry the sum past 32767)")
                             : QStringLiteral("(%1 more letters left out: they would carry the sum past 32767)")
                                   .arg(working.skipped));
    }
    if (terms == 0)
        return pieces;
    if (working.sums.isEmpty()) {
        pieces.last() += QLatin1Char(',');
        addWords(pieces, QStringLiteral("outside 0 to 32767, so 0"));
        return pieces;
    }
    // Each digit sum whole with its result, the arrow before it ending the
    // piece before: a line that breaks there says that the working goes on.
    for (qsizetype i = 1; i < working.sums.size(); ++i) {
        pieces.last() += QLatin1Char(' ') + Arrow;
        pieces << digitsAdded(working.sums.at(i - 1)) + QStringLiteral(" = ") + QString::number(working.sums.at(i));
    }
    return pieces;
}

QString workingText(const Working &working)
{
    return workingPieces(working).join(QLatin1Char(' '));
}

} // namespace modGreekNumerology
