// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropDownList.h"

#include "AccessibleFactory.h"
#include "DropDownListAccessible.h"
#include "Look.h"

#include <QAbstractItemView>
#include <QAccessible>
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

    installAccessibleInterface<DropDownList, DropDownListAccessible>();
    connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::followChoice);
}

void DropDownList::setPurpose(const QString &purpose)
{
    setAccessibleName(purpose);
    view()->setAccessibleName(purpose);
}

void DropDownList::followChoice(int index)
{
    // A closed list says nothing over AT-SPI when its entry changes (Qt 6.4
    // sends a name change, which Orca ignores for combo boxes, and has no
    // selection interface). The list it drops down announces the entry that
    // becomes current in it, as it does when the user types an entry's first
    // letters; so the arrow keys, Home and End move that entry too.
    if (view()->isVisible())
        return;
    view()->setCurrentIndex(model()->index(index, modelColumn(), rootModelIndex()));
}
