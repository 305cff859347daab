// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a user can see, for assistive technology: Qt 6.4 counts a hidden
// child among its parent's children, and calls a widget that lies wholly
// beneath an opaque sibling visible. A screen reader's review would then
// read text that is not on the screen.

#include <QList>

class QWidget;

namespace Accessibility {

// Hidden, outside its parent, or wholly beneath a visible sibling that
// paints its background.
bool isOutOfSight(const QWidget *widget);

// The children a container offers: those in sight, in Qt's order.
QList<QWidget *> childrenInSight(const QWidget *parent);

} // namespace Accessibility
