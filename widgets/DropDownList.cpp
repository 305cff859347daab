#include "DropDownList.h"

#include <QAbstractItemView>

DropDownList::DropDownList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(VisibleEntries);
    // Fusion, like the macOS style, opens a non-editable list as a menu over
    // the box that ignores maxVisibleItems and grows to the screen's height:
    // 151 years would fill the screen. As a plain list it keeps the height
    // above, with a scroll bar, and scrolls the chosen entry into view.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

void DropDownList::setPurpose(const QString &purpose)
{
    setAccessibleName(purpose);
#ifdef Q_OS_UNIX
    setAccessibleDescription(purpose);
#endif
    view()->setAccessibleName(purpose);
}
