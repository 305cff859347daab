#include "UpdateReminder.h"

#include "Platform.h"
#include "SettingsStore.h"
#include "Startup.h"
#include "modHelp.h"

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

namespace modHelp {

void UpdateReminder()
{
    using namespace UpdateReminderRules;
    const QString durationKey = QStringLiteral("Duration");
    const QString installKey = QStringLiteral("Install");

    SettingsStore store(Startup::ApplicationName());
    const QDate today = platform().today();
    const QDate last = dateFromText(store.read(durationKey));

    // First run, a removed value, or a date nobody can read: start the
    // period from today without asking.
    if (!last.isValid()) {
        store.write(installKey, QStringLiteral("1"));
        store.write(durationKey, dateText(today));
        return;
    }

    if (!isDue(last, today))
        return;

    const QMessageBox::StandardButton answer =
        platform().message(nullptr, QMessageBox::Information, questionText(),
                           QMessageBox::Yes | QMessageBox::No);

    // A damaged count must not make the question come back at every start.
    const qint32 install = installCount(store.read(installKey)).value_or(1);
    store.write(installKey, QString::number(install));
    store.write(durationKey, dateText(today));

    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
}

} // namespace modHelp
