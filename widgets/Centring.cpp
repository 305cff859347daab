// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace Centring {

namespace {

// The frame the window manager gave the last window, for the next one.
QMargins g_lastFrame;

QPoint centredFramePosition(const QWidget *window, QScreen *screen, const QMargins &frame)
{
    QRect outer(QPoint(0, 0), window->size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    return outer.topLeft();
}

class FrameWatcher : public QObject
{
public:
    FrameWatcher(QWidget *window, QScreen *screen)
        : QObject(window)
        , m_screen(screen)
    {
        m_poll.setInterval(50);
        connect(&m_poll, &QTimer::timeout, this, [this, window] {
            if (++m_polls > 40)
                m_poll.stop();
            correct(window);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            // The frame's size can arrive after the last move the window
            // sees; look again for a while.
            m_polls = 0;
            m_poll.start();
            correct(static_cast<QWidget *>(watched));
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
            correct(static_cast<QWidget *>(watched));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void correct(QWidget *window)
    {
        if (m_done || !m_screen)
            return;
        const QWindow *native = window->windowHandle();
        if (!native || !native->isVisible())
            return;
        const QMargins frame = native->frameMargins();
        if (frame.isNull())
            return;   // not framed yet, or no window manager at all
        m_done = true;
        m_poll.stop();
        g_lastFrame = frame;
        const QPoint wanted = centredFramePosition(window, m_screen, frame);
        if (window->frameGeometry().topLeft() != wanted)
            window->move(wanted);
        window->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QScreen> m_screen;
    QTimer m_poll;
    int m_polls = 0;
    bool m_done = false;
};

} // namespace

void centreOnScreen(QWidget *window, QScreen *screen)
{
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A top-level window's position is that of its frame's top-left corner.
    window->move(centredFramePosition(window, screen, g_lastFrame));
    window->installEventFilter(new FrameWatcher(window, screen));
}

} // namespace Centring
