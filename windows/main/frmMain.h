#pragma once
// placeholder: replaced by the windows work
#include <QMainWindow>
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
};
