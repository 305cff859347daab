// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/modHelp.h"

#include "core/Identity.h"
#include <QDesktopServices>
#include <QUrl>


namespace modHelp {

namespace {

QString address(const QString &host, const char *path)
{
    return QStringLiteral("https://%1/%2").arg(host, QLatin1String(path));
}

} // namespace

void OpenWebPage(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return;
    // A desktop without a browser is not the user's problem to hear about.
    QDesktopServices::openUrl(url);
}

QString HomePageAddress() { return address(Identity::MainHost(), ""); }
QString OnlineHelpAddress() { return address(Identity::ProgramHost(), "pallastro-help.html"); }
QString DownloadPageAddress() { return address(Identity::ProgramHost(), "download-pallastro.html"); }
QString DonatePageAddress() { return address(Identity::HelpHost(), "donate.html"); }
QString FullBrandPageAddress() { return address(Identity::HelpHost(), "fully-branded.html"); }
QString CoBrandPageAddress() { return address(Identity::HelpHost(), "co-brand.html"); }

void OpenHomePage() { OpenWebPage(HomePageAddress()); }
void OpenOnlineHelp() { OpenWebPage(OnlineHelpAddress()); }
void OpenDownloadPage() { OpenWebPage(DownloadPageAddress()); }
void OpenDonatePage() { OpenWebPage(DonatePageAddress()); }
void OpenFullBrandPage() { OpenWebPage(FullBrandPageAddress()); }
void OpenCoBrandPage() { OpenWebPage(CoBrandPageAddress()); }

} // namespace modHelp
