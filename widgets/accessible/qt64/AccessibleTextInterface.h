// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt 6.4's default answers for the word, line or sentence around an offset
// hang at the end of a text (TextBoundaries.h), and its line edit answers an
// empty run of text attributes at each offset ("from 5 to 5"). This can go
// once tst_textsweep's everyQuestionIsAnswered and attributeRuns,
// e2e_a11y_sweep and the step "the Name box, selected" of e2e_screen_reader
// pass with Qt's own text interfaces.
//
// The base of every text interface the program offers: the words, lines and
// sentences around an offset come from TextBoundaries, never from Qt's
// defaults. An offset of -2 is the cursor. The text attributes are one run
// over the whole text: Orca walks the runs to split what it reads by
// language, takes each run's end as the end of the text read, and with
// Qt's runs drops the last character of a selection it reads ("John Smit
// selected").

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
