// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures compiled into pallastro_assets: every portrait of the image
// list, the program icon and the two hand pointers, read back from the
// resources exactly as the windows read them.

#include "assets/Assets.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace {

// Largest stored picture the program should carry.
constexpr qint64 MaxPortraitBytes = 20 * 1024;

QByteArray formatByContent(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format();
}

QSet<QRgb> opaqueColours(const QImage &image)
{
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                colours.insert(argb.pixel(x, y));
    return colours;
}

bool hasOnlyHardAlpha(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            if (alpha != 0 && alpha != 255)
                return false;
        }
    return true;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void portrait_data();
    void portrait();
    void printPortraitsShowTheirOwnGod();
    void hestiaIsAGifUnderAJpegKey();
    void entryOutsideTheList_data();
    void entryOutsideTheList();
    void portraitsAreDistinctPictures();
    void programIcon();
    void programIconSizes();
    void hand_data();
    void hand();
    void monochromeHandIsBlackAndWhite();
};

void TestAssets::portrait_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("1 Ares") << 1 << "01_ares.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("2 Artemis") << 2 << "02_artemis.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("3 Hecate") << 3 << "03_hecate.jpg" << QByteArray("jpeg") << QSize(149, 148);
    QTest::newRow("4 Hermes") << 4 << "04_hermes.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("5 Hera") << 5 << "05_hera.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("6 Athena") << 6 << "06_athena.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("7 Zeus") << 7 << "07_zeus.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("8 Poseidon") << 8 << "08_poseidon.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("9 Hades") << 9 << "09_hades.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("10 Demeter") << 10 << "10_demeter.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("11 Hestia") << 11 << "11_hestia.jpg" << QByteArray("gif") << QSize(153, 155);
    QTest::newRow("12 Hephaestus") << 12 << "12_hephaestus.jpg" << QByteArray("jpeg") << QSize(147, 149);
    QTest::newRow("13 Prometheus") << 13 << "13_prometheus.jpg" << QByteArray("jpeg") << QSize(147, 147);
    QTest::newRow("14 Apollo") << 14 << "14_apollo.jpg" << QByteArray("jpeg") << QSize(150, 150);
    QTest::newRow("15 Dionysus") << 15 << "15_dionysus.jpg" << QByteArray("jpeg") << QSize(146, 145);
    QTest::newRow("16 Aphrodite") << 16 << "16_aphrodite.jpg" << QByteArray("jpeg") << QSize(150, 150);
}

void TestAssets::portrait()
{
    QFETCH(int, entry);
    QFETCH(QString, key);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QCOMPARE(Assets::portraitKey(entry), key);
    const QString path = Assets::portraitResourcePath(entry);
    QVERIFY2(path.endsWith(key), qPrintable(path));

    QFile file(path);
    QVERIFY2(file.exists(), qPrintable(path + " is not among the resources"));
    QVERIFY(file.size() > 0);
    QVERIFY2(file.size() <= MaxPortraitBytes, qPrintable(QString::number(file.size())));

    QCOMPARE(formatByContent(path), format);

    const QImage image = Assets::portrait(entry);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    QVERIFY(!image.isGrayscale());

    // The same god for paper: 300 pixels for an inch.
    const QString printPath = Assets::printPortraitResourcePath(entry);
    QVERIFY2(printPath.endsWith(key.chopped(4) + QStringLiteral(".png")), qPrintable(printPath));
    QVERIFY2(QFile(printPath).size() <= MaxPortraitBytes, qPrintable(printPath));
    const QImage print = Assets::printPortrait(entry);
    QCOMPARE(print.size(), QSize(Assets::PrintPortraitPixels, Assets::PrintPortraitPixels));
    QVERIFY(!print.isGrayscale());
}

