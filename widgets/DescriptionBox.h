// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A read-only text box for a god's description that shows whole lines only.
// The box is a fixed 49 pixels high; with Qt's default margins it would show
// three lines and the top sliver of a fourth. Its height is split instead
// into as many whole lines as fit, the rest going to even margins above and
// below, and its scroll bar's handle may grow as small as the short track
// needs to show where the reader is.

#include <QPlainTextEdit>

class DescriptionBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DescriptionBox(QWidget *parent = nullptr);

    // How many whole lines the box shows at once.
    int visibleLines() const { return m_visibleLines; }
    // The height of one line as the box lays its text out.
    qreal lineHeight() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitWholeLines();

    int m_visibleLines = 0;
};
