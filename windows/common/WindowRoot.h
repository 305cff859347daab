// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a window asks of the program's root. The root creates the windows,
// performs the switches between them and ends the program; a window only
// says what the user did.

class QWidget;
class frmMain;
class frmGreekNumerologyResult;

class WindowRoot
{
public:
    virtual ~WindowRoot() = default;

    // Proceed and Open, once the two numbers are set: the result window is
    // shown, then the main window closes without ending the program.
    virtual void showResult(frmMain &from) = 0;

    // Back, once the reading state is emptied: the result window closes
    // without ending the program, then a fresh main window is shown.
    virtual void showMain(frmGreekNumerologyResult &from) = 0;

    // A top-level window has been unloaded. Unless a switch closed it, the
    // program ends.
    virtual void unloaded(QWidget &window) = 0;
};
