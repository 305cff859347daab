// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/ReadingPrintout.h"

#include "assets/Assets.h"
#include "widgets/Look.h"

#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace {

using ReadingSummary::Summary;

const QColor Ink(0x1A, 0x1A, 0x1A);
const QColor Quiet(0x5C, 0x5C, 0x5C);
const QColor Hairline(0xB4, 0xB4, 0xB4);
const QColor NameInk(0x6A, 0x35, 0x82);
// The result window's cyan and green, dark enough to read on white.
const QColor LifePathInk(0x00, 0x68, 0x72);
const QColor DestinyInk(0x1D, 0x6B, 0x1D);

// Lengths in the device's own pixels, from points and millimetres.
struct Scale
{
    qreal dpi = 72.0;
    qreal pt(qreal points) const { return points * dpi / 72.0; }
    qreal mm(qreal millimetres) const { return millimetres * dpi / 25.4; }
};

// One paragraph laid out once, for its width on the device it is painted
// on: what is measured is what is painted.
class Paragraph
{
public:
    Paragraph(const QString &text, const QFont &font, QPaintDevice *device, qreal width, const QColor &colour)
        : m_layout(std::make_shared<QTextLayout>(text, font, device))
        , m_colour(colour)
    {
        QTextOption option(Qt::AlignLeft);
        // A name of one endless word still breaks at the margin.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout->setTextOption(option);
        m_layout->beginLayout();
        qreal y = 0;
        for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        m_layout->endLayout();
        m_height = y;
    }

    int lineCount() const { return m_layout->lineCount(); }
    qreal height() const { return m_height; }
    qreal lineHeight(int line) const { return m_layout->lineAt(line).height(); }

    // Lines first to last - 1 (all by default), the first one's top at
    // topLeft.
    void paint(QPainter &painter, QPointF topLeft, int first = 0, int last = -1) const
    {
        if (last < 0)
            last = lineCount();
        if (first >= last)
            return;
        painter.setPen(m_colour);
        const QPointF origin = topLeft - QPointF(0, m_layout->lineAt(first).y());
        for (int i = first; i < last; ++i)
            m_layout->lineAt(i).draw(&painter, origin);
    }

private:
    std::shared_ptr<QTextLayout> m_layout;
    QColor m_colour;
    qreal m_height = 0;
};

// How wide text is on one line of the device, laid out as a Paragraph lays
// it out.
qreal naturalWidth(const QString &text, const QFont &font, QPaintDevice *device)
{
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.naturalTextWidth() : 0;
}

