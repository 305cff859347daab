// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A label that acts as a link: bold underlined text, a hand pointer and a
// clicked() signal on a left-button release inside it. Assistive technology
// sees it as a link that can be pressed, named by its text unless it has an
// accessible name of its own.

#include <QLabel>

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // What a click does, for callers that are not the mouse (the press
    // action of assistive technology).
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
