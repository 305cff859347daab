// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4 tells AT-SPI of a changed description without the new text, and
// Orca then has nothing to say after a step. Qt 6.8 adds
// QAccessibleAnnouncementEvent; this can go with it once the step "the Life
// Path side" of e2e_screen_reader still hears where each step led.
//
// What a screen reader learns of an AnnouncingButton meanwhile: a push button
// whose description is its announcement. What Orca does read out at once is
// text inserted into the focused object while that text is selected. So the
// button offers its announcement as text, selected as a whole while the
// button has the focus, and reports each new one as inserted. Only while it
// has the focus: Orca gathers the selected text of the objects around the
// focus into "where am I", and a step button beside a description box would
// be read with it.

#include "widgets/accessible/qt64/AccessibleReadOnlyText.h"

class AnnouncingButton;

class AccessibleAnnouncingButton : public AccessibleReadOnlyText
{
public:
    explicit AccessibleAnnouncingButton(AnnouncingButton *button);

    QString text(QAccessible::Text t) const override;
    using AccessibleReadOnlyText::text;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QString readOnlyText() const override;
    bool wholeTextSelected() const override;

private:
    AnnouncingButton *button() const;
};
