// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/MenuStyle.h"

#include <QAccessible>

int MenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Asked when the key arrives, so the rule follows a screen reader that
    // starts or stops while the program runs. Without one, Alt closes a menu
    // as everywhere else.
    if (hint == SH_MenuBar_AltKeyNavigation && QAccessible::isActive())
        return 0;
#endif
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
