// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4's QComboBox keeps a current entry in its hidden pop-up, which
// claims the focus to assistive technology: one is left behind when the
// pop-up closes, and QComboBox's own search for a typed entry goes through
// the hidden pop-up, so Orca follows the focus into a list that is not on
// the screen. And a closed list's new entry goes out as a name change,
// which Orca ignores for combo boxes. This can go once the step "the date
// lists" of e2e_screen_reader and the lists and focus checks of
// e2e_a11y_sweep pass with QComboBox's own keys and search.
//
// What a DropDownList does about it: it looks a typed entry up itself, keeps
// the hidden pop-up without a current entry, and tells of a new entry as
// text inserted while selected (AccessibleDropDownList offers that text).

#include <QElapsedTimer>
#include <QString>

class QComboBox;
class QKeyEvent;

class ClosedList
{
public:
    explicit ClosedList(QComboBox *list);

    // Chooses the entry a letter typed on the closed list leads to, the way
    // an item view does; false for a key the list is to handle itself.
    bool searchTyped(QKeyEvent *event);
    // Leaves the hidden pop-up without a current entry.
    void forgetHiddenChoice();
    // Tells a screen reader of the entry now chosen on the closed list.
    void announceChoice();

private:
    QComboBox *m_list;
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};
