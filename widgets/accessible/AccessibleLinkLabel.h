// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A LinkLabel as a link that can be pressed: without this a screen reader
// would take it for plain text and offer no way to follow it. A link that
// lies beneath another is not shown.

#include <QAccessibleWidget>

class LinkLabel;

class AccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel *label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    LinkLabel *link() const;
};