// Pieces that a line may break between and only between (a working's
// steps), as lines of the width: each line holds as many whole pieces as
// fit, joined by blanks. A piece too wide for a line of its own (a long
// word's letter values on narrow paper) is broken after its plus signs.
QStringList linesOfPieces(const QStringList &pieces, const QFont &font, QPaintDevice *device, qreal width)
{
    struct Part
    {
        QString text;
        bool blankBefore;
    };
    QList<Part> parts;
    for (const QString &piece : pieces) {
        const bool blank = !parts.isEmpty();
        if (naturalWidth(piece, font, device) <= width) {
            parts.append({piece, blank});
            continue;
        }
        qsizetype from = 0;
        for (qsizetype plus = piece.indexOf(QLatin1Char('+')); plus >= 0;
             plus = piece.indexOf(QLatin1Char('+'), plus + 1)) {
            parts.append({piece.mid(from, plus + 1 - from), from == 0 && blank});
            from = plus + 1;
        }
        parts.append({piece.mid(from), from == 0 && blank});
    }

    QStringList lines;
    QString line;
    for (const Part &part : parts) {
        if (part.text.isEmpty())
            continue;
        const QString longer = line + (part.blankBefore ? QStringLiteral(" ") : QString()) + part.text;
        if (!line.isEmpty() && naturalWidth(longer, font, device) > width) {
            lines << line;
            line = part.text;
        } else {
            line = line.isEmpty() ? part.text : longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// The smallest part of a page: painted with its top at a given height,
// across the width of the text.
struct Piece
{
    qreal height = 0;
    std::function<void(QPainter &, qreal top)> paint;
};

// Pieces that belong together: kept on one page where they fit on one.
struct Block
{
    QList<Piece> pieces;
    qreal spaceAfter = 0;
    bool keepWithNext = false;   // a heading: not the last thing on a page

    qreal height() const
    {
        qreal total = 0;
        for (const Piece &piece : pieces)
            total += piece.height;
        return total;
    }
};

class Pages
{
public:
    Pages(const Summary &summary, QPagedPaintDevice &device);

    int count() const { return int(m_pages.size()); }
    void paintPage(QPainter &painter, int index) const;

private:
    struct Placed
    {
        int block;
        int piece;
        qreal top;
    };

    QFont font(qreal points, bool bold = false, bool italic = false) const;
    Paragraph paragraph(const QString &text, const QFont &font, qreal width, const QColor &colour) const;
    // Lines broken only between the pieces (linesOfPieces).
    Paragraph paragraph(const QStringList &pieces, const QFont &font, qreal width, const QColor &colour) const;
    // A piece for each line, so that a paragraph taller than a page can break.
    void addLines(Block &block, const Paragraph &paragraph) const;
    Piece space(qreal height) const;
    Piece rule(const QColor &colour, qreal weight, qreal above) const;

    void addHeader(const Summary &summary);
    void addPerson(const Summary &summary);
    void addSide(const ReadingSummary::Side &side, const QColor &colour);
    void addGod(const ReadingSummary::God &god);
    QImage portrait(int entry);

    void paginate();
    // The foot's own words take the left of it; the page number the right.
    qreal footWidth() const { return m_content.width() * 0.7; }

    QPagedPaintDevice &m_device;
    Scale m_scale;
    QRectF m_content;      // where the reading goes, in the painter's coordinates
    qreal m_bodyHeight = 0;  // of m_content, above the foot of the page
    QString m_footer;
    QList<Block> m_blocks;
    QList<QList<Placed>> m_pages;
    QHash<int, QImage> m_portraits;
};

Pages::Pages(const Summary &summary, QPagedPaintDevice &device)
    : m_device(device)
{
    m_scale.dpi = device.logicalDpiY();
    // The painter's origin is the top left of the paper's printable part;
    // the margin is widened to MinimumMargin where the device's is narrower.
    const QPageLayout layout = device.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Point);
    const QRectF paintable = layout.paintRect(QPageLayout::Point);
    const qreal least = ReadingPrintout::MinimumMargin * 72.0 / 25.4;
    const qreal left = qMax<qreal>(0, least - paintable.left());
    const qreal top = qMax<qreal>(0, least - paintable.top());
    const qreal right = qMax<qreal>(0, least - (full.right() - paintable.right()));
    const qreal bottom = qMax<qreal>(0, least - (full.bottom() - paintable.bottom()));
    m_content = QRectF(m_scale.pt(left), m_scale.pt(top), m_scale.pt(paintable.width() - left - right),
                       m_scale.pt(paintable.height() - top - bottom));
    m_footer = summary.title + QStringLiteral(" \u00B7 ") + summary.subtitle;
    const Paragraph foot = paragraph(m_footer, font(8), footWidth(), Quiet);
    m_bodyHeight = m_content.height() - foot.height() - m_scale.mm(6);

    addHeader(summary);
    addPerson(summary);
    addSide(summary.lifePath, LifePathInk);
    addSide(summary.destiny, DestinyInk);
    paginate();
}

QFont Pages::font(qreal points, bool bold, bool italic) const
{
    QFont f = Look::font(points, bold);
    f.setItalic(italic);
    // Outlines as drawn, without the screen's hinting: the paper is fine
    // enough, and line breaks then fall where the measures say.
    f.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: "fi" drawn as one glyph comes out of the PDF as U+FB01,
    // which a search for "file", a copy and a screen reader do not take for
    // the letters. Latin needs no other shaping.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

Paragraph Pages::paragraph(const QString &text, const QFont &f, qreal width, const QColor &colour) const
{
    return Paragraph(text, f, &m_device, width, colour);
}

Paragraph Pages::paragraph(const QStringList &pieces, const QFont &f, qreal width, const QColor &colour) const
{
    // Each line fits, so the layout breaks at the separators alone.
    const QStringList lines = linesOfPieces(pieces, f, &m_device, width);
    return Paragraph(lines.join(QChar(QChar::LineSeparator)), f, &m_device, width, colour);
}

void Pages::addLines(Block &block, const Paragraph &paragraph) const
{
    for (int line = 0; line < paragraph.lineCount(); ++line) {
        block.pieces.append({paragraph.lineHeight(line), [paragraph, line, this](QPainter &painter, qreal top) {
                                 paragraph.paint(painter, QPointF(m_content.left(), top), line, line + 1);
                             }});
    }
}

Piece Pages::space(qreal height) const
{
    return {height, [](QPainter &, qreal) {}};
}

Piece Pages::rule(const QColor &colour, qreal weight, qreal above) const
{
    return {above + weight, [this, colour, weight, above](QPainter &painter, qreal top) {
                const qreal y = top + above + weight / 2;
                painter.setPen(QPen(colour, weight));
                painter.drawLine(QPointF(m_content.left(), y), QPointF(m_content.right(), y));
            }};
}

void Pages::addHeader(const Summary &summary)
{
    const qreal width = m_content.width();
    Block header;
    addLines(header, paragraph(summary.title, font(22, true), width, Ink));
    addLines(header, paragraph(summary.subtitle, font(13), width, Ink));
    header.pieces.append(space(m_scale.pt(4)));
    addLines(header, paragraph(summary.printed, font(9), width, Quiet));
    header.pieces.append(rule(Hairline, m_scale.pt(0.75), m_scale.pt(8)));
    header.spaceAfter = m_scale.pt(12);
    header.keepWithNext = true;
    m_blocks.append(header);
}

void Pages::addPerson(const Summary &summary)
{
    const qreal width = m_content.width();
    Block block;
    block.spaceAfter = m_scale.pt(14);
    if (!summary.person) {
        addLines(block, paragraph(summary.noPerson, font(10, false, true), width, Quiet));
        m_blocks.append(block);
        return;
    }
    // Label and value side by side, a row each.
    const qreal labelWidth = qMin(m_scale.mm(26), width / 3);
    const qreal valueWidth = width - labelWidth;
    const QFont valueFont = font(10.5);
    struct Row
    {
        QString label;
        Paragraph value;
        bool below;   // under its label, across the whole width
    };
    // The name and the date break at their blanks; a working only between
    // its whole steps. A step too wide for the column beside the label (a
    // long word of the name on small paper) has the whole width under it.
    const auto working = [&](const QString &label, const QStringList &pieces) {
        const bool fits = std::all_of(pieces.cbegin(), pieces.cend(), [&](const QString &piece) {
            return naturalWidth(piece, valueFont, &m_device) <= valueWidth;
        });
        return Row{label, paragraph(pieces, valueFont, fits ? valueWidth : width, Ink), !fits};
    };
    const Row rows[] = {
        {QStringLiteral("Name"), paragraph(summary.person->name, valueFont, valueWidth, Ink), false},
        {QStringLiteral("Born"), paragraph(summary.person->birthDate, valueFont, valueWidth, Ink), false},
        working(QStringLiteral("Life Path"), summary.person->lifePathWorking),
        working(QStringLiteral("Destiny"), summary.person->destinyWorking),
    };
    for (const Row &row : rows) {
        const Paragraph left = paragraph(row.label, font(10, true), labelWidth, Quiet);
        const qreal gap = m_scale.pt(4);
        const qreal height = row.below ? left.height() + row.value.height() : qMax(left.height(), row.value.height());
        block.pieces.append({height + gap, [this, left, row, labelWidth](QPainter &painter, qreal top) {
                                 left.paint(painter, QPointF(m_content.left(), top));
                                 if (row.below)
                                     row.value.paint(painter, QPointF(m_content.left(), top + left.height()));
                                 else
                                     row.value.paint(painter, QPointF(m_content.left() + labelWidth, top));
                             }});
    }
    m_blocks.append(block);
}

void Pages::addSide(const ReadingSummary::Side &side, const QColor &colour)
{
    const qreal width = m_content.width();
    Block heading;
    heading.pieces.append(rule(colour, m_scale.pt(1.5), 0));
    heading.pieces.append(space(m_scale.pt(6)));
    addLines(heading, paragraph(side.caption, font(15, true), width, colour));
    heading.pieces.append(space(m_scale.pt(4)));
    // Only the numbers with gods have an interpretation; a side without
    // says so rather than leaving a gap.
    const QString about = side.gods.isEmpty() ? side.nothingToShow : side.interpretation;
    addLines(heading, paragraph(about, font(10.5, false, side.gods.isEmpty()), width, Ink));
    heading.spaceAfter = m_scale.pt(side.gods.isEmpty() ? 18 : 12);
    heading.keepWithNext = !side.gods.isEmpty();
    m_blocks.append(heading);
    for (const ReadingSummary::God &god : side.gods)
        addGod(god);
    if (!side.gods.isEmpty())
        m_blocks.last().spaceAfter = m_scale.pt(18);
}

QImage Pages::portrait(int entry)
{
    // One image a portrait: drawn twice (Aphrodite Pandemos shows
    // Aphrodite's), it is stored once in a PDF.
    if (!m_portraits.contains(entry))
        m_portraits.insert(entry, Assets::printPortrait(entry));
    return m_portraits.value(entry);
}

void Pages::addGod(const ReadingSummary::God &god)
{
    const qreal width = m_content.width();
    const QImage picture = god.portraitEntry != 0 ? portrait(god.portraitEntry) : QImage();
    const qreal size = std::min({m_scale.dpi * ReadingPrintout::PortraitInches, width / 4, m_bodyHeight / 2});
    const qreal gap = m_scale.mm(6);
    const qreal textWidth = width - size - gap;

    // The text column, a row a line; the gap after a line goes with it.
    struct Row
    {
        Paragraph paragraph;
        int line;
        qreal height;
    };
    QList<Row> rows;
    const auto addRows = [&](const Paragraph &p, qreal gapAfter) {
        for (int line = 0; line < p.lineCount(); ++line)
            rows.append({p, line, p.lineHeight(line) + (line + 1 == p.lineCount() ? gapAfter : 0)});
    };
    addRows(paragraph(god.name, font(12, true), textWidth, NameInk), m_scale.pt(3));
    for (const QString &text : god.description.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        addRows(paragraph(text, font(10), textWidth, Ink), m_scale.pt(5));

    const qreal x = size + gap;
    const auto paintRows = [this, x](QPainter &painter, qreal top, const QList<Row> &some) {
        for (const Row &row : some) {
            row.paragraph.paint(painter, QPointF(m_content.left() + x, top), row.line, row.line + 1);
            top += row.height;
        }
    };

    // The portrait at the left with the lines beside it, as one piece; the
    // lines below its foot, if any, one piece each, so that on small paper
    // a long description can run on to the next page.
    QList<Row> beside;
    qreal besideHeight = 0;
    while (!rows.isEmpty() && besideHeight < size) {
        besideHeight += rows.constFirst().height;
        beside.append(rows.takeFirst());
    }
    Block block;
    block.spaceAfter = m_scale.pt(14);
    block.pieces.append({qMax(size, besideHeight), [=, this](QPainter &painter, qreal top) {
                             if (!picture.isNull()) {
                                 const QRectF where(m_content.left(), top, size, size);
                                 painter.drawImage(where, picture);
                                 painter.setPen(QPen(Hairline, size / 150));
                                 painter.setBrush(Qt::NoBrush);
                                 painter.drawRect(where);
                             }
                             paintRows(painter, top, beside);
                         }});
    for (const Row &row : rows)
        block.pieces.append({row.height, [=](QPainter &painter, qreal top) { paintRows(painter, top, {row}); }});
    m_blocks.append(block);
}

void Pages::paginate()
{
    m_pages = {QList<Placed>()};
    qreal y = 0;
    const auto newPage = [&] {
        m_pages.append(QList<Placed>());
        y = 0;
    };
    bool headed = false;   // the block before is a heading on this page
    for (int b = 0; b < m_blocks.size(); ++b) {
        const Block &block = m_blocks.at(b);
        qreal needed = block.height();
        // A heading goes with what it heads: all of it where both fit on a
        // page, else at least its first piece.
        if (block.keepWithNext && b + 1 < m_blocks.size()) {
            const Block &next = m_blocks.at(b + 1);
            needed += block.spaceAfter
                      + (needed + block.spaceAfter + next.height() <= m_bodyHeight ? next.height()
                                                                                    : next.pieces.constFirst().height);
        }
        // A block starts a new page rather than break, where it fits on one;
        // not right under its heading, which has made room for it already.
        if (y > 0 && !headed && y + needed > m_bodyHeight && needed <= m_bodyHeight)
            newPage();
        else if (y > 0 && !headed && y + block.height() > m_bodyHeight && block.height() <= m_bodyHeight)
            newPage();
        for (int p = 0; p < block.pieces.size(); ++p) {
            const qreal height = block.pieces.at(p).height;
            // A piece taller than a whole page is painted all the same,
            // cut off at the foot, rather than never.
            if (y > 0 && y + height > m_bodyHeight)
                newPage();
            m_pages.last().append({b, p, y});
            y += height;
        }
        y += block.spaceAfter;
        headed = block.keepWithNext;
    }
}

void Pages::paintPage(QPainter &painter, int index) const
{
    painter.save();
    painter.setClipRect(m_content.adjusted(0, 0, 0, m_scale.mm(2)));
    for (const Placed &placed : m_pages.at(index))
        m_blocks.at(placed.block).pieces.at(placed.piece).paint(painter, m_content.top() + placed.top);

    // The foot: what this is, and which page of how many.
    const QFont footFont = font(8);
    const Paragraph what = paragraph(m_footer, footFont, footWidth(), Quiet);
    const QString pageText = QStringLiteral("Page %1 of %2").arg(index + 1).arg(count());
    const qreal footTop = m_content.bottom() - what.height();
    painter.setPen(QPen(Hairline, m_scale.pt(0.5)));
    painter.drawLine(QPointF(m_content.left(), footTop - m_scale.mm(2)),
                     QPointF(m_content.right(), footTop - m_scale.mm(2)));
    what.paint(painter, QPointF(m_content.left(), footTop));
    painter.setFont(QFont(footFont, &m_device));
    painter.setPen(Quiet);
    painter.drawText(QRectF(m_content.left(), footTop, m_content.width(), what.height()),
                     Qt::AlignRight | Qt::AlignTop, pageText);
    painter.restore();
}

// Paints the pages in order (1-based numbers, repeated for copies).
int paintPages(QPagedPaintDevice &device, const Pages &pages, const QList<int> &order)
{
    QPainter painter;
    if (order.isEmpty() || !painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int painted = 0;
    for (int page : order) {
        if (painted > 0 && !device.newPage())
            break;
        pages.paintPage(painter, page - 1);
        ++painted;
    }
    return painter.end() ? painted : 0;
}

QList<int> chosenPages(const QPagedPaintDevice &device, int count)
{
    const QPageRanges ranges = device.pageRanges();
    QList<int> chosen;
    for (int page = 1; page <= count; ++page) {
        if (ranges.isEmpty() || ranges.contains(page))
            chosen.append(page);
    }
    return chosen;
}

} // namespace

ReadingPrintout::ReadingPrintout(ReadingSummary::Summary summary)
    : m_summary(std::move(summary))
{
}

int ReadingPrintout::pageCount(QPagedPaintDevice &device) const
{
    return Pages(m_summary, device).count();
}

int ReadingPrintout::paint(QPagedPaintDevice &device) const
{
    const Pages pages(m_summary, device);
    return paintPages(device, pages, chosenPages(device, pages.count()));
}

int ReadingPrintout::print(QPrinter &printer) const
{
    const Pages pages(m_summary, printer);
    const QList<int> chosen = chosenPages(printer, pages.count());
    // A PDF file, or a printer without copies of its own, gets each copy
    // painted: the whole reading again, or each page so many times.
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    QList<int> order;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            order += chosen;
    } else {
        for (int page : chosen)
            order += QList<int>(copies, page);
    }
    return paintPages(printer, pages, order);
}
