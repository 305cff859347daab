// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The questions a window may put to the user: a message box, a file name and
// where and how to print. The program's root hands the windows the system's
// dialogs; tests hand them a stand-in that answers from a script, so that no
// modal dialog ever waits for a hand that is not there.

#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

struct FileDialogRequest
{
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;            // window title
    QString spokenTitle;      // what a screen reader calls the dialog instead
    QString filter;           // Qt name filter, e.g. "Pallastro (*.grn)"
    QString defaultSuffix;    // appended when the user types no extension
    bool confirmOverwrite = false;
};

struct PrintDialogRequest
{
    QString spokenTitle;      // what a screen reader calls the dialog
    int pageCount = 0;        // pages on the printer's paper as it stands; 0: not known
};

enum class PrintAnswer {
    Print,       // the printer is set up as the user chose: paint on it
    Cancel,      // the user changed their mind; nothing is to change
    NoPrinter,   // the system has no printer to offer, and no dialog was shown
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Modal message box captioned with the program's name; the answer is the
    // button chosen.
    virtual QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons) = 0;

    // Modal file dialog; an empty result means the user cancelled.
    virtual QString askFileName(QWidget *parent, const FileDialogRequest &request) = 0;

    // The platform's modal print dialog for printer: Qt's own on Linux, which
    // also prints to a PDF file, the system's on Windows.
    virtual PrintAnswer askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) = 0;
};
