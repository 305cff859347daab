// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A push button that tells a screen reader what pressing it led to: the
// announcement is the button's accessible description, and a new one is read
// out at once while the button has the focus (AccessibleAnnouncingButton).

#include <QPushButton>

class AnnouncingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit AnnouncingButton(const QString &text, QWidget *parent = nullptr);

    QString announcement() const { return m_announcement; }
    // Sets the announcement; a new one is spoken when the button has the focus.
    void announce(const QString &text);

private:
    QString m_announcement;
};
