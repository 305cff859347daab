// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The base of every text interface the program offers: the words, lines and
// sentences around an offset come from TextBoundaries, never from Qt 6.4's
// defaults, which hang at the end of a text. An offset of -2 is the cursor.
//
// The text attributes are answered here too, as one run over the whole
// text. Qt 6.4's line edit answers an empty run at each offset ("from 5 to
// 5"); Orca walks the runs to split what it reads by language, takes each
// run's end as the end of the text read, and so drops the last character of
// a selection it reads ("John Smit selected").

#include "widgets/accessible/qt64/TextBoundaries.h"

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
    // No attributes, and one run from the start of the text to its end.
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    // The lines as shown, where the text wraps; empty for lines ended only
    // by line feeds.
    virtual TextBoundaries::Lines shownLines() const { return {}; }

private:
    QString wholeText() const { return text(0, characterCount()); }
    int resolved(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};
