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
    static void ShowModal(QWidget *owner);

    QPushButton *cmdOK = nullptr;
    LinkLabel *lblHomePage = nullptr;
    LinkLabel *lblCoBrand = nullptr;
    QLabel *picIcon = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();
};
