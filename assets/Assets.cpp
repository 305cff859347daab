// placeholder: replaced by the assets work
#include "Assets.h"
namespace Assets {
QString portraitKey(int) { return {}; }
QImage portrait(int) { return {}; }
QString portraitResourcePath(int) { return {}; }
QIcon programIcon() { return {}; }
QPixmap programIconPixmap() { return {}; }
QCursor handCursor(Hand) { return QCursor(Qt::PointingHandCursor); }
QImage handImage(Hand) { return {}; }
}
