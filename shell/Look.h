#pragma once

// The program's look, shared by all three windows: fonts and colours.

#include <QColor>
#include <QFont>
#include <QString>

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

} // namespace Look
