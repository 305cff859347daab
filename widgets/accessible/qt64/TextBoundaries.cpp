// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/TextBoundaries.h"

#include <QTextBoundaryFinder>

namespace TextBoundaries {

namespace {

// Spans between consecutive boundaries of the finder, walked forward from
// the start only: a walk that ends when the finder says -1 cannot hang.
QList<Span> finderSpans(const QString &text, QTextBoundaryFinder::BoundaryType type)
{
    QList<Span> result;
    QTextBoundaryFinder finder(type, text);
    int from = 0;
    for (int to = finder.toNextBoundary(); to > from; to = finder.toNextBoundary()) {
        result.append({from, to});
        from = to;
    }
    return result;
}

QList<Span> wordSpans(const QString &text)
{
    QList<Span> result;
    const int size = int(text.size());
    int i = 0;
    while (i < size) {
        while (i < size && text.at(i).isSpace())
            ++i;
        const int start = i;
        while (i < size && !text.at(i).isSpace())
            ++i;
        if (i > start)
            result.append({start, i});
    }
    return result;
}

// Lines end after their line feed; a text without one is one line.
QList<Span> lineSpans(const QString &text)
{
    QList<Span> result;
    const int size = int(text.size());
    int start = 0;
    while (start < size) {
        const int feed = int(text.indexOf(QChar::LineFeed, start));
        const int end = feed < 0 ? size : feed + 1;
        result.append({start, end});
        start = end;
    }
    return result;
}

void clear(int *start, int *end)
{
    *start = *end = -1;
}

// Where the answers begin: the offset as asked, -1 read as the text's end;
// -2 (the cursor) is the caller's to resolve. False when outside the text.
bool normalise(const QString &text, int &offset)
{
    if (offset == -1)
        offset = int(text.size());
    return offset >= 0 && offset <= text.size();
}

// The span holding offset; at the end of a span that no other span starts
// at, that one: a caret after the last letter of a word is at that word.
// An empty span at offset where none touches it (white space between words).
Span spanAt(const QList<Span> &all, int offset)
{
    for (const Span &s : all) {
        if (s.start <= offset && offset < s.end)
            return s;
    }
    for (const Span &s : all) {
        if (s.end == offset)
            return s;
    }
    return {offset, offset};
}

// Where an answer before or after offset is measured from: the span at it,
// or nothing at the end of the text for characters.
Span anchorAt(const QString &text, const QList<Span> &all, int offset, QAccessible::TextBoundaryType boundary)
{
    if (boundary == QAccessible::CharBoundary && offset == text.size())
        return {offset, offset};
    return spanAt(all, offset);
}

QString answer(const QString &text, const Span &s, int *start, int *end)
{
    *start = s.start;
    *end = s.end;
    return text.mid(s.start, s.end - s.start);
}

} // namespace

QString slice(const QString &text, int startOffset, int endOffset)
{
    const int size = int(text.size());
    startOffset = qBound(0, startOffset, size);
    endOffset = endOffset < 0 ? size : qBound(startOffset, endOffset, size);
    return text.mid(startOffset, endOffset - startOffset);
}

QList<Span> spans(const QString &text, QAccessible::TextBoundaryType boundary, const Lines &lines)
{
    switch (boundary) {
    case QAccessible::CharBoundary:
        return finderSpans(text, QTextBoundaryFinder::Grapheme);
    case QAccessible::WordBoundary:
        return wordSpans(text);
    case QAccessible::SentenceBoundary:
        return finderSpans(text, QTextBoundaryFinder::Sentence);
    case QAccessible::LineBoundary:
        return lines.isEmpty() ? lineSpans(text) : lines;
    case QAccessible::ParagraphBoundary:
        return lineSpans(text);
    case QAccessible::NoBoundary:
        break;
    }
    if (text.isEmpty())
        return {};
    return {{0, int(text.size())}};
}

Span attributeRun(int length, int offset)
{
    if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length)
        return {-1, -1};
    return {0, length};
}

QString textAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary, int *start, int *end,
               const Lines &lines)
{
    if (!normalise(text, offset)) {
        clear(start, end);
        return {};
    }
    return answer(text, anchorAt(text, spans(text, boundary, lines), offset, boundary), start, end);
}

QString textBefore(const QString &text, int offset, QAccessible::TextBoundaryType boundary, int *start,
                   int *end, const Lines &lines)
{
    if (!normalise(text, offset)) {
        clear(start, end);
        return {};
    }
    const QList<Span> all = spans(text, boundary, lines);
    const Span here = anchorAt(text, all, offset, boundary);
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (it->end <= here.start && it->start < here.start)
            return answer(text, *it, start, end);
    }
    clear(start, end);
    return {};
}

QString textAfter(const QString &text, int offset, QAccessible::TextBoundaryType boundary, int *start,
                  int *end, const Lines &lines)
{
    if (!normalise(text, offset)) {
        clear(start, end);
        return {};
    }
    const QList<Span> all = spans(text, boundary, lines);
    const Span here = anchorAt(text, all, offset, boundary);
    for (const Span &s : all) {
        if (s.start >= here.end && s.end > here.end)
            return answer(text, s, start, end);
    }
    clear(start, end);
    return {};
}

} // namespace TextBoundaries
