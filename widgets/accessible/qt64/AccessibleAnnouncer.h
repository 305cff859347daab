// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader learns of an Announcer: a notification named by its
// news, which is shown (to assistive technology alone) each time there is
// news. Orca reads a notification out as it shows, wherever the focus is; the
// text a focused AnnouncingButton offers reaches it only from that button.
// Qt 6.8's announcement event (QAccessibleAnnouncementEvent) makes this
// unnecessary.
//
// It lies in no container: a review of the screen never meets it.

#include <QAccessibleObject>

class Announcer;

class AccessibleAnnouncer : public QAccessibleObject
{
public:
    explicit AccessibleAnnouncer(Announcer *announcer);

    // Shows the notification, whose name is the announcer's news now.
    static void show(Announcer *announcer);

    QAccessibleInterface *parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    Announcer *announcer() const;
};
