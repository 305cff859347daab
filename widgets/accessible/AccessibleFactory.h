// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The accessible interfaces of the program's widgets, from one factory in
// the manner of Qt's own: by class name, so a subclass Qt knows nothing of
// (the file dialog's line edit) is given its nearest known base's interface.
// A link label needs one on any Qt; the rest stand in for Qt 6.4's own
// (qt64/Qt64Factory.h).

#include <QAccessible>

namespace Accessibility {

QAccessibleInterface *factory(const QString &className, QObject *object);

// Installs the factory, once per process however often it is called. Every
// widget here that has an interface of its own calls it, and so do the
// windows before they make their first line edit.
void installFactory();

} // namespace Accessibility
