// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Root.h"

#include "Identity.h"
#include "InstanceLock.h"
#include "Look.h"
#include "Dialogs.h"
#include "frmGreekNumerologyResult.h"
#include "frmMain.h"
#include "modGreekNumerology.h"
#include "UserFolders.h"
#include "modHelp.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>

#include <exception>
#include <random>

namespace {

// A step that fails is skipped and start-up goes on with the next one: a
// lock folder or settings file that cannot be used must not keep the user
// from a reading. What went wrong is said once, on standard error, for
// whoever wonders why a reminder or the lock did not happen.
template<typename Step>
void attempt(const char *what, Step &&step)
{
    try {
        step();
    } catch (const std::exception &error) {
        qWarning("%s failed and was skipped: %s", what, error.what());
    } catch (...) {
        qWarning("%s failed and was skipped", what);
    }
}

} // namespace

Root::Root(Dialogs &dialogs, Quit quit)
    : m_dialogs(dialogs)
    , m_quit(quit ? std::move(quit) : Quit([](int status) { QCoreApplication::exit(status); }))
{
}

Root::~Root()
{
    // Windows still standing when the root goes (a test, or an end by
    // signal before the loop ran) go with it.
    delete m_main.data();
    delete m_result.data();
}

QString Root::alreadyRunningText() { return QStringLiteral("Application is already running"); }

QString Root::applicationNameFromPath(const QString &executablePath)
{
    return QFileInfo(executablePath).completeBaseName();
}

void Root::PrepareApplication()
{
    // Back closes the result window before it shows the main one; for that
    // moment no window is visible and the program must not quit.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before anything is shown, the second copy's message included.
    Look::applyToApplication();
    QString name = applicationNameFromPath(QCoreApplication::applicationFilePath());
    if (name.isEmpty())
        name = Identity::ExecutableName();
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(Identity::Version());
    // Lets Wayland compositors and docks match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(Identity::ApplicationId());
}

float Root::DrawFromClock()
{
    std::mt19937_64 engine(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float r = unit(engine);
    // Some library versions can round up to exactly 1.0f.
    return r < 1.0f ? r : 0.0f;
}

bool Root::Start(const QDate &today, float coBrandDraw)
{
    bool refused = false;
    attempt("Taking the single-instance lock", [&] {
        m_lock = std::make_unique<InstanceLock>(UserFolders::lockFolder(), Identity::ApplicationName());
        refused = m_lock->acquire() == InstanceLock::Result::HeldByAnother;
    });
    if (refused) {
        attempt("Saying that the program already runs", [this] {
            m_dialogs.message(nullptr, QMessageBox::Information, alreadyRunningText(), QMessageBox::Ok);
        });
        EndProgram();
        return false;
    }

    attempt("The update reminder", [&] { modHelp::UpdateReminder(today, m_dialogs); });
    attempt("Showing the main window", [&] { ShowFreshMain(); });
    attempt("Choosing the co-brand label", [&] {
        if (m_main)
            m_main->CoBrand_Randomize(coBrandDraw);
    });
    return true;
}

frmMain *Root::ShowFreshMain()
{
    auto *window = new frmMain(*this, m_dialogs);
    m_main = window;
    window->show();
    return window;
}

void Root::ShowResult(frmMain &from)
{
    auto *result = new frmGreekNumerologyResult(*this, m_dialogs);
    m_result = result;
    result->show();

    m_closingBySwitch = &from;
    from.close();
    m_closingBySwitch = nullptr;
}

void Root::ShowMain(frmGreekNumerologyResult &from)
{
    m_closingBySwitch = &from;
    from.close();
    m_closingBySwitch = nullptr;

    ShowFreshMain();
}

void Root::Unloaded(QWidget &window)
{
    if (&window == m_closingBySwitch)
        return;
    EndProgram();
}

void Root::EndProgram()
{
    // Hidden and deleted rather than closed: closing would run the window's
    // own close handler, which is what may have brought us here.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        QPointer<QWidget> guard(window);
        if (!guard)
            continue;
        guard->hide();
        guard->deleteLater();
    }
    m_quit(0);
}
