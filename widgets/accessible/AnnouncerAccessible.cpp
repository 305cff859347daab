// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/AnnouncerAccessible.h"

#include "widgets/Announcer.h"

#include <QWidget>

AnnouncerAccessible::AnnouncerAccessible(Announcer *announcer)
    : QAccessibleObject(announcer)
{
}

Announcer *AnnouncerAccessible::announcer() const
{
    return static_cast<Announcer *>(object());
}

QAccessibleInterface *AnnouncerAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(announcer()->window());
}

QString AnnouncerAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? announcer()->news() : QString();
}

QAccessible::State AnnouncerAccessible::state() const
{
    QAccessible::State s;
    // Nothing of it is drawn.
    s.invisible = true;
    return s;
}
