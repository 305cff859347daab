// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/ClosedList.h"

#include "widgets/accessible/qt64/AccessibleReadOnlyText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>

ClosedList::ClosedList(QComboBox *list)
    : m_list(list)
{
}

void ClosedList::announceChoice()
{
    // What Orca reads out at once is text inserted into the focused object
    // while that text is selected, which the list's text is while it has the
    // focus. An open list is heard through its pop-up, as Qt's own lists are.
    if (m_list->view()->isVisible())
        return;
    forgetHiddenChoice();
    if (!m_list->hasFocus())
        return;
    AccessibleReadOnlyText::tellNewText(m_list, m_list->currentText());
}

bool ClosedList::searchTyped(QKeyEvent *event)
{
    // The closed list looks a typed entry up itself, the way an item view
    // does: letters typed in quick succession add up, and a new search, or
    // one letter typed again and again, starts after the entry chosen.
    const QString text = event->text();
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (m_list->view()->isVisible() || m_list->isEditable() || text.isEmpty() || !text.at(0).isPrint()
        || text.at(0).isSpace() || (event->modifiers() & commands))
        return false;
    const bool continues = m_sinceTyped.isValid()
                           && m_sinceTyped.elapsed() <= QApplication::keyboardInputInterval();
    m_sinceTyped.start();
    m_typed = continues ? m_typed + text : text;
    const bool sameLetter = m_typed.size() > 1 && m_typed.count(m_typed.back()) == m_typed.size();
    const QString wanted = sameLetter ? QString(m_typed.front()) : m_typed;
    const int entries = m_list->count();
    const int current = m_list->currentIndex();
    const int from = current + ((!continues || sameLetter) && current >= 0 ? 1 : 0);
    for (int i = 0; i < entries; ++i) {
        const int row = (qMax(0, from) + i) % entries;
        if (m_list->itemText(row).startsWith(wanted, Qt::CaseInsensitive)) {
            m_list->setCurrentIndex(row);
            break;
        }
    }
    return true;
}

void ClosedList::forgetHiddenChoice()
{
    // The pop-up takes the list's entry again when it opens.
    QAbstractItemView *popup = m_list->view();
    if (!popup->isVisible() && popup->selectionModel())
        popup->selectionModel()->clearCurrentIndex();
}
