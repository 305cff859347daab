// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on a scaled screen. The test binary runs once per scale factor
// (QT_SCALE_FACTOR, or QT_FONT_DPI, is read when the application starts): no
// caption may be clipped by its control or its container, whatever the
// reading shown, every frame shows all four of its sides, the control with
// the keyboard focus is ringed so that it can be seen, and pictures and
// pointers come from renderings large enough for the screen.

#include "tests/common/FakeDesktop.h"
#include "tests/common/TestRoot.h"
#include "tests/windows/WindowTestSupport.h"

#include "widgets/LinkLabel.h"
#include "windows/about/frmAbout.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <QAbstractScrollArea>

#include <cmath>
#include <memory>

using namespace WindowTest;
namespace gn = modGreekNumerology;

namespace {

// Room the text needs when laid out in `box` with `flags`, in whole and in
// fractional logical pixels; with fractional scale factors the two can round
// apart, and the text has to fit either way.
bool fits(const QFont &font, const QRect &box, int flags, const QString &text, QString *why)
{
    const QRect whole = QFontMetrics(font).boundingRect(box, flags, text);
    const QRectF exact = QFontMetricsF(font).boundingRect(QRectF(box), flags, text);
    // A hundredth of a pixel is rounding noise, not a clipped glyph.
    const QRectF room = QRectF(box).adjusted(-0.01, -0.01, 0.01, 0.01);
    if (box.contains(whole) && room.contains(exact))
        return true;
    if (why)
        *why = QStringLiteral("needs %1x%2 (%3x%4) at %5,%6 in %7x%8 at %9,%10")
                   .arg(whole.width()).arg(whole.height())
                   .arg(exact.width(), 0, 'f', 2).arg(exact.height(), 0, 'f', 2)
                   .arg(whole.x()).arg(whole.y())
                   .arg(box.width()).arg(box.height()).arg(box.x()).arg(box.y());
    return false;
}

// What the painter actually puts down at this device pixel ratio, glyph
// overhangs and all, for text laid out in `box`: no clearly inked device
// pixel may fall outside `clip`, where the control would cut it off.
bool inkFits(const QFont &font, const QRect &box, const QRect &clip, int flags, const QString &text, qreal ratio,
             QString *why)
{
    constexpr int Margin = 8;   // logical pixels around the box, whole device pixels at 1.25, 1.5 and 2
    QImage canvas((QSizeF(clip.size() + QSize(2 * Margin, 2 * Margin)) * ratio).toSize(),
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    canvas.setDevicePixelRatio(ratio);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QPoint offset = QPoint(Margin, Margin) - clip.topLeft();
        painter.drawText(box.translated(offset), flags | Qt::TextDontClip, text);
    }
    const QRect inside(qRound(Margin * ratio), qRound(Margin * ratio), qRound(clip.width() * ratio),
                       qRound(clip.height() * ratio));
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) > 96 && !inside.contains(x, y)) {
                if (why)
                    *why = QStringLiteral("ink at device pixel %1,%2 outside %3x%4").arg(x - inside.x())
                               .arg(y - inside.y()).arg(inside.width()).arg(inside.height());
                return false;
            }
    return true;
}

