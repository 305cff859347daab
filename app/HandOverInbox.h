// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files handed over by second copies wait here until the program is free to
// show them: one file at most, the latest, so that a burst of hand-overs
// while the user answers a question costs one reading, not hundreds. The
// file is opened from the event loop, never from inside the callback that
// brought it or the one that found the program free: whatever opening it
// asks runs with no socket or timer under it.

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class HandOverInbox final : public QObject
{
public:
    // While busy() says so, the file waits. Once the program is free, open()
    // gets it.
    HandOverInbox(std::function<bool()> busy, std::function<void(const QString &)> open);

    // How often a file that waits looks again, for what busy() cannot
    // announce (a menu open, say).
    static constexpr int RetryMs = 200;

    // Takes the place of a file still waiting. True when it is the first
    // one waiting (the caller may want to show the user that a reading is
    // on its way).
    bool put(const QString &file);

    // Something that kept the program busy is over: look now.
    void wake();

    bool waiting() const { return !m_file.isEmpty(); }

private:
    void post();
    void deliver();

    std::function<bool()> m_busy;
    std::function<void(const QString &)> m_open;
    QString m_file;
    bool m_posted = false;
    QTimer m_retry;
};
