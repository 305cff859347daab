// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/AnnouncingButton.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/accessible/qt64/AccessibleReadOnlyText.h"

AnnouncingButton::AnnouncingButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    Accessibility::installFactory();
}

void AnnouncingButton::announce(const QString &text)
{
    if (text == m_announcement)
        return;
    m_announcement = text;
    if (!hasFocus())
        return;
    AccessibleReadOnlyText::tellNewText(this, text);
}
