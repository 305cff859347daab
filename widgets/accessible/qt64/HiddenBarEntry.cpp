// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/HiddenBarEntry.h"

#include <QAction>
#include <QMenuBar>

namespace HiddenBarEntry {

void addWhileShown(QMenuBar *bar, QAction *action)
{
    if (action->isVisible())
        bar->addAction(action);
    QObject::connect(action, &QAction::visibleChanged, bar, [bar, action] {
        if (action->isVisible())
            bar->addAction(action);
        else
            bar->removeAction(action);
    });
}

} // namespace HiddenBarEntry
