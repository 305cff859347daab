#include "Startup.h"

#include "InstanceLock.h"
#include "Look.h"
#include "Platform.h"
#include "modHelp.h"

#include <QApplication>
#include <QFileInfo>

#ifndef PALLASTRO_APPLICATION_NAME
#define PALLASTRO_APPLICATION_NAME "pallastro"
#endif

namespace Startup {

namespace {

void attempt(const std::function<void()> &step)
{
    // A failing step is skipped quietly; start-up goes on with the next one.
    try {
        step();
    } catch (...) {
    }
}

bool processLockHeldElsewhere()
{
    return InstanceLock::AcquireForProcess(ApplicationName()) == InstanceLock::Result::HeldByAnother;
}

} // namespace

QString alreadyRunningText() { return QStringLiteral("Application is already running"); }

QString applicationNameFromPath(const QString &executablePath)
{
    return QFileInfo(executablePath).completeBaseName();
}

QString ApplicationName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral(PALLASTRO_APPLICATION_NAME) : name;
}

void PrepareApplication()
{
    // Back closes the result window before it shows the main one; for that
    // moment no window is visible and the program must not quit.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before anything is shown, the second copy's message included.
    Look::applyToApplication();
    QString name = applicationNameFromPath(QCoreApplication::applicationFilePath());
    if (name.isEmpty())
        name = QStringLiteral(PALLASTRO_APPLICATION_NAME);
    QCoreApplication::setApplicationName(name);
    // Lets Wayland compositors and docks match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pallastro.Pallastro"));
}

bool Run(const Steps &steps)
{
    bool refused = false;
    attempt([&] {
        refused = steps.anotherCopyRunning ? steps.anotherCopyRunning() : processLockHeldElsewhere();
    });
    if (refused) {
        attempt([] {
            platform().message(nullptr, QMessageBox::Information, alreadyRunningText(), QMessageBox::Ok);
        });
        modHelp::EndProgram();
        return false;
    }

    attempt([] { platform().seedRandom(static_cast<quint64>(platform().clockMilliseconds())); });
    attempt([&] {
        if (steps.updateReminder)
            steps.updateReminder();
        else
            modHelp::UpdateReminder();
    });
    attempt([&] {
        if (steps.showMainWindow)
            steps.showMainWindow();
    });
    attempt([&] {
        if (steps.coBrandRandomize)
            steps.coBrandRandomize();
    });
    return true;
}

} // namespace Startup
