// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A frame as the windows draw it: the whole rectangle in the frame's colour,
// an optional thin border whose top runs through the middle of the caption,
// and the caption in its own colour. Painted by hand, because style sheets
// leave the strip above the border unpainted and the style ignores the
// palette for the caption colour.

#include <QColor>
#include <QGroupBox>

class FrameBox : public QGroupBox
{
    Q_OBJECT
public:
    FrameBox(const QString &title, const QColor &background, bool bordered, const QColor &titleColour,
             QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
    QColor m_titleColour;
    bool m_bordered;
};
