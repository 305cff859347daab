// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The input window: a name and a date of birth in, a reading out, or a
// saved reading opened. Closing it by any way other than a switch to the
// result window ends the program.

#include "core/ReadingFile.h"
#include "windows/common/TopLevelWindow.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmMain final : public TopLevelWindow
{
    Q_OBJECT
public:
    // Builds the window and loads it (Form_Load); it deletes itself when
    // closed. The root performs the switch to the result window.
    frmMain(WindowRoot &root, Dialogs &dialogs, QWidget *parent = nullptr);

    // Controls.
    QPushButton *cmdOpen = nullptr;
    QGroupBox *fraDetails = nullptr;
    QLineEdit *txtName = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboYear = nullptr;
    QPushButton *cmdProceed = nullptr;
    QLabel *Label2[1] = {nullptr};
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;

    // Menus.
    QAction *mnuProceed = nullptr;

    // Start-up brings one of the two promotional labels to the front; draw is
    // uniform in [0, 1).
    void CoBrand_Randomize(float draw);
    qint16 intCoBrandRandomNumber = 0;

    // Handlers.
    void Form_Load() override;
    void cmdProceed_Click();
    void mnuProceed_Click();
    void cmdOpen_Click();
    // What Open does once a file is chosen, also for a file named on the
    // command line or handed over by a second copy: Open's message for a
    // file it refuses (false), else the result window in place of this one.
    bool openReading(const QString &path);
    // The reading in a file as Open judges it: nothing for a path whose
    // name does not end in "grn", or whose content is no reading.
    static std::optional<ReadingFile::Reading> readingFrom(const QString &path);
    static QString refusedFileText();

private:
    void buildControls() override;
    void nameForAssistiveTechnology();
    void buildFileMenu() override;
    void connectCommands() override;

    bool ValidateEntry();
    void runReading();
};
