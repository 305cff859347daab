// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Root.h"

#include "core/Identity.h"
#include "platform/InstanceChannel.h"
#include "platform/InstanceLock.h"
#include "widgets/Look.h"
#include "platform/Dialogs.h"
#include "windows/result/frmGreekNumerologyResult.h"
#include "windows/main/frmMain.h"
#include "core/modGreekNumerology.h"
#include "platform/UserFolders.h"
#include "platform/modHelp.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <exception>
#include <optional>
#include <random>
#include <stdexcept>
#include <utility>

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
    , m_inbox([this] { return busy(); }, [this](const QString &file) { showHandedOverReading(file); })
{
    m_dialogs.onAllAnswered([this] { m_inbox.wake(); });
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

void Root::prepareApplication()
{
    // Back closes the result window before it shows the main one; for that
    // moment no window is visible and the program must not quit.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before anything is shown, the second copy's message included.
    Look::applyToApplication();
    QString name = applicationNameFromPath(QCoreApplication::applicationFilePath());
    if (name.isEmpty())
        name = Identity::executableName();
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(Identity::version());
    // Lets Wayland compositors and docks match the window to its desktop entry.
    QGuiApplication::setDesktopFileName(Identity::applicationId());
}

float Root::drawFromClock()
{
    std::mt19937_64 engine(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float r = unit(engine);
    // Some library versions can round up to exactly 1.0f.
    return r < 1.0f ? r : 0.0f;
}

bool Root::start(const QDate &today, float coBrandDraw, const QString &file)
{
    // Unset when taking it failed outright; that is said by attempt().
    std::optional<InstanceLock::Result> lock;
    QString lockFolder;
    attempt("Taking the single-instance lock", [&] {
        lockFolder = UserFolders::lockFolder();
        m_lock = std::make_unique<InstanceLock>(lockFolder, Identity::applicationName());
        lock = m_lock->acquire();
    });
    if (lock == InstanceLock::Result::Unavailable) {
        // The program runs all the same; whoever finds two copies side by
        // side learns why.
        if (lockFolder.isEmpty())
            qWarning("No folder can hold the single-instance lock: a second copy cannot be detected");
        else
            qWarning("The single-instance lock cannot be taken in %s: a second copy cannot be detected",
                     qUtf8Printable(QDir::toNativeSeparators(lockFolder)));
    }
    if (lock == InstanceLock::Result::HeldByAnother) {
        bool handedOver = false;
        if (!file.isEmpty()) {
            attempt("Handing the file to the running copy", [&] {
                // The channel lies beside the lock that said a copy runs.
                handedOver = InstanceChannel::handOver(
                    InstanceChannel::nameFor(lockFolder, Identity::applicationName()), file,
                    HandOverTimeoutMs);
            });
        }
        // The running copy shows the reading; this one has nothing to add.
        if (!handedOver) {
            attempt("Saying that the program already runs", [this] {
                m_dialogs.message(nullptr, QMessageBox::Information, alreadyRunningText(), QMessageBox::Ok);
            });
        }
        EndProgram();
        return false;
    }
    // Only the one copy listens; where no lock can be had, no copy can know
    // it is the one, and files are not handed over.
    if (lock == InstanceLock::Result::Acquired)
        attempt("Listening for files handed over", [&] { listenForHandOver(lockFolder); });

    // A signal may end the program while a step waits for an answer; what
    // follows is then not started.
    attempt("The update reminder", [&] { modHelp::UpdateReminder(today, m_dialogs); });
    if (m_ended)
        return false;
    attempt("Showing the main window", [&] {
        if (file.isEmpty())
            showFreshMain();
        else
            showReadingAtStart(file);
    });
    if (m_ended)
        return false;
    attempt("Choosing the co-brand label", [&] {
        if (m_main)
            m_main->CoBrand_Randomize(coBrandDraw);
    });
    return true;
}

void Root::listenForHandOver(const QString &folder)
{
    // Beside the lock just taken: a second copy looks for it there.
    auto channel = std::make_unique<InstanceChannel>();
    const QString name = InstanceChannel::nameFor(folder, Identity::applicationName());
    if (!channel->listen(name))
        throw std::runtime_error(channel->errorString().toStdString());
    QObject::connect(channel.get(), &InstanceChannel::fileHandedOver, &m_inbox,
                     [this](const QString &file) { openHandedOver(file); });
    m_channel = std::move(channel);
}

void Root::showReadingAtStart(const QString &file)
{
    // The main window stays unseen unless the file is refused; then it
    // comes after Open's message, as after a refused Open.
    auto *window = new frmMain(*this, m_dialogs);
    m_main = window;
    if (!window->openReading(file) && !m_ended)
        window->show();
}

void Root::openHandedOver(const QString &file)
{
    if (m_ended)
        return;
    // The user sees at once what the reading waits for; later files that
    // come while it waits only take its place.
    if (m_inbox.put(file) && busy())
        bringToFront(QApplication::activeModalWidget());
}

bool Root::busy() const
{
    // A message box, a file dialog, the About window or an open menu runs
    // an event loop of its own, and the window under it must not change
    // while it does. Between the two halves of a switch no window shows;
    // that passes too.
    return m_dialogs.questionOpen() || QApplication::activeModalWidget() || !shownWindow()
           || QThread::currentThread()->loopLevel() > 1;
}

void Root::showHandedOverReading(const QString &file)
{
    QWidget *shown = shownWindow();
    bringToFront(shown);
    if (shown == m_result) {
        // A file that Open would refuse leaves the reading on screen as it is.
        if (!frmMain::readingFrom(file)) {
            m_dialogs.message(shown, QMessageBox::Critical, frmMain::refusedFileText(), QMessageBox::Ok);
            return;
        }
        m_closingBySwitch = shown;
        shown->close();
        m_closingBySwitch = nullptr;
        showReadingAtStart(file);
    } else {
        m_main->openReading(file);
    }
    if (shownWindow() != shown)
        bringToFront(shownWindow());
}

QWidget *Root::shownWindow() const
{
    // A window a switch closed lingers until the event loop deletes it.
    if (m_result && m_result->isVisible())
        return m_result;
    if (m_main && m_main->isVisible())
        return m_main;
    return nullptr;
}

void Root::bringToFront(QWidget *window)
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

frmMain *Root::showFreshMain()
{
    auto *window = new frmMain(*this, m_dialogs);
    m_main = window;
    window->show();
    return window;
}

void Root::showResult(frmMain &from)
{
    auto *result = new frmGreekNumerologyResult(*this, m_dialogs);
    m_result = result;
    result->show();

    m_closingBySwitch = &from;
    from.close();
    m_closingBySwitch = nullptr;
}

void Root::showMain(frmGreekNumerologyResult &from)
{
    m_closingBySwitch = &from;
    from.close();
    m_closingBySwitch = nullptr;

    showFreshMain();
}

void Root::unloaded(QWidget &window)
{
    if (&window == m_closingBySwitch)
        return;
    EndProgram();
}

void Root::EndProgram()
{
    m_ended = true;
    m_dialogs.refuseFromNowOn();
    // Hidden and deleted rather than closed: closing would run the window's
    // own close handler, which is what may have brought us here. Under a
    // question (a signal came while it was open) the question's own window
    // is still on the stack below; the windows then go with the root.
    const bool underAQuestion = m_dialogs.questionOpen() || QThread::currentThread()->loopLevel() > 1;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        QPointer<QWidget> guard(window);
        if (!guard)
            continue;
        guard->hide();
        if (!underAQuestion)
            guard->deleteLater();
    }
    m_quit(0);
}
