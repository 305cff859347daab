// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The result window: the Life Path side above, the Destiny side below, each
// showing its number, the number's interpretation and one of its gods at a
// time. Closing it by any way other than Back ends the program.

#include "widgets/AnnouncingButton.h"
#include "windows/common/TopLevelWindow.h"

class Announcer;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmGreekNumerologyResult final : public TopLevelWindow
{
    Q_OBJECT
public:
    // Builds the window and fills both sides from the reading state (Form_Load);
    // it deletes itself when closed.
    frmGreekNumerologyResult(WindowRoot &root, Dialogs &dialogs, QWidget *parent = nullptr);

    // The god each side shows, as a position in its god list; shared by every
    // opening of the window in this process and reset by Back.
    static qint16 LifePathPosition;
    static qint16 DestinyPosition;

    // Controls.
    QPushButton *cmdSave = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPlainTextEdit *txtD = nullptr;
    AnnouncingButton *cmdNextD = nullptr;
    AnnouncingButton *cmdBackD = nullptr;
    QLabel *lblD[4] = {};
    QLabel *imgD = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdBack = nullptr;
    QGroupBox *fraLP = nullptr;
    AnnouncingButton *cmdBackLP = nullptr;
    AnnouncingButton *cmdNextLP = nullptr;
    QPlainTextEdit *txtLP = nullptr;
    QLabel *imgLP = nullptr;
    QLabel *lblLP[5] = {};   // element 3 does not exist
    LinkLabel *Label13 = nullptr;

    // Menus.
    QAction *mnuPrint = nullptr;
    QAction *mnuBack = nullptr;

    // Handlers.
    void Form_Load() override;
    void ShowLifePathGod();
    void ShowDestinyGod();
    void cmdBackLP_Click();
    void cmdNextLP_Click();
    void cmdBackD_Click();
    void cmdNextD_Click();
    void cmdBack_Click();
    void mnuBack_Click();
    void cmdPrint_Click();
    void mnuPrint_Click();
    void cmdSave_Click();

private:
    struct Side;
    Side lifePathSide();
    Side destinySide();
    static QString shownGodName(const Side &side);
    // Tells assistive technology which god each side shows.
    void speakShownGods();
    void buildControls() override;
    void nameForAssistiveTechnology();
    // Tells assistive technology whose picture a portrait shows (-1: none).
    static void describePortrait(QLabel *portrait, int catalogPosition);
    void buildFileMenu() override;
    void connectCommands() override;
    void showGod(const Side &side);
    void showError(const QString &text);
    // Asks before a save replaces a file the Save dialog has not asked about.
    bool mayReplace(const QString &path);

    // Tells a screen reader what no control shows: that the reading printed.
    Announcer *m_announcer = nullptr;
};
