// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HandOverInbox.h"

#include <utility>

HandOverInbox::HandOverInbox(std::function<bool()> busy, std::function<void(const QString &)> open)
    : m_busy(std::move(busy))
    , m_open(std::move(open))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &HandOverInbox::post);
}

bool HandOverInbox::put(const QString &file)
{
    const bool first = m_file.isEmpty();
    m_file = file;
    post();
    return first;
}

void HandOverInbox::wake()
{
    if (waiting())
        post();
}

void HandOverInbox::post()
{
    // One delivery on its way at a time, however many files and wake-ups
    // come before it runs.
    if (m_posted)
        return;
    m_posted = true;
    m_retry.stop();
    QMetaObject::invokeMethod(this, &HandOverInbox::deliver, Qt::QueuedConnection);
}

void HandOverInbox::deliver()
{
    m_posted = false;
    if (m_file.isEmpty())
        return;
    if (m_busy()) {
        m_retry.start();
        return;
    }
    m_open(std::exchange(m_file, QString()));
}
