// placeholder: replaced by the windows work
#include "frmMain.h"
frmMain::frmMain(QWidget *parent) : QMainWindow(parent) { setWindowTitle(QStringLiteral("Pallastro v1.0")); }
