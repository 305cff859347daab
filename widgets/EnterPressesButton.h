// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Enter on a focused button does what Space does, as Windows users expect
// of a command button: pressing the key pushes the button down, releasing
// it clicks the button, and a held key repeats nothing. Qt lets Enter click
// only a dialog's default buttons, and those on the press alone. Installed
// on a button, this hands the button a Space key for each Enter key (the
// main one or the keypad's), so that the button's own key handling, its
// signals and its look stay those of Space.

#include <QObject>

class QAbstractButton;

class EnterPressesButton : public QObject
{
    Q_OBJECT
public:
    // Any number of buttons share the one filter.
    static void install(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
