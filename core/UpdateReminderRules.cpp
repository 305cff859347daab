// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/UpdateReminderRules.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace UpdateReminderRules {

QString questionText()
{
    // One carriage return between the two sentences; the message box seam
    // shows it as a line break.
    return QStringLiteral("There maybe an update to this software available") + QLatin1Char('\r')
           + QStringLiteral("Do you want to check for an update?");
}

QString dateText(const QDate &date) { return date.toString(Qt::ISODate); }

QDate dateFromText(const QString &text) { return QDate::fromString(text.trimmed(), Qt::ISODate); }

std::optional<qint32> installCount(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double whole = std::fabs(std::nearbyint(number));
    if (whole > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return static_cast<qint32>(whole);
}

bool isDue(const QDate &lastReminder, const QDate &today)
{
    const qint64 diff = today.daysTo(lastReminder);
    return diff < -PeriodDays || diff > PeriodDays;
}

} // namespace UpdateReminderRules
