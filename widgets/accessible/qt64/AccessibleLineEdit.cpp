// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleLineEdit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QValidator>

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
}

QLineEdit *AccessibleLineEdit::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

// A password box offers no text, as Qt's own interface does.
bool AccessibleLineEdit::showsText() const
{
    return lineEdit()->echoMode() == QLineEdit::Normal;
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    QString str;
    if (t == QAccessible::Value) {
        if (showsText())
            str = lineEdit()->text();
        else if (lineEdit()->echoMode() != QLineEdit::NoEcho)
            str = QString(lineEdit()->text().size(), QLatin1Char('*'));
    }
    if (str.isEmpty())
        str = QAccessibleWidget::text(t);
    if (str.isEmpty() && t == QAccessible::Description)
        str = lineEdit()->placeholderText();
    return str;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString candidate = text;
    int position = 0;
    if (lineEdit()->validator() && lineEdit()->validator()->validate(candidate, position) != QValidator::Acceptable)
        return;
    lineEdit()->setText(candidate);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.readOnly = lineEdit()->isReadOnly();
    s.passwordEdit = !showsText();
    s.selectableText = true;
    return s;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

// The x on the line edit where a click stops putting the cursor before the
// character at position and starts putting it after: the middle of that
// character. QLineEdit tells where a point puts the cursor, not where a
// character is, so the middle is looked for.
int AccessibleLineEdit::midpointAfter(int position) const
{
    const int y = lineEdit()->height() / 2;
    int low = -lineEdit()->width();
    int high = 2 * lineEdit()->width();
    while (low < high) {
        const int x = low + (high - low) / 2;
        if (lineEdit()->cursorPositionAt(QPoint(x, y)) > position)
            high = x;
        else
            low = x + 1;
    }
    return low;
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return {};
    const QFontMetrics metrics(lineEdit()->font());
    const int width = metrics.horizontalAdvance(character);
    const int left = midpointAfter(offset) - width / 2;
    const int top = (lineEdit()->height() - metrics.height()) / 2;
    return QRect(lineEdit()->mapToGlobal(QPoint(left, top)), QSize(width, metrics.height()));
}

int AccessibleLineEdit::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = *startOffset + int(lineEdit()->selectedText().size());
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    if (!showsText() || startOffset > endOffset)
        return {};
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    if (!showsText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return AccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    if (!showsText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return AccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    if (!showsText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return AccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return int(lineEdit()->text().size());
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (lineEdit()->isReadOnly())
        return;
    QString candidate = lineEdit()->text();
    candidate.replace(startOffset, endOffset - startOffset, text);
    int position = 0;
    if (lineEdit()->validator() && lineEdit()->validator()->validate(candidate, position) != QValidator::Acceptable)
        return;
    lineEdit()->setText(candidate);
}
