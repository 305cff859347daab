// Start-up only: the sequence itself lives in Startup.

#include "Startup.h"
#include "frmMain.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char *argv[])
{
    // First, so that a second copy can still show its message.
    QApplication app(argc, argv);
    Startup::PrepareApplication();

    QPointer<frmMain> mainWindow;
    Startup::Steps steps;
    steps.showMainWindow = [&mainWindow] {
        mainWindow = new frmMain;
        mainWindow->show();
    };
    steps.coBrandRandomize = [&mainWindow] {
        if (mainWindow)
            mainWindow->CoBrand_Randomize();
    };
    if (!Startup::Run(steps))
        return 0;
    return app.exec();
}
