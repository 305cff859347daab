// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Look.h"

#include "widgets/FocusRing.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

namespace Look {

QString fontFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char *wanted : {"Verdana", "DejaVu Sans"}) {
            const QString name = QString::fromLatin1(wanted);
            if (installed.contains(name, Qt::CaseInsensitive))
                return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont font(qreal pointSize, bool bold, bool underline)
{
    QFont f(fontFamily());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QFont windowFont() { return font(8.25); }

QPalette palette()
{
    // Fusion's own light grey controls on white edit fields, the colours the
    // windows were designed against; written out so no desktop theme's
    // colours leak in on either system.
    const QColor face(0xEF, 0xEF, 0xEF);
    const QColor black(0x00, 0x00, 0x00);
    const QColor white(0xFF, 0xFF, 0xFF);
    const QColor greyText(0xBE, 0xBE, 0xBE);
    const QColor selection(0x30, 0x8C, 0xC6);

    QPalette p(black, face, face.lighter(150), face.darker(150), face.darker(130), black, white);
    p.setColor(QPalette::Midlight, face.darker(130).lighter(110));
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, black);
    p.setColor(QPalette::Shadow, face.darker(150).darker(135));
    p.setColor(QPalette::HighlightedText, white);
    p.setColor(QPalette::Highlight, selection);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    p.setColor(QPalette::ToolTipText, black);
    p.setColor(QPalette::Link, LinkBlue);
    QColor placeholder = black;
    placeholder.setAlpha(128);
    p.setColor(QPalette::PlaceholderText, placeholder);

    p.setColor(QPalette::Disabled, QPalette::Text, greyText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, greyText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, greyText);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Dark, QColor(0xD1, 0xD1, 0xD1).darker(110));
    p.setColor(QPalette::Disabled, QPalette::Shadow, face.darker(150).darker(135).lighter(150));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    return p;
}

QString styleName() { return QStringLiteral("Fusion"); }

void applyToApplication()
{
    if (QStyle *style = QStyleFactory::create(styleName()))
        QApplication::setStyle(style);
    QApplication::setPalette(palette());
    // Menus, message boxes and controls that set no font of their own take
    // the program's family at the desktop's size; left to the desktop, Wine
    // and some Windows set-ups fall back to a serif face.
    QFont general = QApplication::font();
    general.setFamily(fontFamily());
    QApplication::setFont(general);
    // The message boxes of start-up come before any window.
    FocusRing::followFocus();
}

} // namespace Look
