// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small builders shared by the two top-level windows, so that both read as
// their design tables do: one call per control, geometry straight from twips.

#include "assets/Assets.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>

class LinkLabel;
class QGroupBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;

namespace WindowKit {

// Caption of every window of the program.
QString caption();

// Caption and program icon, as every window of the program has them, and
// the focus ring that shows which control has the keyboard.
void dress(QWidget *window);

// A black background, filled before anything is drawn on it.
void paintBlack(QWidget *widget);

// Window settings both top-level windows share: fixed client area, black,
// caption, icon, no maximize button, deleted when closed. Returns the client
// area, on which the controls are then placed.
QWidget *setUpTopLevel(QMainWindow *window, QSize clientSize, bool canMinimize);

// Once controls and menus stand: fixes the window's size and centres it.
void finishTopLevel(QMainWindow *window);

void setTextColour(QWidget *widget, const QColor &colour);

// Where a label's box lies against its designed rectangle.
enum class Reach {
    // A pixel further either side, so that glyph overhangs are not cut off.
    Overhang,
    // Exactly the designed rectangle (the About window's texts, which sit
    // well inside their boxes).
    Exact,
};

// A transparent label that takes no focus. Long captions wrap inside the
// given rectangle, which is where the text goes. Call sizeToText for labels
// that size themselves.
QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont &font,
              const QColor &colour, const QRect &geometry, bool wordWrap = false,
              Reach reach = Reach::Overhang);

// Takes the size of its caption, keeping its top-left corner.
void sizeToText(QLabel *label);
// Takes the size of its caption, its text ending at rightEdge (right-aligned labels).
void sizeToTextFromRight(QLabel *label, int rightEdge);

// A link in the given font, colour and pointer: plain text, no focus, not
// yet placed.
LinkLabel *link(QWidget *parent, const char *name, const QString &text, const QFont &font,
                const QColor &colour, const QCursor &pointer);

// Bold, underlined, centred, wrapping link label with a hand pointer.
LinkLabel *linkLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                     const QRect &geometry, const QCursor &pointer, bool opaqueBlack);

// A command button: Enter and Space press it alike.
QPushButton *button(QWidget *parent, const char *name, const QString &text, const QFont &font,
                    const QRect &geometry);
// The same set-up for a button made elsewhere.
void setUpButton(QPushButton *b, const char *name, const QFont &font, const QRect &geometry);

// A frame filled with its background colour, with a thin grey border (the
// default look) or none at all, and an optional caption.
QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QFont &font,
                 const QColor &background, const QRect &geometry, bool bordered,
                 const QColor &titleColour = QColor());

// Within one container a control listed earlier lies in front of a later one.
void stackFrontToBack(std::initializer_list<QWidget *> widgets);

// Chains the focusable controls in the order given.
void chainTabOrder(std::initializer_list<QWidget *> widgets);

} // namespace WindowKit
