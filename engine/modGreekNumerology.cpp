// placeholder: replaced by the engine work
#include "modGreekNumerology.h"
namespace modGreekNumerology {
qint16 LifePathNumber = 0;
qint16 DestinyNumber = 0;
QList<qint16> LifePathGods;
QList<qint16> DestinyGods;
const std::array<qint16, 26> LetterValues{};
void FillGodList(qint16, bool) {}
QList<qint16> GodsOf(qint16) { return {}; }
qint16 LetterValue(QChar) { return 0; }
qint16 ReduceToDigit(qint16 n) { return n; }
qint16 ComputeLifePath(qint16, qint16, qint16) { return 0; }
qint16 ComputeDestiny(const QString &) { return 0; }
void ComputeNumbers(const QString &, qint16, qint16, qint16) {}
void ResetReadingState() {}
}
