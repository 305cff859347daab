// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4's interface for a QPlainTextEdit places every paragraph at the
// height of the first, and lines scrolled out of view inside the box: Orca's
// flat review then reads the box's text among the labels around it. This can
// go once tst_textsweep's descriptionLinesLieWhereTheyShow and the step "flat
// review of the result window" of e2e_screen_reader pass with Qt's interface.
//
// A read-only box of wrapped text (a god's description) as a screen reader
// should find it: its lines are the lines as shown, and each character is
// where it is drawn, so that a review of the screen reads the lines in view
// and nothing else: a line scrolled out of view lies beyond the window.

#include "widgets/accessible/qt64/AccessibleTextInterface.h"

#include <QAccessibleWidget>

class QPlainTextEdit;

class AccessibleDescriptionBox : public QAccessibleWidget, public AccessibleTextInterface
{
public:
    explicit AccessibleDescriptionBox(QPlainTextEdit *box);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    using QAccessibleWidget::text;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    TextBoundaries::Lines shownLines() const override;

private:
    QPlainTextEdit *box() const;
    QString plainText() const;
};
