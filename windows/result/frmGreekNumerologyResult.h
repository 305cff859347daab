#pragma once
// placeholder: replaced by the windows work
#include <QMainWindow>
class frmGreekNumerologyResult : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmGreekNumerologyResult(QWidget *parent = nullptr);
};
