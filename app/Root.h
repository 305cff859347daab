// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's root: it runs the start-up sequence, owns the single-instance
// lock, creates the two top-level windows, performs the switches between them
// and ends the program. Nothing below it creates a window of its own accord.

#include "app/HandOverInbox.h"
#include "app/WatchedDialogs.h"
#include "windows/common/WindowRoot.h"
#include "windows/result/frmGreekNumerologyResult.h"
#include "windows/main/frmMain.h"

#include <QDate>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class Dialogs;
class InstanceChannel;
class InstanceLock;

class Root final : public WindowRoot
{
public:
    // How the program ends once every window is unloaded. The default ends
    // the event loop with the status, so that main() returns and every
    // object on its way out is destroyed.
    using Quit = std::function<void(int status)>;

    // The windows and the start-up sequence put their questions through the
    // dialogs given, which outlive the root.
    explicit Root(Dialogs &dialogs, Quit quit = {});
    ~Root() override;
    Root(const Root &) = delete;
    Root &operator=(const Root &) = delete;

    // Call right after the QApplication exists: names the application after
    // its executable and applies the look, before anything is shown.
    static void prepareApplication();

    // The text the second copy shows.
    static QString alreadyRunningText();
    // The executable's file name without its extension ("pallastro.exe" -> "pallastro").
    static QString applicationNameFromPath(const QString &executablePath);

    // A draw uniform in [0, 1) from a generator seeded with the clock: the
    // one draw of a run.
    static float drawFromClock();

    // The start-up sequence: the single-instance rule, the update reminder
    // for the given day, the main window, then CoBrand_Randomize with the
    // given draw. With a file (an absolute path), the reading in it takes
    // the main window's place as Open would have it, or, when another copy
    // runs, is handed to that copy. False when another copy runs; EndProgram
    // has then been called and no window is shown. A failing step is
    // skipped quietly.
    bool start(const QDate &today, float coBrandDraw, const QString &file = {});

    // How long a second copy waits for the running one to take its file.
    static constexpr int HandOverTimeoutMs = 5000;

    // Shows the reading in a file handed over by a second copy, in place of
    // whichever window is open, and brings it to the front. A question the
    // user has open is answered first; the latest file then wins. The
    // reading is opened from the event loop, after this returns.
    void openHandedOver(const QString &file);

    // Unloads every loaded window, asks nothing, and ends the program with
    // status 0. Callable from anywhere, a question open included: every
    // event loop then returns, each question as if cancelled, and no new
    // question opens.
    void EndProgram();
    bool hasEnded() const { return m_ended; }

    // The window shown at present, if it is the main window.
    frmMain *mainWindow() const { return m_main; }
    frmGreekNumerologyResult *resultWindow() const { return m_result; }

    // Creates a fresh main window and shows it.
    frmMain *showFreshMain();

    void showResult(frmMain &from) override;
    void showMain(frmGreekNumerologyResult &from) override;
    void unloaded(QWidget &window) override;

    Dialogs &dialogs() { return m_dialogs; }

private:
    void showReadingAtStart(const QString &file);
    void showHandedOverReading(const QString &file);
    bool busy() const;
    void listenForHandOver(const QString &folder);
    QWidget *shownWindow() const;
    static void bringToFront(QWidget *window);

    WatchedDialogs m_dialogs;
    Quit m_quit;
    bool m_ended = false;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<InstanceChannel> m_channel;
    HandOverInbox m_inbox;
    QPointer<frmMain> m_main;
    QPointer<frmGreekNumerologyResult> m_result;
    // The window a switch is closing: its unloading does not end the program.
    QWidget *m_closingBySwitch = nullptr;
};
