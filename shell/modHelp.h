#pragma once

// The shell's procedures: ending the program, the update reminder, the text
// encoding of the settings store and saved readings, and the web page openers.

#include <QString>

namespace modHelp {

// Unloads every window that is still loaded and ends the process.
void EndProgram();

// Once per run at start-up: asks about an update when the last reminder is
// more than 14 days away from today.
void UpdateReminder();

// Shift every Latin-1 character code by +85 / -85, dropping what would leave 0..255.
QString EncodeText(const QString &text);
QString DecodeText(const QString &text);

// Asks the desktop to open the address; failures are ignored.
void OpenWebPage(const QString &address);

void OpenHomePage();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// The addresses the openers use.
QString HomePageAddress();
QString OnlineHelpAddress();
QString DownloadPageAddress();
QString DonatePageAddress();
QString FullBrandPageAddress();
QString CoBrandPageAddress();

} // namespace modHelp
