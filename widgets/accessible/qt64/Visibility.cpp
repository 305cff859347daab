// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/Visibility.h"

#include <QFocusFrame>
#include <QMenu>
#include <QWidget>

namespace Accessibility {

namespace {

// The widgets Qt's accessibility leaves out of a parent's children.
bool isLeftOut(const QWidget *w)
{
    return w->isWindow() || qobject_cast<const QFocusFrame *>(w) || qobject_cast<const QMenu *>(w)
           || w->objectName() == QLatin1String("qt_rubberband")
           || w->objectName() == QLatin1String("qt_spinbox_lineedit");
}

} // namespace

bool isOutOfSight(const QWidget *widget)
{
    // Hidden on purpose; a window not shown yet hides nothing of itself.
    if (widget->isHidden())
        return true;
    const QWidget *parent = widget->parentWidget();
    if (!parent || widget->isWindow())
        return false;
    // Laid out beyond its parent's edges.
    if (!parent->rect().intersects(widget->geometry()))
        return true;
    // Siblings later in the list are painted later, over the earlier ones.
    const QObjectList &siblings = parent->children();
    const qsizetype at = siblings.indexOf(const_cast<QWidget *>(widget));
    for (qsizetype i = at + 1; i < siblings.size(); ++i) {
        const auto *above = qobject_cast<const QWidget *>(siblings.at(i));
        if (above && !above->isWindow() && !above->isHidden() && above->autoFillBackground()
            && above->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

QList<QWidget *> childrenInSight(const QWidget *parent)
{
    QList<QWidget *> result;
    for (QObject *object : parent->children()) {
        auto *w = qobject_cast<QWidget *>(object);
        if (w && !isLeftOut(w) && !isOutOfSight(w))
            result.append(w);
    }
    return result;
}

} // namespace Accessibility
