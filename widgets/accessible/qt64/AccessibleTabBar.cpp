// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/AccessibleTabBar.h"

#include <QPointer>
#include <QTabBar>

namespace {

// One tab: named after its text, selected when current, pressed to make it
// current. It has no object of its own.
class AccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleTab(QTabBar *bar, int index)
        : m_bar(bar)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        const QString name = m_bar->accessibleTabName(m_index);
        return name.isEmpty() ? QString(m_bar->tabText(m_index)).remove(QLatin1Char('&')) : name;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = m_index == m_bar->currentIndex();
        s.focusable = true;
        s.selectable = true;
        s.selected = current;
        s.focused = current && m_bar->hasFocus();
        s.disabled = !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override
    {
        if (isValid() && name == pressAction())
            m_bar->setCurrentIndex(m_index);
    }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

} // namespace

AccessibleTabBar::AccessibleTabBar(QTabBar *bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList)
{
}

AccessibleTabBar::~AccessibleTabBar()
{
    for (QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

QTabBar *AccessibleTabBar::bar() const
{
    return static_cast<QTabBar *>(widget());
}

int AccessibleTabBar::childCount() const
{
    // The tabs only: the scroll buttons of a bar too narrow for its tabs
    // stay out, as the tabs can be reached without them.
    return bar()->count();
}

QAccessibleInterface *AccessibleTabBar::child(int index) const
{
    if (index < 0 || index >= bar()->count())
        return nullptr;
    if (!m_tabs.contains(index))
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(new AccessibleTab(bar(), index)));
    return QAccessible::accessibleInterface(m_tabs.value(index));
}

int AccessibleTabBar::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    }
    return -1;
}
