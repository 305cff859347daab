#include "DropDownListAccessible.h"

#include "DropDownList.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

QAccessibleInterface *forDropDownList(const QString &className, QObject *object)
{
    if (className == QLatin1String("DropDownList") && object && object->isWidgetType())
        return new DropDownListAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

DropDownListAccessible::DropDownListAccessible(QComboBox *list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

void DropDownListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(forDropDownList);
        return true;
    }();
    Q_UNUSED(installed);
}

QComboBox *DropDownListAccessible::list() const
{
    return static_cast<QComboBox *>(widget());
}

QString DropDownListAccessible::chosen() const
{
    return list()->currentText();
}

QString DropDownListAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return chosen();
    return QAccessibleWidget::text(t);
}

QAccessible::State DropDownListAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = list()->view()->isVisible();
    return s;
}

int DropDownListAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface *DropDownListAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int DropDownListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

void *DropDownListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList DropDownListAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void DropDownListAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (list()->view()->isVisible())
        list()->hidePopup();
    else
        list()->showPopup();
}

void DropDownListAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString DropDownListAccessible::text(int startOffset, int endOffset) const
{
    const QString all = chosen();
    startOffset = qBound(0, startOffset, int(all.size()));
    endOffset = endOffset < 0 ? int(all.size()) : qBound(startOffset, endOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int DropDownListAccessible::characterCount() const
{
    return int(chosen().size());
}

QRect DropDownListAccessible::characterRect(int) const
{
    return {};
}

int DropDownListAccessible::offsetAtPoint(const QPoint &) const
{
    return -1;
}

QString DropDownListAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}
