// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropDownList.h"

#include "Look.h"

#include <QAbstractItemView>
#include <QProxyStyle>

namespace {

// Fusion, like the macOS style, opens a non-editable list as a menu over the
// box that ignores maxVisibleItems and grows to the screen's height: 151
// years would fill the screen. As a plain list it keeps the height set
// below, with a scroll bar, and scrolls the chosen entry into view.
class PlainListStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

DropDownList::DropDownList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(VisibleEntries);
    // A style rather than a style sheet: a sheet costs each list a style of
    // its own and a parse, a good part of making a window.
    setStyle(Look::sharedProxyStyle<PlainListStyle>());
    // The application's colours, not those of the dark panel the lists sit
    // on: Fusion draws a list's rim in the window colour, which on the panel
    // would be black.
    setPalette(QApplication::palette(this));
}

void DropDownList::setPurpose(const QString &purpose)
{
    setAccessibleName(purpose);
#ifdef Q_OS_UNIX
    setAccessibleDescription(purpose);
#endif
    view()->setAccessibleName(purpose);
}
