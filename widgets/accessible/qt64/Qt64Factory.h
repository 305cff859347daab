// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4's interfaces for line edits, closed combo boxes, plain text edits,
// group and button boxes, tab bars and plain widgets hang a screen reader or
// tell it of what is not on the screen, and Qt 6.4 has no way to announce
// news. This factory hands out this folder's interfaces in their place. Each
// header names its fault and what tells when it can go; its line here goes
// with it, and the factory with the last of them.

#include <QAccessible>

namespace Accessibility {

// The interface standing in for Qt's for an object of that class name, or
// null where Qt's own will do.
QAccessibleInterface *qt64Factory(const QString &className, QObject *object);

} // namespace Accessibility
