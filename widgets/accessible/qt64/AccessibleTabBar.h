// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4 lets a tab bar's current tab claim the focus whether the bar has it
// or not, and even while the bar is out of sight, so a screen reader finds
// two objects with the focus whenever Qt's print dialog is open. This can go
// once tst_accessibility's tabsClaimTheFocusOnlyWithTheirBar passes with
// Qt's interface.
//
// A tab bar and its tabs, as Qt's print dialog has one among its options.
// Here the current tab claims the focus only while the bar itself has it.

#include <QAccessibleWidget>
#include <QHash>

class QTabBar;

class AccessibleTabBar : public QAccessibleWidget
{
public:
    explicit AccessibleTabBar(QTabBar *bar);
    ~AccessibleTabBar() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QTabBar *bar() const;

    // The tabs' interfaces, made when first asked for, registered with Qt
    // and removed with the bar's.
    mutable QHash<int, QAccessible::Id> m_tabs;
};
