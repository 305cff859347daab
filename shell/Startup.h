#pragma once

// The start-up sequence. The steps that need the windows are handed in, so
// that the sequence itself can be run by tests.

#include <QString>

#include <functional>

namespace Startup {

struct Steps
{
    // Step 1. Empty: the process-wide InstanceLock decides.
    std::function<bool()> anotherCopyRunning;
    // Step 3. Empty: modHelp::UpdateReminder.
    std::function<void()> updateReminder;
    // Steps 4 and 5.
    std::function<void()> showMainWindow;
    std::function<void()> coBrandRandomize;
};

// The text the second copy shows.
QString alreadyRunningText();

// The executable's file name without its extension ("pallastro.exe" -> "pallastro").
QString applicationNameFromPath(const QString &executablePath);

// The name the settings store and the lock go by: the application name set by
// PrepareApplication, or the built-in one before that.
QString ApplicationName();

// Call right after the QApplication exists.
void PrepareApplication();

// Runs the sequence: the single-instance rule, seeding the random draw, the
// update reminder, the main window, the co-brand draw. Returns false when
// another copy is running (EndProgram has then been called). An exception in
// one step abandons that step only.
bool Run(const Steps &steps);

} // namespace Startup