// Every caption in the window, checked against the rectangle it is drawn in;
// returns one line per clipped caption.
QStringList clippedCaptions(QWidget *window)
{
    QStringList clipped;
    QString why;
    const auto report = [&](QWidget *w, const QString &text) {
        clipped << QStringLiteral("%1 \"%2\": %3").arg(w->objectName(), text.left(40), why);
    };

    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        int flags = int(label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        if (label->buddy())
            flags |= Qt::TextShowMnemonic;
        const QRect box = label->contentsRect();
        if (!fits(label->font(), box, flags, label->text(), &why)
            || !inkFits(label->font(), box, label->rect(), flags, label->text(), label->devicePixelRatioF(), &why)) {
            report(label, label->text());
            continue;
        }
        // Nor may the container cut off what the label itself has room for.
        const QRect text = QFontMetrics(label->font()).boundingRect(box, flags, label->text());
        const QRect inParent = text.translated(label->pos());
        QWidget *parent = label->parentWidget();
        if (!parent->rect().contains(inParent)) {
            why = QStringLiteral("leaves its container %1").arg(parent->objectName());
            report(label, label->text());
        }
    }

    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(window))
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!fits(button->font(), box, flags, button->text(), &why)
            || !inkFits(button->font(), box, box, flags, button->text(), button->devicePixelRatioF(), &why))
            report(button, button->text());
    }

    for (QComboBox *list : window->findChildren<QComboBox *>()) {
        if (!list->isVisibleTo(window))
            continue;
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = list->hasFrame();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        // The style lays the entry out a pixel in from either side of the
        // field, and cuts it off at the field.
        const QRect box = field.adjusted(1, 0, -1, 0);
        for (int i = 0; i < list->count(); ++i)
            if (!fits(list->font(), box, Qt::AlignLeft | Qt::AlignVCenter, list->itemText(i), &why)
                || !inkFits(list->font(), box, field, Qt::AlignLeft | Qt::AlignVCenter, list->itemText(i),
                            list->devicePixelRatioF(), &why))
                report(list, list->itemText(i));
    }

    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        if (!frame->isVisibleTo(window) || frame->title().isEmpty())
            continue;
        // The caption is painted by hand from a small indent, with a little
        // padding either side.
        const QRect box(8, 0, frame->width() - 8, frame->height());
        if (!fits(frame->font(), box, Qt::AlignLeft | Qt::AlignTop, frame->title() + QStringLiteral("  "), &why))
            report(frame, frame->title());
    }
    return clipped;
}

// Where a widget's pixels lie in a picture of its window: Qt rounds each
// corner of the widget to the nearest device pixel.
QRect deviceArea(const QWidget *w, qreal ratio)
{
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    const QPoint topLeft = (QPointF(at) * ratio).toPoint();
    const QPoint bottomRight = (QPointF(at + QPoint(w->width(), w->height())) * ratio).toPoint();
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

// What the window shows, one pixel per device pixel.
QImage pictureOf(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Relative luminance and contrast ratio as WCAG 2 defines them.
double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QString hex(QRgb colour) { return QColor(colour).name(); }

// Pixels of `row` (or column) from `from` to `to` that are not `colour`.
QString strayPixels(const QImage &picture, bool horizontal, int line, int from, int to, QRgb colour)
{
    QStringList stray;
    for (int i = from; i <= to; ++i) {
        const QPoint at = horizontal ? QPoint(i, line) : QPoint(line, i);
        if (picture.pixel(at) != colour && stray.size() < 4)
            stray << QStringLiteral("%1 at %2,%3").arg(hex(picture.pixel(at))).arg(at.x()).arg(at.y());
    }
    return stray.join(QStringLiteral(", "));
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void mainWindowCaptionsFit();
    void resultCaptionsFitForEveryGod_data();
    void resultCaptionsFitForEveryGod();
    void aboutCaptionsFit();
    void framesShowAllFourSides_data();
    void framesShowAllFourSides();
    void focusRingStandsOut_data();
    void focusRingStandsOut();
    void geometryIsInLogicalPixels();
    void portraitsAreDrawnForTheScreen();
    void aboutIconIsDrawnForTheScreen();
    void handPointerFollowsTheScreen_data();
    void handPointerFollowsTheScreen();

private:
    // The window a row names, shown and active; `keep` holds an About window.
    static QWidget *openWindow(const QString &window, std::unique_ptr<frmAbout> &keep);

    qreal m_ratio = 1.0;
};

QWidget *TestHighDpi::openWindow(const QString &window, std::unique_ptr<frmAbout> &keep)
{
    QWidget *w = nullptr;
    if (window == QLatin1String("main")) {
        w = new frmMain(testRoot(), testRoot().dialogs());
    } else if (window == QLatin1String("result")) {
        gn::LifePathNumber = 6;
        gn::DestinyNumber = 8;
        w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    } else {
        keep = std::make_unique<frmAbout>();
        w = keep.get();
    }
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    return w;
}

void TestHighDpi::initTestCase()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    const QByteArray dpi = qgetenv("QT_FONT_DPI");
    m_ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    qInfo("scale factor %s, font dpi %s, device pixel ratio %.2f", factor.isEmpty() ? "unset" : factor.constData(),
          dpi.isEmpty() ? "unset" : dpi.constData(), m_ratio);
    if (!factor.isEmpty())
        QCOMPARE(m_ratio, factor.toDouble());
    // A screen of 120 or 144 dots to the inch is one at 125 % or 150 %.
    if (!dpi.isEmpty())
        QCOMPARE(m_ratio, dpi.toDouble() / 96.0);
}

void TestHighDpi::cleanup() { disposeAll(); }

void TestHighDpi::mainWindowCaptionsFit()
{
    FakeDesktop fake;
    auto *w = new frmMain(testRoot(), testRoot().dialogs());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->devicePixelRatioF(), m_ratio);

    const QStringList clipped = clippedCaptions(w);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void TestHighDpi::resultCaptionsFitForEveryGod_data()
{
    QTest::addColumn<qint16>("number");
    // Every number with gods, and the numbers of an empty side.
    for (qint16 n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 22})
        QTest::addRow("%d", int(n)) << n;
}

