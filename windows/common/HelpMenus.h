// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Help menu, the Donate command and the hidden Make Money Online command
// that both top-level windows carry, built and wired in one place so that
// the two windows cannot drift apart.

#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace HelpMenus {

struct Menus {
    QMenu *mnuHelp = nullptr;
    QAction *mnuOnline = nullptr;
    QAction *mnuVisit = nullptr;
    QAction *separatorBeforeUpdate = nullptr;
    QAction *mnuUpdate = nullptr;
    QAction *separatorBeforeAbout = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuDonate = nullptr;
    QAction *mnuMakeMoney = nullptr;
};

// What differs between the windows' designs: the separators' names and the
// access key of Make Money Online.
struct Design {
    const char *separatorBeforeUpdate;
    const char *separatorBeforeAbout;
    QString makeMoneyCaption;
};

// Appends the menus to the window's menu bar, after what is already there.
// Each Help entry opens its page, About Software opens the About window
// over this window, Donate opens the donation page.
Menus build(QMainWindow *window, const Design &design);

} // namespace HelpMenus
