// placeholder: replaced by the shell work
#include "frmAbout.h"
frmAbout::frmAbout(QWidget *owner) : QDialog(owner) {}
void frmAbout::ShowModal(QWidget *owner) { frmAbout about(owner); about.exec(); }
void frmAbout::cmdOK_Click() {}
void frmAbout::lblHomePage_Click() {}
void frmAbout::lblCoBrand_Click() {}
