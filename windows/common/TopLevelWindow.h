// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the two top-level windows are both built on: the root that switches
// them, the dialogs their questions go through, the promotion panel and
// banner, the File menu's Exit, the Help and Donate menus, one order of
// building, and a close that is never refused and always unloads the window.

#include "platform/Dialogs.h"
#include "windows/common/HelpMenus.h"
#include "windows/common/Promotion.h"

#include <QMainWindow>

class LinkLabel;
class QAction;
class QGroupBox;
class QMenu;
class WindowRoot;

class TopLevelWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Controls.
    QGroupBox *fraFullBrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *Label61 = nullptr;

    // Menus.
    QMenu *mnuFile = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuDonate = nullptr;
    QAction *mnuMakeMoney = nullptr;

    // Handlers.
    virtual void Form_Load() = 0;
    // The root tells a switch from a close by the user, which ends the program.
    void Form_Unload();
    void mnuExit_Click();

protected:
    // Named, and set up as a top-level window around a client area of the
    // given size; it deletes itself when closed.
    TopLevelWindow(WindowRoot &root, Dialogs &dialogs, const char *name, QSize clientSize, bool canMinimize,
                   QWidget *parent);

    // What differs between the windows' menus besides their own File commands.
    struct MenuDesign {
        const char *separatorBeforeExit;
        HelpMenus::Design help;
    };

    // Builds the controls and menus, fixes the window's size and centres it,
    // connects the commands and loads the window (Form_Load). The window's
    // constructor calls it once its own members stand.
    void load(const MenuDesign &menus);
    virtual void buildControls() = 0;
    // The File menu's entries above its separator and Exit.
    virtual void buildFileMenu() = 0;
    virtual void connectCommands() = 0;

    // fraFullBrand with its two links, and the banner Label61.
    void buildPromotion(const Promotion::PanelDesign &panel, const QRect &banner, const QCursor &bannerPointer);

    // Open's or Save's file dialog: the program's name as its caption, and
    // after that name what it is for, as a screen reader calls it.
    static FileDialogRequest readingFileRequest(FileDialogRequest::Mode mode, const QString &purpose,
                                                const QString &filter);

    void closeEvent(QCloseEvent *event) override;

    WindowRoot &m_root;
    Dialogs &m_dialogs;
};
