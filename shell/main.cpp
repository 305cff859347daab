// placeholder start-up: replaced by the shell work
#include "frmMain.h"
#include <QApplication>
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    auto *window = new frmMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
