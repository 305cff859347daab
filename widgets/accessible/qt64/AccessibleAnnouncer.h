// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4 has no way to have a screen reader say news that no control shows
// (a reading gone to the printer). Qt 6.8 adds one,
// QAccessibleAnnouncementEvent; this can go with it once the step "printing
// to a PDF file" of e2e_screen_reader still hears "Reading printed".
//
// What a screen reader learns of an Announcer meanwhile: a notification named
// by its news, which is shown (to assistive technology alone) each time there
// is news. Orca reads a notification out as it shows, wherever the focus is;
// the text a focused AnnouncingButton offers reaches it only from that
// button. It lies in no container: a review of the screen never meets it.

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
