// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's look, shared by all three windows: fonts, colours, and the
// widget style and palette of the whole application.

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QStyleFactory>

namespace Look {

// Verdana where the machine has it, otherwise the closest sans (DejaVu Sans).
QString fontFamily();
QFont font(qreal pointSize, bool bold = false, bool underline = false);
// The window font: 8.25 pt regular.
QFont windowFont();

inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor Panel{0x19, 0x19, 0x19};
inline const QColor Cyan{0x00, 0xFF, 0xFF};
inline const QColor Green{0x00, 0xFF, 0x00};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Orchid{0xBE, 0x7C, 0xD1};
inline const QColor LinkBlue{0x00, 0x00, 0xFF};
// The keyboard focus ring: a mid blue, over 3:1 against the light controls
// and white text boxes as against the black and dark grey windows.
inline const QColor FocusBlue{0x1E, 0x7A, 0xB8};

// The colours of everything the windows do not colour themselves: buttons,
// menus, text boxes, lists and message boxes. Fixed, so that a dark or
// high-contrast desktop theme cannot put dark text on the dark panels.
QPalette palette();

// The style every window is designed for. Fusion on every system: Windows'
// own style draws button captions with wider margins and clips "<<" and
// ">>" on the result window's small buttons.
QString styleName();

// Sets the style, the palette and the font family on the running
// QApplication, and has the focus ring follow the keyboard focus. Call
// once, right after the QApplication exists and before any window is built.
void applyToApplication();

// The one style of kind ProxyStyle (a QProxyStyle) for the process, made on
// the program's own style: a proxy left without a base takes the desktop's,
// which on Windows is the classic Windows look among Fusion's controls.
// Owned by the application, so that it outlives every widget that uses it.
template<typename ProxyStyle>
QStyle *sharedProxyStyle()
{
    static QPointer<ProxyStyle> style;
    if (!style) {
        style = new ProxyStyle(QStyleFactory::create(styleName()));
        style->setParent(qApp);
    }
    return style;
}

} // namespace Look
