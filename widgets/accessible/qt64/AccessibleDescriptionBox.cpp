// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleDescriptionBox.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

AccessibleDescriptionBox::AccessibleDescriptionBox(QPlainTextEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QPlainTextEdit *AccessibleDescriptionBox::box() const
{
    return static_cast<QPlainTextEdit *>(widget());
}

// Paragraphs joined by line feeds, one character each, as the document
// counts its positions.
QString AccessibleDescriptionBox::plainText() const
{
    return box()->document()->toPlainText();
}

void *AccessibleDescriptionBox::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleDescriptionBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return plainText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleDescriptionBox::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = box()->isReadOnly();
    s.editable = !box()->isReadOnly();
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

void AccessibleDescriptionBox::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = box()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection())
        return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int AccessibleDescriptionBox::selectionCount() const
{
    return box()->textCursor().hasSelection() ? 1 : 0;
}

void AccessibleDescriptionBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleDescriptionBox::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.clearSelection();
    box()->setTextCursor(cursor);
}

void AccessibleDescriptionBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int size = characterCount();
    if (selectionIndex != 0 || startOffset < 0 || endOffset < 0 || startOffset > size || endOffset > size)
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    box()->setTextCursor(cursor);
}

int AccessibleDescriptionBox::cursorPosition() const
{
    return box()->textCursor().position();
}

void AccessibleDescriptionBox::setCursorPosition(int position)
{
    if (position < 0 || position > characterCount())
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(position);
    box()->setTextCursor(cursor);
}

QString AccessibleDescriptionBox::text(int startOffset, int endOffset) const
{
    return TextBoundaries::slice(plainText(), startOffset, endOffset);
}

int AccessibleDescriptionBox::characterCount() const
{
    return int(plainText().size());
}

QRect AccessibleDescriptionBox::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (offset < 0 || character.isEmpty())
        return {};
    QTextCursor cursor(box()->document());
    cursor.setPosition(offset);
    const QRect here = box()->cursorRect(cursor);
    int width = QFontMetrics(box()->font()).horizontalAdvance(character);
    if (character != QStringLiteral("\n")) {
        cursor.setPosition(offset + 1);
        const QRect next = box()->cursorRect(cursor);
        if (next.top() == here.top() && next.left() > here.left())
            width = next.left() - here.left();
    }
    QRect onViewport(here.topLeft(), QSize(qMax(width, 1), here.height()));
    // Orca's flat review keeps the text that lies inside the window, not
    // inside the box: a line scrolled out of view, but still over the labels
    // below the box, would be read among them. Such a line is placed just
    // beyond the window's edge, above or below as it lies, so that the
    // order of the lines stays that of the text.
    const QRect view = box()->viewport()->rect();
    if (onViewport.top() < view.top() || onViewport.bottom() > view.bottom()) {
        const QWidget *window = box()->window();
        const QPoint windowTop = window->mapToGlobal(QPoint(0, 0));
        const int y = onViewport.top() < view.top() ? windowTop.y() - 2 - onViewport.height()
                                                    : windowTop.y() + window->height() + 2;
        const QPoint left = box()->viewport()->mapToGlobal(onViewport.topLeft());
        return QRect(QPoint(left.x(), y), onViewport.size());
    }
    return QRect(box()->viewport()->mapToGlobal(onViewport.topLeft()), onViewport.size());
}

int AccessibleDescriptionBox::offsetAtPoint(const QPoint &point) const
{
    const QPoint onViewport = box()->viewport()->mapFromGlobal(point);
    if (!box()->viewport()->rect().contains(onViewport))
        return -1;
    return box()->cursorForPosition(onViewport).position();
}

void AccessibleDescriptionBox::scrollToSubstring(int startIndex, int endIndex)
{
    QTextCursor cursor(box()->document());
    cursor.setPosition(qBound(0, endIndex, characterCount()));
    box()->setTextCursor(cursor);
    box()->ensureCursorVisible();
    cursor.setPosition(qBound(0, startIndex, characterCount()));
    box()->setTextCursor(cursor);
    box()->ensureCursorVisible();
}

TextBoundaries::Lines AccessibleDescriptionBox::shownLines() const
{
    TextBoundaries::Lines lines;
    QTextDocument *document = box()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // Lays the block out if it has not been yet.
        document->documentLayout()->blockBoundingRect(block);
        const QTextLayout *layout = block.layout();
        const int blockStart = block.position();
        // A paragraph's last line takes its line feed with it.
        const int blockEnd = blockStart + block.length() - (block.next().isValid() ? 0 : 1);
        const int count = layout ? layout->lineCount() : 0;
        if (count == 0) {
            if (blockEnd > blockStart)
                lines.append({blockStart, blockEnd});
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const QTextLine line = layout->lineAt(i);
            const int start = blockStart + line.textStart();
            const int end = i + 1 < count ? blockStart + layout->lineAt(i + 1).textStart() : blockEnd;
            if (end > start)
                lines.append({start, end});
        }
    }
    return lines;
}
