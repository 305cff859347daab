// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A reduction's working as one line of text, for the printed reading.

#include "modGreekNumerology.h"

#include <QStringList>

namespace modGreekNumerology {

namespace {

const QString Arrow = QStringLiteral(" \u2192 ");

// "1+9+9+8": the digits of n, added.
QString digitsAdded(qint16 n)
{
    QStringList digits;
    for (QChar c : QString::number(n))
        digits << QString(c);
    return digits.join(QLatin1Char('+'));
}

QString termsAdded(const Working &working)
{
    QStringList groups;
    for (const QList<int> &group : working.groups) {
        QStringList terms;
        for (int term : group)
            terms << QString::number(term);
        groups << terms.join(QLatin1Char('+'));
    }
    return groups.join(QStringLiteral(" + "));
}

} // namespace

QString WorkingText(const Working &working)
{
    const int terms = working.termCount();
    QString text;
    if (terms == 0) {
        // Only a name can have no terms: nothing in it counts.
        text = QStringLiteral("no letter from A to Z, so 0");
    } else if (terms > WorkingTermsShown) {
        // A name of thousands of letters: their number and their sum, not
        // every one of them.
        text = QStringLiteral("%1 %2 add up to %3")
                   .arg(terms)
                   .arg(working.letters ? QStringLiteral("letter values") : QStringLiteral("values"))
                   .arg(working.total);
    } else if (terms == 1) {
        text = QString::number(working.total);
    } else {
        text = termsAdded(working) + QStringLiteral(" = ") + QString::number(working.total);
    }
    if (working.skipped > 0) {
        text += working.skipped == 1
                    ? QStringLiteral(" (1 more letter left out: it would carry the sum past 32767)")
                    : QStringLiteral(" (%1 more letters left out: they would carry the sum past 32767)")
                          .arg(working.skipped);
    }
    if (terms == 0)
        return text;
    if (working.sums.isEmpty())
        return text + QStringLiteral(", outside 0 to 32767, so 0");
    for (qsizetype i = 1; i < working.sums.size(); ++i)
        text += Arrow + digitsAdded(working.sums.at(i - 1)) + QStringLiteral(" = ")
                + QString::number(working.sums.at(i));
    return text;
}

} // namespace modGreekNumerology
