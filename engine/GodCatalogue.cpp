// placeholder: replaced by the engine work
#include "modGreekNumerology.h"
namespace modGreekNumerology {
std::array<QString, CatalogueSize> GodNames;
std::array<QString, CatalogueSize> GodDescriptions;
std::array<QString, InterpretationSlots> NumberInterpretations;
void LoadGodCatalogue() {}
QString InterpretationOf(qint16) { return {}; }
}
