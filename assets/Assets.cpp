// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/Assets.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include <array>

namespace Assets {

namespace {

// Keys of the image list, in list order; the position in this array is the
// entry number minus one.
constexpr std::array<const char *, PortraitCount> PortraitKeys = {
    "01_ares.jpg",     "02_artemis.jpg",  "03_hecate.jpg",     "04_hermes.jpg",
    "05_hera.jpg",     "06_athena.jpg",   "07_zeus.jpg",       "08_poseidon.jpg",
    "09_hades.jpg",    "10_demeter.jpg",  "11_hestia.jpg",     "12_hephaestus.jpg",
    "13_prometheus.jpg", "14_apollo.jpg", "15_dionysus.jpg",   "16_aphrodite.jpg",
};

// Sizes the icon is drawn at besides the 32 x 32 picture itself.
constexpr std::array<int, 4> WindowIconSizes = {16, 24, 48, 64};

// Where the index finger ends in the 32 x 32 hand pictures.
constexpr QPoint Fingertip(11, 1);

bool isPortraitEntry(int entry)
{
    return entry >= 1 && entry <= PortraitCount;
}

// Decodes by content: a key's extension does not have to match the data.
QImage readByContent(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

QString portraitKey(int entry)
{
    if (!isPortraitEntry(entry))
        return {};
    return QString::fromLatin1(PortraitKeys[static_cast<std::size_t>(entry - 1)]);
}

QString portraitResourcePath(int entry)
{
    if (!isPortraitEntry(entry))
        return {};
    return QStringLiteral(":/portraits/") + portraitKey(entry);
}

QImage portrait(int entry)
{
    if (!isPortraitEntry(entry))
        return {};
    return readByContent(portraitResourcePath(entry));
}

QString printPortraitResourcePath(int entry)
{
    if (!isPortraitEntry(entry))
        return {};
    // Named after the key, without its extension: they are PNG files.
    QString name = portraitKey(entry);
    name.chop(4);
    return QStringLiteral(":/portraits/print/") + name + QStringLiteral(".png");
}

QImage printPortrait(int entry)
{
    if (!isPortraitEntry(entry))
        return {};
    return readByContent(printPortraitResourcePath(entry));
}

QString programIconResourcePath()
{
    return QStringLiteral(":/icons/pallastro.png");
}

QPixmap programIconPixmap()
{
    return QPixmap::fromImage(readByContent(programIconResourcePath()));
}

QIcon programIcon()
{
    // Every window shows the same icon: decode it once. A window icon is
    // sent to the display in every size it holds, so it carries only what a
    // title bar or task switcher shows, up to twice 32 pixels; the desktop
    // takes the large sizes from the installed icon theme.
    static const QIcon *const icon = [] {
        auto *built = new QIcon;
        built->addFile(programIconResourcePath(), QSize(32, 32));
        for (int size : WindowIconSizes)
            built->addFile(QStringLiteral(":/icons/pallastro-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return *icon;
}

QString handResourcePath(Hand variant)
{
    return variant == Hand::Monochrome ? QStringLiteral(":/pointers/hand-mono.png")
                                       : QStringLiteral(":/pointers/hand16.png");
}

QImage handImage(Hand variant)
{
    return readByContent(handResourcePath(variant));
}

QPoint handHotSpot()
{
    return Fingertip;
}

QString handResourcePath(Hand variant, int scale)
{
    if (scale <= 1)
        return handResourcePath(variant);
    return variant == Hand::Monochrome ? QStringLiteral(":/pointers/hand-mono@2x.png")
                                       : QStringLiteral(":/pointers/hand16@2x.png");
}

QCursor handCursor(Hand variant, qreal devicePixelRatio)
{
    // On a scaled screen the 32 x 32 picture would be blown up and blurred;
    // the double-size rendering keeps the outline sharp.
    if (devicePixelRatio > 1.0) {
        QPixmap large = QPixmap::fromImage(readByContent(handResourcePath(variant, 2)));
        if (!large.isNull()) {
            // The X11 back end (Qt 6.4) hands picture and hot spot to the
            // server unscaled, so there the hot spot is in the picture's own
            // pixels; the other back ends take the picture's device pixel
            // ratio and a hot spot in logical pixels.
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                return QCursor(large, 2 * Fingertip.x(), 2 * Fingertip.y());
            large.setDevicePixelRatio(2.0);
            return QCursor(large, Fingertip.x(), Fingertip.y());
        }
    }

    const QImage image = handImage(variant);
    // A build without its pictures still gets a usable pointer.
    if (image.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(image), Fingertip.x(), Fingertip.y());
}

QCursor handCursor(Hand variant)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return handCursor(variant, screen ? screen->devicePixelRatio() : 1.0);
}

} // namespace Assets
