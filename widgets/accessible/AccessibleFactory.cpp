// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/AccessibleFactory.h"

#include "widgets/LinkLabel.h"
#include "widgets/accessible/AccessibleLinkLabel.h"
#include "widgets/accessible/qt64/Qt64Factory.h"

namespace Accessibility {

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object)
        return nullptr;
    if (className == QLatin1String("LinkLabel") && object->isWidgetType())
        return new AccessibleLinkLabel(static_cast<LinkLabel *>(object));
    return qt64Factory(className, object);
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Accessibility