void TestAssets::printPortraitsShowTheirOwnGod()
{
    // Each print portrait looks most like the window's picture of the same
    // god, as a slip in the renderer's table would not.
    const auto thumbnail = [](const QImage &image) {
        return image.convertToFormat(QImage::Format_RGB32).scaled(24, 24, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation);
    };
    const auto distance = [](const QImage &a, const QImage &b) {
        qint64 total = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
            }
        return total;
    };
    QList<QImage> screen;
    for (int entry = 1; entry <= Assets::PortraitCount; ++entry)
        screen << thumbnail(Assets::portrait(entry));
    for (int entry = 1; entry <= Assets::PortraitCount; ++entry) {
        const QImage print = thumbnail(Assets::printPortrait(entry));
        int closest = 0;
        for (int other = 1; other < Assets::PortraitCount; ++other)
            if (distance(print, screen.at(other)) < distance(print, screen.at(closest)))
                closest = other;
        QCOMPARE(closest + 1, entry);
    }
}

void TestAssets::hestiaIsAGifUnderAJpegKey()
{
    const QString path = Assets::portraitResourcePath(11);
    QVERIFY(path.endsWith(QLatin1String(".jpg")));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(6), QByteArray("GIF89a"));
    file.close();

    QCOMPARE(formatByContent(path), QByteArray("gif"));

    const QImage image = Assets::portrait(11);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(153, 155));
}

void TestAssets::entryOutsideTheList_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("0") << 0;
    QTest::newRow("17: Aphrodite Pandemos has no portrait") << 17;
    QTest::newRow("18") << 18;
    QTest::newRow("-1") << -1;
    QTest::newRow("minimum int") << std::numeric_limits<int>::min();
    QTest::newRow("maximum int") << std::numeric_limits<int>::max();
}

void TestAssets::entryOutsideTheList()
{
    QFETCH(int, entry);
    QVERIFY(Assets::portrait(entry).isNull());
    QVERIFY(Assets::portraitKey(entry).isEmpty());
    QVERIFY(Assets::portraitResourcePath(entry).isEmpty());
    QVERIFY(Assets::printPortrait(entry).isNull());
    QVERIFY(Assets::printPortraitResourcePath(entry).isEmpty());
}

void TestAssets::portraitsAreDistinctPictures()
{
    // Sixteen gods, sixteen pictures: no entry may be a copy of another,
    // as a slip in the renderer's table would make it.
    QSet<QByteArray> contents;
    for (int entry = 1; entry <= Assets::PortraitCount; ++entry) {
        QFile file(Assets::portraitResourcePath(entry));
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents.insert(file.readAll());
    }
    QCOMPARE(contents.size(), Assets::PortraitCount);
}

void TestAssets::programIcon()
{
    const QPixmap pixmap = Assets::programIconPixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(32, 32));

    // Stored as a 256-colour palette picture.
    const QImage stored = QImage(Assets::programIconResourcePath());
    QCOMPARE(stored.format(), QImage::Format_Indexed8);
    QVERIFY(stored.colorCount() <= 256);
}

void TestAssets::programIconSizes()
{
    const QIcon icon = Assets::programIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 64})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    // The large renderings belong to the installed icon theme; sending them
    // with every window costs start-up time.
    for (int side : {128, 256})
        QVERIFY2(!sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    // The 32 x 32 one is the very picture the windows show.
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
             Assets::programIconPixmap().toImage().convertToFormat(QImage::Format_ARGB32));
}

void TestAssets::hand_data()
{
    QTest::addColumn<Assets::Hand>("variant");
    QTest::addColumn<int>("maxColours");
    QTest::newRow("16 colours") << Assets::Hand::SixteenColour << 16;
    QTest::newRow("monochrome") << Assets::Hand::Monochrome << 2;
}

void TestAssets::hand()
{
    QFETCH(Assets::Hand, variant);
    QFETCH(int, maxColours);

    const QImage image = Assets::handImage(variant);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(hasOnlyHardAlpha(image));
    QVERIFY(opaqueColours(image).size() <= maxColours);

    const QPoint tip = Assets::handHotSpot();
    QVERIFY(image.rect().contains(tip));
    // The hot spot is on the hand, at its very top: nothing drawn above it.
    QCOMPARE(qAlpha(image.pixel(tip)), 255);
    for (int y = 0; y < tip.y(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);

    const QCursor cursor = Assets::handCursor(variant);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), tip);
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
}

void TestAssets::monochromeHandIsBlackAndWhite()
{
    const QSet<QRgb> colours = opaqueColours(Assets::handImage(Assets::Hand::Monochrome));
    const QSet<QRgb> blackAndWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QCOMPARE(colours, blackAndWhite);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