void TestHighDpi::resultCaptionsFitForEveryGod()
{
    QFETCH(qint16, number);
    FakeDesktop fake;
    gn::LifePathNumber = number;
    gn::DestinyNumber = number;
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));

    const qsizetype gods = gn::godsOf(number).size();
    for (qsizetype i = 0; i < qMax<qsizetype>(gods, 1); ++i) {
        const QStringList clipped = clippedCaptions(w);
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("god %1:\n").arg(i) + clipped.join(QLatin1Char('\n'))));
        // The god's name ends at the portrait and never runs into the heading.
        for (auto [name, heading] : {std::pair{w->lblLP[1], w->lblLP[4]}, std::pair{w->lblD[1], w->lblD[3]}}) {
            if (name->text().isEmpty())
                continue;
            QVERIFY2(!name->geometry().intersects(heading->geometry()), qPrintable(name->text()));
            QVERIFY(name->geometry().right() < w->imgLP->geometry().left());
        }
        w->cmdNextLP->click();
        w->cmdNextD->click();
    }
}

void TestHighDpi::aboutCaptionsFit()
{
    FakeDesktop fake;
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QStringList clipped = clippedCaptions(&about);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void TestHighDpi::framesShowAllFourSides_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("frame");

    QTest::newRow("main, promotion panel") << "main" << "fraFullBrand";
    QTest::newRow("main, Personal Details") << "main" << "fraDetails";
    QTest::newRow("result, promotion panel") << "result" << "fraFullBrand";
}

void TestHighDpi::framesShowAllFourSides()
{
    QFETCH(QString, window);
    QFETCH(QString, frame);
    FakeDesktop fake;
    std::unique_ptr<frmAbout> about;
    QWidget *w = openWindow(window, about);
    QVERIFY(w);
    auto *box = w->findChild<QGroupBox *>(frame);
    QVERIFY(box);
    const QImage picture = pictureOf(w);
    const QRect area = deviceArea(box, m_ratio);
    QVERIFY(picture.rect().contains(area));
    // The frames' thin border.
    const QRgb grey = qRgb(0x80, 0x80, 0x80);

    // Each side is an unbroken line of the border's grey within the
    // frame's outermost logical pixel, meeting the two sides beside it; the
    // top of a frame with a caption runs through the caption's middle,
    // either side of the caption.
    const int depth = qCeil(m_ratio);
    const auto lineWithin = [&](bool horizontal, int outer, int inward, int from, int to) {
        for (int i = 0; i < depth; ++i)
            if (strayPixels(picture, horizontal, outer + i * inward, from, to, grey).isEmpty())
                return outer + i * inward;
        return -1;
    };
    const int captionHeight = box->title().isEmpty() ? 0 : qCeil(QFontMetrics(box->font()).height() * m_ratio);
    // The sides first, away from the corners.
    const int middleTop = area.top() + captionHeight + depth;
    const int middleBottom = area.bottom() - depth;
    const int left = lineWithin(false, area.left(), 1, middleTop, middleBottom);
    QVERIFY2(left >= 0, qPrintable(QStringLiteral("left side: ")
                                   + strayPixels(picture, false, area.left(), middleTop, middleBottom, grey)));
    const int right = lineWithin(false, area.right(), -1, middleTop, middleBottom);
    QVERIFY2(right >= 0, qPrintable(QStringLiteral("right side: ")
                                    + strayPixels(picture, false, area.right(), middleTop, middleBottom, grey)));
    const int bottom = lineWithin(true, area.bottom(), -1, left, right);
    QVERIFY2(bottom >= 0, qPrintable(QStringLiteral("bottom side: ")
                                     + strayPixels(picture, true, area.bottom(), left, right, grey)));
    int top = -1;
    if (box->title().isEmpty()) {
        top = lineWithin(true, area.top(), 1, left, right);
        QVERIFY2(top >= 0, qPrintable(QStringLiteral("top side: ")
                                      + strayPixels(picture, true, area.top(), left, right, grey)));
    } else {
        const QFontMetrics metrics(box->font());
        const int captionStart = area.left() + qFloor(8 * m_ratio) - 1;
        const int captionEnd = area.left() + qCeil((8 + metrics.horizontalAdvance(box->title()) + 4) * m_ratio) + 1;
        for (int y = area.top(); y < area.top() + captionHeight && top < 0; ++y)
            if (strayPixels(picture, true, y, left, captionStart, grey).isEmpty()
                && strayPixels(picture, true, y, captionEnd, right, grey).isEmpty())
                top = y;
        QVERIFY2(top >= 0, "no top side either side of the caption");
    }
    // The sides reach up to the top and down to the bottom.
    for (int x : {left, right}) {
        const QString stray = strayPixels(picture, false, x, top, bottom, grey);
        QVERIFY2(stray.isEmpty(), qPrintable(QStringLiteral("side from top to bottom: ") + stray));
    }
}

