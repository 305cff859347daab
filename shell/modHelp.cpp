#include "modHelp.h"

#include "Platform.h"

#include <QApplication>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#ifndef PALLASTRO_MAIN_HOST
#define PALLASTRO_MAIN_HOST "www.pallastro.example"
#endif
#ifndef PALLASTRO_PROGRAM_HOST
#define PALLASTRO_PROGRAM_HOST "program.pallastro.example"
#endif
#ifndef PALLASTRO_HELP_HOST
#define PALLASTRO_HELP_HOST "help.pallastro.example"
#endif

namespace modHelp {

namespace {

QString address(const char *host, const char *path)
{
    return QStringLiteral("https://%1/%2").arg(QLatin1String(host), QLatin1String(path));
}

} // namespace

void EndProgram()
{
    // A close handler reached while we unload the windows below calls us again;
    // that inner call ends the process straight away.
    static bool ending = false;
    if (ending) {
        platform().endProcess(0);
        return;
    }
    ending = true;

    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        QPointer<QWidget> guard(window);
        if (!guard)
            continue;
        // Hide and schedule deletion rather than close(): close() would run the
        // window's close handler, which is what may have called us.
        guard->hide();
        guard->deleteLater();
    }

    platform().endProcess(0);
    ending = false;   // only reached when a test double stands in for the exit
}

void OpenWebPage(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return;
    // A desktop without a browser is not the user's problem to hear about.
    platform().openUrl(url);
}

QString HomePageAddress() { return address(PALLASTRO_MAIN_HOST, ""); }
QString OnlineHelpAddress() { return address(PALLASTRO_PROGRAM_HOST, "pallastro-help.html"); }
QString DownloadPageAddress() { return address(PALLASTRO_PROGRAM_HOST, "download-pallastro.html"); }
QString DonatePageAddress() { return address(PALLASTRO_HELP_HOST, "donate.html"); }
QString FullBrandPageAddress() { return address(PALLASTRO_HELP_HOST, "fully-branded.html"); }
QString CoBrandPageAddress() { return address(PALLASTRO_HELP_HOST, "co-brand.html"); }

void OpenHomePage() { OpenWebPage(HomePageAddress()); }
void OpenOnlineHelp() { OpenWebPage(OnlineHelpAddress()); }
void OpenDownloadPage() { OpenWebPage(DownloadPageAddress()); }
void OpenDonatePage() { OpenWebPage(DonatePageAddress()); }
void OpenFullBrandPage() { OpenWebPage(FullBrandPageAddress()); }
void OpenCoBrandPage() { OpenWebPage(CoBrandPageAddress()); }

} // namespace modHelp
