// placeholder: replaced by the windows work
#include "frmGreekNumerologyResult.h"
frmGreekNumerologyResult::frmGreekNumerologyResult(QWidget *parent) : QMainWindow(parent) {}
