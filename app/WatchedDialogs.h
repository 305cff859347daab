// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The dialogs the windows and the start-up sequence put their questions
// through: the system's (or a test's), watched, so that the root knows
// whether a question is waiting for the user and learns when the last one
// is answered. Once the program is ending, no new question opens: each is
// taken as cancelled at once.

#include "platform/Dialogs.h"

#include <functional>

class WatchedDialogs final : public Dialogs
{
public:
    explicit WatchedDialogs(Dialogs &dialogs);

    bool questionOpen() const { return m_open > 0; }
    // Called once no question is open any more.
    void onAllAnswered(std::function<void()> callback) { m_allAnswered = std::move(callback); }
    void refuseFromNowOn() { m_refusing = true; }

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    QString askFileName(QWidget *parent, const FileDialogRequest &request) override;
    PrintAnswer askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request) override;

private:
    template<typename Ask>
    auto watch(Ask &&ask);

    Dialogs &m_dialogs;
    int m_open = 0;
    bool m_refusing = false;
    std::function<void()> m_allAnswered;
};
