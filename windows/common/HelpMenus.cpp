// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/common/HelpMenus.h"

#include "windows/about/frmAbout.h"
#include "platform/modHelp.h"
#include "widgets/accessible/qt64/HiddenBarEntry.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace HelpMenus {

Menus build(QMainWindow *window, const Design &design)
{
    QMenuBar *bar = window->menuBar();
    Menus m;

    m.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    m.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m.mnuOnline = m.mnuHelp->addAction(QStringLiteral("&Online Help"));
    m.mnuVisit = m.mnuHelp->addAction(QStringLiteral("&Visit Us Online"));
    m.separatorBeforeUpdate = m.mnuHelp->addSeparator();
    m.mnuUpdate = m.mnuHelp->addAction(QStringLiteral("Check for Software &Update"));
    m.separatorBeforeAbout = m.mnuHelp->addSeparator();
    m.mnuAbout = m.mnuHelp->addAction(QStringLiteral("&About Software"));

    // A command of its own on the menu bar, without a submenu.
    m.mnuDonate = bar->addAction(QStringLiteral("&Donate"));

    // Kept for the branded builds; this one never shows it.
    m.mnuMakeMoney = new QAction(design.makeMoneyCaption, window);
    m.mnuMakeMoney->setVisible(false);
    m.mnuMakeMoney->setEnabled(false);
    HiddenBarEntry::addWhileShown(bar, m.mnuMakeMoney);

    const std::pair<QAction *, const char *> names[] = {
        {m.mnuOnline, "mnuOnline"},
        {m.mnuVisit, "mnuVisit"},
        {m.separatorBeforeUpdate, design.separatorBeforeUpdate},
        {m.mnuUpdate, "mnuUpdate"},
        {m.separatorBeforeAbout, design.separatorBeforeAbout},
        {m.mnuAbout, "mnuAbout"},
        {m.mnuDonate, "mnuDonate"},
        {m.mnuMakeMoney, "mnuMakeMoney"},
    };
    for (const auto &[action, name] : names)
        action->setObjectName(QLatin1String(name));

    QObject::connect(m.mnuOnline, &QAction::triggered, window, &modHelp::OpenOnlineHelp);
    QObject::connect(m.mnuVisit, &QAction::triggered, window, &modHelp::OpenHomePage);
    QObject::connect(m.mnuUpdate, &QAction::triggered, window, &modHelp::OpenDownloadPage);
    QObject::connect(m.mnuDonate, &QAction::triggered, window, &modHelp::OpenDonatePage);
    QObject::connect(m.mnuMakeMoney, &QAction::triggered, window, &modHelp::OpenFullBrandPage);
    QObject::connect(m.mnuAbout, &QAction::triggered, window, [window] { frmAbout::showModal(window); });
    return m;
}

} // namespace HelpMenus
