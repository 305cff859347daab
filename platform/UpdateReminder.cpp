// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Identity.h"
#include "platform/SettingsStore.h"
#include "core/UpdateReminderRules.h"
#include "platform/modHelp.h"

namespace modHelp {

void UpdateReminder(const QDate &today, Dialogs &dialogs)
{
    using namespace UpdateReminderRules;
    const QString durationKey = QStringLiteral("Duration");
    const QString installKey = QStringLiteral("Install");

    SettingsStore store(Identity::applicationName());
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
        dialogs.message(nullptr, QMessageBox::Information, questionText(),
                        QMessageBox::Yes | QMessageBox::No);
    // No answer at all (the program was told to end while it asked): the
    // question stays due, and nothing is written on the way out.
    if (answer == QMessageBox::NoButton)
        return;

    // A damaged count must not make the question come back at every start.
    const qint32 install = installCount(store.read(installKey)).value_or(1);
    store.write(installKey, QString::number(install));
    store.write(durationKey, dateText(today));

    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
}

} // namespace modHelp
