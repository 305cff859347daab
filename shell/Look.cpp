#include "Look.h"

#include <QFontDatabase>

namespace Look {

QString fontFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char *wanted : {"Verdana", "DejaVu Sans"}) {
            const QString name = QString::fromLatin1(wanted);
            if (installed.contains(name, Qt::CaseInsensitive))
                return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont font(qreal pointSize, bool bold, bool underline)
{
    QFont f(fontFamily());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QFont windowFont() { return font(8.25); }

} // namespace Look
