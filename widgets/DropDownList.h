// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drop-down list (no typing) that tells assistive technology what it is
// for, and whose pop-up shows a screenful of entries at most.

#include "widgets/accessible/qt64/ClosedList.h"

#include <QComboBox>

class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);

    // The most entries the pop-up shows at once; the rest scroll.
    static constexpr int VisibleEntries = 20;

    // Says what the list holds, e.g. "Birth Day: month", to assistive
    // technology: the list's name, on every system; the entry chosen is its
    // value (AccessibleDropDownList).
    void setPurpose(const QString &purpose);

    void hidePopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    ClosedList m_closed;
};
