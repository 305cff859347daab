// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/DropDownList.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/Look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QTimer>

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
    , m_closed(this)
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

    Accessibility::installFactory();
    // Qt 6.4 sends no change of entry that Orca reads (ClosedList).
    connect(this, &QComboBox::currentIndexChanged, this, [this] { m_closed.announceChoice(); });
}

void DropDownList::setPurpose(const QString &purpose)
{
    setAccessibleName(purpose);
    view()->setAccessibleName(purpose);
}

void DropDownList::keyPressEvent(QKeyEvent *event)
{
    // Qt 6.4's own search leaves the hidden pop-up an entry that claims the
    // focus (ClosedList).
    if (!m_closed.searchTyped(event))
        QComboBox::keyPressEvent(event);
    m_closed.forgetHiddenChoice();
}

void DropDownList::hidePopup()
{
    QComboBox::hidePopup();
    // The pop-up's current entry would go on claiming the focus while the
    // pop-up is hidden. Later, not now: the choice is taken from it just
    // after the pop-up hides.
    QTimer::singleShot(0, this, [this] { m_closed.forgetHiddenChoice(); });
}

