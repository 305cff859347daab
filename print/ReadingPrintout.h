// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A reading on paper: what ReadingSummary gathers, set on the pages of any
// paged device, a printer or a PDF writer alike, so that what the tests read
// from a PDF is what a printer gets. The device's paper and margins are
// kept (with a margin of at least MinimumMargin), every page says "Page n of
// m" at its foot, text stays text, and each god's block (portrait at the
// left, name and description at the right) keeps to one page where it fits.

#include "core/ReadingSummary.h"

class QPagedPaintDevice;
class QPrinter;

class ReadingPrintout
{
public:
    explicit ReadingPrintout(ReadingSummary::Summary summary);

    // The margin kept on every side where the device's own is narrower, in
    // millimetres: a PDF writer's or a borderless printer's can be 0.
    static constexpr qreal MinimumMargin = 18.0;
    // How wide a portrait is printed, in inches: the print portraits are 300
    // pixels wide, so 300 dots to the inch.
    static constexpr qreal PortraitInches = 1.0;

    // Pages the reading takes on the device's paper.
    int pageCount(QPagedPaintDevice &device) const;

    // Paints the reading onto the device, from its current page on: every
    // page, or those of the device's page ranges when it has any. The number
    // of pages painted; 0 when the device cannot be painted on.
    int paint(QPagedPaintDevice &device) const;

    // Paints onto a printer set up by the print dialog: its pages, and each
    // copy asked for where the printer does not make the copies itself. The
    // number of pages painted; 0 on failure.
    int print(QPrinter &printer) const;

    const ReadingSummary::Summary &summary() const { return m_summary; }

private:
    ReadingSummary::Summary m_summary;
};