void TestHighDpi::focusRingStandsOut_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");

    // Every control that takes the keyboard.
    for (const char *control : {"txtName", "cboMonth", "cboDate", "cboYear", "cmdProceed", "cmdOpen"})
        QTest::addRow("main, %s", control) << "main" << control;
    for (const char *control : {"cmdBack", "txtLP", "cmdNextLP", "cmdBackLP", "cmdBackD", "cmdNextD", "txtD", "cmdSave"})
        QTest::addRow("result, %s", control) << "result" << control;
    QTest::newRow("about, cmdOK") << "about" << "cmdOK";
}

void TestHighDpi::focusRingStandsOut()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    FakeDesktop fake;
    std::unique_ptr<frmAbout> about;
    QWidget *w = openWindow(window, about);
    QVERIFY(w);
    auto *target = w->findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);

    const QImage picture = pictureOf(w);
    const QRect area = deviceArea(target, m_ratio);
    // Two logical pixels at least, in whole device pixels.
    const int width = qCeil(2 * m_ratio - 1e-6);
    const QRgb ring = picture.pixel(area.topLeft());

    // One colour all round, on all four sides, the whole width.
    for (int i = 0; i < width; ++i) {
        const QString sides[] = {
            strayPixels(picture, true, area.top() + i, area.left(), area.right(), ring),
            strayPixels(picture, true, area.bottom() - i, area.left(), area.right(), ring),
            strayPixels(picture, false, area.left() + i, area.top(), area.bottom(), ring),
            strayPixels(picture, false, area.right() - i, area.top(), area.bottom(), ring),
        };
        for (const QString &stray : sides)
            QVERIFY2(stray.isEmpty(), qPrintable(QStringLiteral("ring %1 broken %2 in: %3").arg(hex(ring)).arg(i).arg(stray)));
    }

    // Against the control just inside it (its face, or its text field's
    // background) and the window just outside it, at the middle of each
    // side. A text box's right side is its scroll bar.
    const QPoint middle = area.center();
    QList<std::pair<QString, QPoint>> samples = {
        {QStringLiteral("inside, left"), QPoint(area.left() + width, middle.y())},
        {QStringLiteral("inside, top"), QPoint(middle.x(), area.top() + width)},
        {QStringLiteral("inside, bottom"), QPoint(middle.x(), area.bottom() - width)},
        {QStringLiteral("outside, left"), QPoint(area.left() - 1, middle.y())},
        {QStringLiteral("outside, right"), QPoint(area.right() + 1, middle.y())},
        {QStringLiteral("outside, top"), QPoint(middle.x(), area.top() - 1)},
        {QStringLiteral("outside, bottom"), QPoint(middle.x(), area.bottom() + 1)},
    };
    if (!qobject_cast<QAbstractScrollArea *>(target))
        samples.append({QStringLiteral("inside, right"), QPoint(area.right() - width, middle.y())});
    for (const auto &[where, at] : samples) {
        QVERIFY(picture.rect().contains(at));
        const QRgb next = picture.pixel(at);
        const double ratio = contrast(ring, next);
        QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("ring %1 against %2 %3: %4:1")
                                              .arg(hex(ring), hex(next), where).arg(ratio, 0, 'f', 2)));
    }
}

