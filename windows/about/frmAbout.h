// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class LinkLabel;

// The About window: modal, created afresh on every opening.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner = nullptr);

    // Creates the window, shows it modally over owner and returns once it is closed.
    static void showModal(QWidget *owner);

    QPushButton *cmdOK = nullptr;
    LinkLabel *lblHomePage = nullptr;
    LinkLabel *lblCoBrand = nullptr;
    QLabel *picIcon = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;

    // The caption of lblHomePage: an invitation and the home page address.
    static QString homePageCaption();
    // Line2, in twips: from (-30, 2550) to (7080, 2550), two pixels wide.
    static QRect line2Pixels();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();
};
