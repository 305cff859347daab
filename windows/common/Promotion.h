// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The promotion both top-level windows carry: the full-brand panel with its
// two overlapping links, and the discussion-board banner. Built and wired
// here once; each window gives only its own geometry and pointers.

#include <QCursor>
#include <QRect>
#include <QString>

class LinkLabel;
class QGroupBox;
class QWidget;

namespace Promotion {

// Caption of lblFullBrand.
QString fullBrandText();
// Caption of lblCobrand.
QString coBrandText();
// Caption of Label61: the discussion-board banner naming the home page's host.
QString bannerText();

struct Panel {
    QGroupBox *fraFullBrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;
};

struct PanelDesign {
    QRect frame;       // on the window's client area
    QRect fullBrand;   // both on the frame
    QRect coBrand;
    QCursor fullBrandPointer;
    QCursor coBrandPointer;
    bool fullBrandInFront;   // the designed front; the main window may redraw it at start-up
};

// fraFullBrand with lblFullBrand and lblCobrand, white on black; the links
// open the full-brand and the co-brand pages.
Panel panel(QWidget *form, const PanelDesign &design);

// Label61: the banner at the top of the window; it opens the home page.
LinkLabel *banner(QWidget *form, const QRect &geometry, const QCursor &pointer);

} // namespace Promotion
