// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinkLabel.h"

#include "AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// Without this a screen reader would take the label for plain text and
// offer no way to follow it.
class AccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? link()->text() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            link()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

} // namespace

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    installAccessibleInterface<LinkLabel, AccessibleLinkLabel>();
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clickedInside = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (clickedInside)
        emit clicked();
}
