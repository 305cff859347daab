// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/common/TopLevelWindow.h"

#include "core/Identity.h"
#include "windows/common/WindowKit.h"
#include "windows/common/WindowRoot.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

TopLevelWindow::TopLevelWindow(WindowRoot &root, Dialogs &dialogs, const char *name, QSize clientSize,
                               bool canMinimize, QWidget *parent)
    : QMainWindow(parent)
    , m_root(root)
    , m_dialogs(dialogs)
{
    setObjectName(QLatin1String(name));
    WindowKit::setUpTopLevel(this, clientSize, canMinimize);
}

void TopLevelWindow::load(const MenuDesign &menus)
{
    buildControls();

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    buildFileMenu();
    mnuFile->addSeparator()->setObjectName(QLatin1String(menus.separatorBeforeExit));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    const HelpMenus::Menus help = HelpMenus::build(this, menus.help);
    mnuDonate = help.mnuDonate;
    mnuMakeMoney = help.mnuMakeMoney;

    WindowKit::finishTopLevel(this);
    connect(mnuExit, &QAction::triggered, this, &TopLevelWindow::mnuExit_Click);
    // The promotion links and the Help and Donate menus wire themselves.
    connectCommands();
    Form_Load();
}

void TopLevelWindow::buildPromotion(const Promotion::PanelDesign &panel, const QRect &banner,
                                    const QCursor &bannerPointer)
{
    const Promotion::Panel promotion = Promotion::panel(centralWidget(), panel);
    fraFullBrand = promotion.fraFullBrand;
    lblFullBrand = promotion.lblFullBrand;
    lblCobrand = promotion.lblCobrand;
    Label61 = Promotion::banner(centralWidget(), banner, bannerPointer);
}

FileDialogRequest TopLevelWindow::readingFileRequest(FileDialogRequest::Mode mode, const QString &purpose,
                                                     const QString &filter)
{
    const QString name = Identity::name();
    return {mode, name, name + QStringLiteral(": ") + purpose, filter, QStringLiteral("grn")};
}

void TopLevelWindow::mnuExit_Click() { close(); }

void TopLevelWindow::Form_Unload() { m_root.unloaded(*this); }

void TopLevelWindow::closeEvent(QCloseEvent *event)
{
    // A close is never refused.
    event->accept();
    Form_Unload();
}
