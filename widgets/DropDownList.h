// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drop-down list (no typing) that tells assistive technology what it is
// for, and whose pop-up shows a screenful of entries at most.

#include <QComboBox>

class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);

    // The most entries the pop-up shows at once; the rest scroll.
    static constexpr int VisibleEntries = 20;

    // Says what the list holds, e.g. "Birth Day: month", to assistive
    // technology. Qt's own interface for combo boxes reads the entry chosen
    // as the list's name on Linux and macOS, and leaves the label to a buddy
    // relation, which one label can give to one list only (the three date
    // lists share one label); there the purpose goes into the description.
    // Elsewhere the name carries the purpose and the value the entry.
    void setPurpose(const QString &purpose);
};
