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

QString homePageAddress() { return address(Identity::mainHost(), ""); }
QString onlineHelpAddress() { return address(Identity::programHost(), "pallastro-help.html"); }
QString downloadPageAddress() { return address(Identity::programHost(), "download-pallastro.html"); }
QString donatePageAddress() { return address(Identity::helpHost(), "donate.html"); }
QString fullBrandPageAddress() { return address(Identity::helpHost(), "fully-branded.html"); }
QString coBrandPageAddress() { return address(Identity::helpHost(), "co-brand.html"); }

void OpenHomePage() { OpenWebPage(homePageAddress()); }
void OpenOnlineHelp() { OpenWebPage(onlineHelpAddress()); }
void OpenDownloadPage() { OpenWebPage(downloadPageAddress()); }
void OpenDonatePage() { OpenWebPage(donatePageAddress()); }
void OpenFullBrandPage() { OpenWebPage(fullBrandPageAddress()); }
void OpenCoBrandPage() { OpenWebPage(coBrandPageAddress()); }

} // namespace modHelp
