// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The shell's procedures: the update reminder, the text encoding of the
// settings store and saved readings, and the web page openers. EndProgram
// belongs to the program's root, which owns the windows it unloads.

#include "platform/Dialogs.h"
#include "core/modHelpText.h"

#include <QDate>
#include <QString>

namespace modHelp {

// Once per run at start-up: asks about an update when the last reminder is
// more than 14 days away from today. The caller says which day it is and
// through which dialogs the question is put.
void UpdateReminder(const QDate &today, Dialogs &dialogs);

// Asks the desktop to open the address; failures are ignored.
void OpenWebPage(const QString &address);

void OpenHomePage();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// The addresses the openers use.
QString homePageAddress();
QString onlineHelpAddress();
QString downloadPageAddress();
QString donatePageAddress();
QString fullBrandPageAddress();
QString coBrandPageAddress();

} // namespace modHelp
