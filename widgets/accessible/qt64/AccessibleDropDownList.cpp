// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleDropDownList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

AccessibleDropDownList::AccessibleDropDownList(QComboBox *list)
    : AccessibleReadOnlyText(list, QAccessible::ComboBox)
{
}

QComboBox *AccessibleDropDownList::list() const
{
    return static_cast<QComboBox *>(widget());
}

bool AccessibleDropDownList::wholeTextSelected() const
{
    return list()->hasFocus();
}

QRect AccessibleDropDownList::characterRect(int offset) const
{
    const QComboBox *box = list();
    const QString shown = box->currentText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Any list, the print dialog's too: the option as QComboBox itself would
    // make it for the parts that place the entry.
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.currentText = shown;
    // Where the style draws the entry: its edit field, less a pixel each side,
    // the text at the left and in the middle of the height.
    const QRect field =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).adjusted(1, 0, -1, 0);
    const QFontMetrics metrics(box->font());
    const int left = field.left() + metrics.horizontalAdvance(shown.left(offset));
    const int width = metrics.horizontalAdvance(shown.mid(offset, 1));
    const int top = field.top() + (field.height() - metrics.height()) / 2;
    const QRect onList = QRect(left, top, width, metrics.height()).intersected(field);
    return onList.isEmpty() ? QRect() : QRect(box->mapToGlobal(onList.topLeft()), onList.size());
}

QString AccessibleDropDownList::readOnlyText() const
{
    return list()->currentText();
}

QString AccessibleDropDownList::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return readOnlyText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleDropDownList::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = list()->view()->isVisible();
    return s;
}

int AccessibleDropDownList::childCount() const
{
    return list()->view()->isVisible() ? 1 : 0;
}

QAccessibleInterface *AccessibleDropDownList::child(int index) const
{
    return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int AccessibleDropDownList::indexOfChild(const QAccessibleInterface *child) const
{
    return childCount() == 1 && child && child->object() == list()->view() ? 0 : -1;
}

QStringList AccessibleDropDownList::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void AccessibleDropDownList::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (list()->view()->isVisible())
        list()->hidePopup();
    else
        list()->showPopup();
}
