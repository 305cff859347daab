// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleReadOnlyText.h"

#include <QWidget>

AccessibleReadOnlyText::AccessibleReadOnlyText(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void AccessibleReadOnlyText::tellNewText(QWidget *widget, const QString &text)
{
    QAccessibleTextInsertEvent inserted(widget, 0, text);
    QAccessible::updateAccessibility(&inserted);
}

void *AccessibleReadOnlyText::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int AccessibleReadOnlyText::selectionCount() const
{
    return wholeTextSelected() && characterCount() > 0 ? 1 : 0;
}

void AccessibleReadOnlyText::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = selectionIndex < selectionCount() ? characterCount() : 0;
}

QString AccessibleReadOnlyText::text(int startOffset, int endOffset) const
{
    return TextBoundaries::slice(readOnlyText(), startOffset, endOffset);
}

int AccessibleReadOnlyText::characterCount() const
{
    return int(readOnlyText().size());
}

int AccessibleReadOnlyText::offsetAtPoint(const QPoint &point) const
{
    for (int i = 0; i < characterCount(); ++i) {
        if (characterRect(i).contains(point))
            return i;
    }
    return -1;
}
