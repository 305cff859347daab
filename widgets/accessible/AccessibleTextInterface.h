// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The base of every text interface the program offers: the words, lines and
// sentences around an offset come from TextBoundaries, never from Qt 6.4's
// defaults, which hang at the end of a text. An offset of -2 is the cursor.

#include "TextBoundaries.h"

#include <QAccessible>

class AccessibleTextInterface : public QAccessibleTextInterface
{
public:
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;

protected:
    // The lines as shown, where the text wraps; empty for lines ended only
    // by line feeds.
    virtual TextBoundaries::Lines shownLines() const { return {}; }

private:
    QString wholeText() const { return text(0, characterCount()); }
    int resolved(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};
