// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/DropDownList.h"

#include "widgets/accessible/AccessibleFactory.h"
#include "widgets/Look.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QItemSelectionModel>
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
    connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::announceChoice);
}

void DropDownList::setPurpose(const QString &purpose)
{
    setAccessibleName(purpose);
    view()->setAccessibleName(purpose);
}

void DropDownList::announceChoice()
{
    // A closed list says nothing over AT-SPI when its entry changes: Qt 6.4
    // sends a name change, which Orca ignores for combo boxes, and has no
    // selection interface (Qt 6.5 brings one). What Orca reads out at once
    // is text inserted into the focused object while that text is selected,
    // which the list's text is while it has the focus. An open list is heard
    // through its pop-up, as Qt's own lists are.
    if (view()->isVisible())
        return;
    forgetHiddenChoice();
    if (!hasFocus())
        return;
    QAccessibleTextInsertEvent inserted(this, 0, currentText());
    QAccessible::updateAccessibility(&inserted);
}

void DropDownList::keyPressEvent(QKeyEvent *event)
{
    if (!searchTyped(event))
        QComboBox::keyPressEvent(event);
    forgetHiddenChoice();
}

bool DropDownList::searchTyped(QKeyEvent *event)
{
    // QComboBox looks a typed entry up through its hidden pop-up, whose entry
    // then tells assistive technology it has the focus: Orca follows it into
    // a list that is not on the screen. The closed list looks it up itself,
    // the way an item view does: letters typed in quick succession add up,
    // and a new search, or one letter typed again and again, starts after
    // the entry chosen.
    const QString text = event->text();
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (view()->isVisible() || isEditable() || text.isEmpty() || !text.at(0).isPrint()
        || text.at(0).isSpace() || (event->modifiers() & commands))
        return false;
    const bool continues = m_sinceTyped.isValid()
                           && m_sinceTyped.elapsed() <= QApplication::keyboardInputInterval();
    m_sinceTyped.start();
    m_typed = continues ? m_typed + text : text;
    const bool sameLetter = m_typed.size() > 1 && m_typed.count(m_typed.back()) == m_typed.size();
    const QString wanted = sameLetter ? QString(m_typed.front()) : m_typed;
    const int entries = count();
    const int from = currentIndex() + ((!continues || sameLetter) && currentIndex() >= 0 ? 1 : 0);
    for (int i = 0; i < entries; ++i) {
        const int row = (qMax(0, from) + i) % entries;
        if (itemText(row).startsWith(wanted, Qt::CaseInsensitive)) {
            setCurrentIndex(row);
            break;
        }
    }
    return true;
}

void DropDownList::forgetHiddenChoice()
{
    // A current entry of the hidden pop-up claims the focus to assistive
    // technology although nothing of the pop-up shows: one is left behind
    // when the pop-up closes, and by QComboBox's own search through it (the
    // typed keys searchTyped leaves to it). The pop-up takes the list's entry
    // again when it opens.
    if (!view()->isVisible() && view()->selectionModel())
        view()->selectionModel()->clearCurrentIndex();
}

void DropDownList::hidePopup()
{
    QComboBox::hidePopup();
    // The pop-up's current entry would go on claiming the focus while the
    // pop-up is hidden. Later, not now: the choice is taken from it just
    // after the pop-up hides.
    QTimer::singleShot(0, this, &DropDownList::forgetHiddenChoice);
}

