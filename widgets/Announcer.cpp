// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Announcer.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/accessible/qt64/AccessibleAnnouncer.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

// Longest a piece of news waits for its window to become active again.
constexpr int LongestWaitMs = 2000;

} // namespace

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , m_deadline(new QTimer(this))
{
    setObjectName(QStringLiteral("announcer"));
    Accessibility::installFactory();
    m_deadline->setSingleShot(true);
    m_deadline->setInterval(LongestWaitMs);
    connect(m_deadline, &QTimer::timeout, this, &Announcer::tell);
    window->installEventFilter(this);
}

QWidget *Announcer::window() const
{
    return static_cast<QWidget *>(parent());
}

void Announcer::announce(const QString &news)
{
    if (news.isEmpty())
        return;
    m_waiting = news;
    if (window()->isActiveWindow()) {
        // After the events already queued, the focus coming back among them.
        QTimer::singleShot(0, this, &Announcer::tell);
        return;
    }
    m_deadline->start();
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowActivate && !m_waiting.isEmpty())
        QTimer::singleShot(0, this, &Announcer::tell);
    return QObject::eventFilter(watched, event);
}

void Announcer::tell()
{
    if (m_waiting.isEmpty())
        return;
    m_deadline->stop();
    m_news = std::exchange(m_waiting, QString());
    AccessibleAnnouncer::show(this);
}
