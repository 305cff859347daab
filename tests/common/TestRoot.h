// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's root as the tests use it: the windows are created and
// switched by the real Root; their questions go to the FakeDesktop of the
// running test, and the end of the program is recorded there instead of
// ending the test's event loop.

#include "tests/common/FakeDesktop.h"
#include "app/Root.h"

// Passes every question on to the FakeDesktop in force; with none, the
// question counts as cancelled.
class CurrentFakeDialogs final : public Dialogs
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        FakeDesktop *fake = FakeDesktop::current();
        return fake ? fake->message(parent, icon, text, buttons) : QMessageBox::NoButton;
    }

    QString askFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        FakeDesktop *fake = FakeDesktop::current();
        return fake ? fake->askFileName(parent, request) : QString();
    }

    PrintAnswer askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) override
    {
        FakeDesktop *fake = FakeDesktop::current();
        return fake ? fake->askPrint(parent, printer, request) : PrintAnswer::Cancel;
    }
};

inline Root &testRoot()
{
    static CurrentFakeDialogs dialogs;
    static Root root(dialogs, [](int status) {
        if (FakeDesktop *fake = FakeDesktop::current()) {
            fake->endedWith.append(status);
            fake->programEnded();
        }
    });
    return root;
}
