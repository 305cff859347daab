// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessible/qt64/Qt64Factory.h"

#include "widgets/Announcer.h"
#include "widgets/AnnouncingButton.h"
#include "widgets/DescriptionBox.h"
#include "widgets/DropDownList.h"
#include "widgets/accessible/qt64/AccessibleAnnouncer.h"
#include "widgets/accessible/qt64/AccessibleAnnouncingButton.h"
#include "widgets/accessible/qt64/AccessibleContainer.h"
#include "widgets/accessible/qt64/AccessibleDescriptionBox.h"
#include "widgets/accessible/qt64/AccessibleDropDownList.h"
#include "widgets/accessible/qt64/AccessibleLineEdit.h"
#include "widgets/accessible/qt64/AccessibleTabBar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

namespace Accessibility {

QAccessibleInterface *qt64Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new AccessibleAnnouncer(static_cast<Announcer *>(object));
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("DropDownList"))
        return new AccessibleDropDownList(static_cast<DropDownList *>(widget));
    if (className == QLatin1String("AnnouncingButton"))
        return new AccessibleAnnouncingButton(static_cast<AnnouncingButton *>(widget));
    if (className == QLatin1String("DescriptionBox"))
        return new AccessibleDescriptionBox(static_cast<DescriptionBox *>(widget));
    if (className == QLatin1String("FrameBox") || className == QLatin1String("QDialogButtonBox"))
        return new AccessibleContainer(widget, QAccessible::Grouping);
    // Qt's interface offers a closed list's pop-up, whose current entry
    // claims the focus. A list that takes typing keeps Qt's, which offers
    // its line edit.
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox *>(widget)->isEditable())
        return new AccessibleDropDownList(static_cast<QComboBox *>(widget));
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit *>(widget));
    // Among the options of Qt's print dialog.
    if (className == QLatin1String("QTabBar"))
        return new AccessibleTabBar(static_cast<QTabBar *>(widget));
    // Only widgets of no better known class come down to QWidget, and Qt
    // gives them this role too.
    if (className == QLatin1String("QWidget"))
        return new AccessibleContainer(widget, QAccessible::Client);
    return nullptr;
}

} // namespace Accessibility
