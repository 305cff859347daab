// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The system's own message boxes, file dialogs and print dialog.

#include "platform/Dialogs.h"

class SystemDialogs final : public Dialogs
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    QString askFileName(QWidget *parent, const FileDialogRequest &request) override;
    PrintAnswer askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) override;
};

// Message texts may separate their lines with a lone carriage return, which a
// Qt message box would not break on; this turns CR, CR LF and LF into one line
// break each, as the message box shows them.
QString messageBoxLines(const QString &text);
