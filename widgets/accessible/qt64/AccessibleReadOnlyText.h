// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4 gives a screen reader no way to hear a control's new value or news
// but text inserted into the focused object while selected. This base of
// AccessibleDropDownList and AccessibleAnnouncingButton goes with the last
// of them.
//
// The accessible interface of a widget that offers a short read-only text
// through the text interface, which is where Orca reads a control's value:
// the entry chosen in a list, a button's announcement. It is either not
// selected or selected as a whole.

#include "widgets/accessible/qt64/AccessibleTextInterface.h"

#include <QAccessibleWidget>

class AccessibleReadOnlyText : public QAccessibleWidget, public AccessibleTextInterface
{
public:
    AccessibleReadOnlyText(QWidget *widget, QAccessible::Role role);

    // Tells a screen reader of the widget's new text as text inserted, which
    // Orca reads out at once while it is selected (wholeTextSelected).
    static void tellNewText(QWidget *widget, const QString &text);

    void *interface_cast(QAccessible::InterfaceType type) override;
    using QAccessibleWidget::text;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    // Where the text is on the screen; none for text that is not shown.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}

protected:
    virtual QString readOnlyText() const = 0;
    virtual bool wholeTextSelected() const { return false; }
};
