// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// News for assistive technology that no control on the screen shows, such as
// a reading gone to the printer: a notification, which a screen reader reads
// out whatever has the focus (AccessibleAnnouncer). Nothing is drawn.
//
// News that comes while a dialog of the window is closing waits for the
// window to be active again, so that it is heard after the control that
// takes the focus back, not cut off by it.

#include <QObject>
#include <QString>

class QTimer;
class QWidget;

class Announcer : public QObject
{
    Q_OBJECT
public:
    // The window the news is about; it owns the announcer.
    explicit Announcer(QWidget *window);

    QWidget *window() const;
    // The news last told, or being told.
    QString news() const { return m_news; }

    // Tells the news once the window is active, or after a short wait at
    // most, so that it is never lost.
    void announce(const QString &news);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tell();

    QString m_news;
    QString m_waiting;
    QTimer *m_deadline;
};
