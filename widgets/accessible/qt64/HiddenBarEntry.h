// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4 counts a hidden entry of a menu bar among the bar's entries for
// assistive technology: Orca says "Donate, 3 of 4" on a bar that shows
// three. So an entry that may be hidden is on the bar only while it shows.
// This can go once the menu bar check of tst_textsweep's
// unseenControlsAreNeitherShownNorCounted passes with the entry added to
// the bar hidden.

class QAction;
class QMenuBar;

namespace HiddenBarEntry {

// Puts action at the end of bar whenever it is shown, and takes it off
// whenever it is hidden.
void addWhileShown(QMenuBar *bar, QAction *action);

} // namespace HiddenBarEntry
