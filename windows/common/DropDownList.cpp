#include "DropDownList.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The name is the list's accessible name; the value is the entry chosen.
// The pop-up stays reachable as the one child, as with Qt's own interface.
class AccessibleDropDownList : public QAccessibleWidget
{
public:
    explicit AccessibleDropDownList(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return 1; }

    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction()) {
            if (list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    DropDownList *list() const { return static_cast<DropDownList *>(widget()); }
};

QAccessibleInterface *dropDownListInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("DropDownList") && object && object->isWidgetType())
        return new AccessibleDropDownList(static_cast<DropDownList *>(object));
    return nullptr;
}

} // namespace

DropDownList::DropDownList(QWidget *parent)
    : QComboBox(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&dropDownListInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setEditable(false);
}

void DropDownList::setSpokenName(const QString &name)
{
    setAccessibleName(name);
    view()->setAccessibleName(name);
}
