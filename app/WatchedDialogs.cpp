// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WatchedDialogs.h"

WatchedDialogs::WatchedDialogs(Dialogs &dialogs)
    : m_dialogs(dialogs)
{
}

template<typename Ask>
auto WatchedDialogs::watch(Ask &&ask)
{
    ++m_open;
    // Counted down however the question ends, an exception included.
    struct Answered
    {
        WatchedDialogs &dialogs;
        ~Answered()
        {
            if (--dialogs.m_open == 0 && dialogs.m_allAnswered)
                dialogs.m_allAnswered();
        }
    } answered{*this};
    return ask();
}

QMessageBox::StandardButton WatchedDialogs::message(QWidget *parent, QMessageBox::Icon icon,
                                                    const QString &text,
                                                    QMessageBox::StandardButtons buttons)
{
    if (m_refusing)
        return QMessageBox::NoButton;
    return watch([&] { return m_dialogs.message(parent, icon, text, buttons); });
}

QString WatchedDialogs::askFileName(QWidget *parent, const FileDialogRequest &request)
{
    if (m_refusing)
        return {};
    return watch([&] { return m_dialogs.askFileName(parent, request); });
}

PrintAnswer WatchedDialogs::askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request)
{
    if (m_refusing)
        return PrintAnswer::Cancel;
    return watch([&] { return m_dialogs.askPrint(parent, printer, request); });
}
