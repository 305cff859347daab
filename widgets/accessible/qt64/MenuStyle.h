// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// While any AT-SPI client listens (Orca does), Qt 6.4's bridge holds every
// key back until the accessibility registry has seen it, and then delivers
// it again. Alt+F opens the File menu at once, as a shortcut; the held-back
// Alt press arrives a few milliseconds later, now in the open menu, which
// takes it for the user's Alt and closes. The user heard "File menu" and
// their next arrow key lands in the window below. No Qt release is known
// here to deliver the held-back key before the shortcut acts; this can go
// once the step "the result window opens, from the menu" of
// e2e_screen_reader passes with Fusion's own menus.
//
// The style of the windows' drop-down menus: Fusion, except that with a
// screen reader on Linux, Alt pressed in an open menu leaves it open.

#include <QProxyStyle>

class MenuStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
};