void TestHighDpi::geometryIsInLogicalPixels()
{
    // The designed sizes hold at every factor; the screen does the scaling.
    FakeDesktop fake;
    auto *main = new frmMain(testRoot(), testRoot().dialogs());
    main->show();
    QCOMPARE(main->centralWidget()->size(), QSize(488, 307));
    QCOMPARE(main->cmdOpen->geometry(), QRect(79, 88, 331, 25));

    frmAbout about;
    QCOMPARE(about.size(), QSize(388, 203));

    gn::LifePathNumber = 1;
    gn::DestinyNumber = 1;
    auto *result = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    result->show();
    QCOMPARE(result->centralWidget()->size(), QSize(615, 391));
    QCOMPARE(result->imgLP->size(), QSize(120, 120));
}

void TestHighDpi::portraitsAreDrawnForTheScreen()
{
    FakeDesktop fake;
    gn::LifePathNumber = 6;
    gn::DestinyNumber = 1;
    auto *w = new frmGreekNumerologyResult(testRoot(), testRoot().dialogs());
    w->show();

    for (QLabel *portrait : {w->imgLP, w->imgD}) {
        const QPixmap shown = portrait->pixmap();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.deviceIndependentSize().toSize(), QSize(120, 120));
        QCOMPARE(shown.size(), QSize(qRound(120 * m_ratio), qRound(120 * m_ratio)));
    }
    // Stepping keeps it so.
    w->cmdNextLP->click();
    QCOMPARE(w->imgLP->pixmap().size(), QSize(qRound(120 * m_ratio), qRound(120 * m_ratio)));
}

void TestHighDpi::aboutIconIsDrawnForTheScreen()
{
    FakeDesktop fake;
    frmAbout about;
    const QPixmap icon = about.picIcon->pixmap();
    QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(about.picIcon->size(), QSize(32, 32));
    // At least as many pixels as the screen shows: never blown up.
    QVERIFY2(icon.width() >= qRound(32 * m_ratio), qPrintable(QString::number(icon.width())));
}

void TestHighDpi::handPointerFollowsTheScreen_data()
{
    QTest::addColumn<Assets::Hand>("variant");
    QTest::newRow("16 colours") << Assets::Hand::SixteenColour;
    QTest::newRow("monochrome") << Assets::Hand::Monochrome;
}

void TestHighDpi::handPointerFollowsTheScreen()
{
    QFETCH(Assets::Hand, variant);

    const QCursor plain = Assets::handCursor(variant, 1.0);
    QCOMPARE(plain.pixmap().size(), QSize(32, 32));
    QCOMPARE(plain.hotSpot(), Assets::handHotSpot());

    // The double-size rendering: the same hand, its fingertip where the hot
    // spot says, with nothing drawn above it.
    const QCursor large = Assets::handCursor(variant, 2.0);
    const QPixmap picture = large.pixmap();
    QCOMPARE(picture.size(), QSize(64, 64));
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(large.hotSpot(), Assets::handHotSpot());
    const QImage image = picture.toImage();
    const QPoint tip = Assets::handHotSpot() * 2;
    QCOMPARE(qAlpha(image.pixel(tip)), 255);
    for (int y = 0; y < tip.y(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);

    // What the windows get on this screen.
    const QCursor shown = Assets::handCursor(variant);
    QCOMPARE(shown.pixmap().size(), m_ratio > 1.0 ? QSize(64, 64) : QSize(32, 32));

    FakeDesktop fake;
    auto *w = new frmMain(testRoot(), testRoot().dialogs());
    const QCursor onLink = w->Label61->cursor();
    QCOMPARE(onLink.pixmap().size(), m_ratio > 1.0 ? QSize(64, 64) : QSize(32, 32));
}

PALLASTRO_WINDOW_TEST_MAIN(TestHighDpi)
#include "tst_hidpi.moc"
