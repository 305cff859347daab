#include "AnnouncingButtonAccessible.h"

#include "AnnouncingButton.h"

namespace {

QAccessibleInterface *forAnnouncingButton(const QString &className, QObject *object)
{
    if (className == QLatin1String("AnnouncingButton") && object && object->isWidgetType())
        return new AnnouncingButtonAccessible(static_cast<AnnouncingButton *>(object));
    return nullptr;
}

} // namespace

AnnouncingButtonAccessible::AnnouncingButtonAccessible(AnnouncingButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

void AnnouncingButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(forAnnouncingButton);
        return true;
    }();
    Q_UNUSED(installed);
}

AnnouncingButton *AnnouncingButtonAccessible::button() const
{
    return static_cast<AnnouncingButton *>(widget());
}

QString AnnouncingButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && !button()->announcement().isEmpty())
        return button()->announcement();
    return QAccessibleWidget::text(t);
}

QAccessible::State AnnouncingButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->isDown();
    return s;
}

void *AnnouncingButtonAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList AnnouncingButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void AnnouncingButtonAccessible::doAction(const QString &actionName)
{
    // Animated, as Qt's own buttons are pressed for assistive technology.
    if (actionName == pressAction())
        button()->animateClick();
}

int AnnouncingButtonAccessible::selectionCount() const
{
    return characterCount() > 0 ? 1 : 0;
}

void AnnouncingButtonAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = selectionIndex == 0 ? characterCount() : 0;
}

QString AnnouncingButtonAccessible::text(int startOffset, int endOffset) const
{
    const QString all = button()->announcement();
    startOffset = qBound(0, startOffset, int(all.size()));
    endOffset = endOffset < 0 ? int(all.size()) : qBound(startOffset, endOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int AnnouncingButtonAccessible::characterCount() const
{
    return int(button()->announcement().size());
}

QString AnnouncingButtonAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}
