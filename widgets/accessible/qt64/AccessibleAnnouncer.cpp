// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleAnnouncer.h"

#include "widgets/Announcer.h"

#include <QWidget>

AccessibleAnnouncer::AccessibleAnnouncer(Announcer *announcer)
    : QAccessibleObject(announcer)
{
}

void AccessibleAnnouncer::show(Announcer *announcer)
{
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

Announcer *AccessibleAnnouncer::announcer() const
{
    return static_cast<Announcer *>(object());
}

QAccessibleInterface *AccessibleAnnouncer::parent() const
{
    return QAccessible::queryAccessibleInterface(announcer()->window());
}

QString AccessibleAnnouncer::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? announcer()->news() : QString();
}

QAccessible::State AccessibleAnnouncer::state() const
{
    QAccessible::State s;
    // Nothing of it is drawn.
    s.invisible = true;
    return s;
}
