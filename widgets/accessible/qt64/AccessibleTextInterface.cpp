// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleTextInterface.h"

QString AccessibleTextInterface::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                  int *startOffset, int *endOffset) const
{
    return TextBoundaries::textBefore(wholeText(), resolved(offset), boundaryType, startOffset, endOffset,
                                      shownLines());
}

QString AccessibleTextInterface::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                 int *startOffset, int *endOffset) const
{
    return TextBoundaries::textAfter(wholeText(), resolved(offset), boundaryType, startOffset, endOffset,
                                     shownLines());
}

QString AccessibleTextInterface::attributes(int offset, int *startOffset, int *endOffset) const
{
    const TextBoundaries::Span run = TextBoundaries::attributeRun(characterCount(), resolved(offset));
    *startOffset = run.start;
    *endOffset = run.end;
    return {};
}

QString AccessibleTextInterface::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int *startOffset, int *endOffset) const
{
    return TextBoundaries::textAt(wholeText(), resolved(offset), boundaryType, startOffset, endOffset,
                                  shownLines());
}
