// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Pieces of the update reminder (modHelp::UpdateReminder) that are worth
// naming on their own.

#include <QDate>
#include <QString>

#include <optional>

namespace UpdateReminderRules {

// The question comes when the last reminder is more than this many days away
// from today, in either direction.
constexpr qint64 PeriodDays = 14;

QString questionText();

// The stored date's text form: ISO 8601, so that no locale change can make
// it unreadable.
QString dateText(const QDate &date);
QDate dateFromText(const QString &text);   // invalid when it cannot be read

// "Install" as stored: a whole number, a fraction rounded half to even, as
// its absolute value; nothing for a missing, non-numeric or out-of-range text.
std::optional<qint32> installCount(const QString &text);

bool isDue(const QDate &lastReminder, const QDate &today);

} // namespace UpdateReminderRules
