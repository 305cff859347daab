// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue tables: names, descriptions and interpretations.

#include "core/modGreekNumerology.h"

#include "core/CatalogueTexts.h"

namespace modGreekNumerology {

std::array<QString, CatalogueSize> GodNames;
std::array<QString, CatalogueSize> GodDescriptions;
std::array<QString, InterpretationSlots> NumberInterpretations;

namespace {

const char *const Names[CatalogueTexts::GodCount] = {
    "Ares",       "Artemis",    "Hecate", "Hermes",   "Hera",      "Athena",
    "Zeus",       "Poseidon",   "Hades",  "Demeter",  "Hestia",    "Hephaestus",
    "Prometheus", "Apollo",     "Dionysus", "Aphrodite", "Aphrodite Pandemos",
};

static_assert(CatalogueTexts::GodCount < CatalogueSize,
              "the last catalogue position stays empty");
static_assert(CatalogueTexts::InterpretationCount < InterpretationSlots,
              "the last interpretation slot stays empty");

} // namespace

void LoadGodCatalogue()
{
    // Every entry is written, the empty ones included, so a table that was
    // altered in between comes back whole.
    for (int p = 0; p < CatalogueSize; ++p) {
        const bool hasGod = p < CatalogueTexts::GodCount;
        GodNames[p] = hasGod ? QString::fromLatin1(Names[p]) : QString();
        GodDescriptions[p] = CatalogueTexts::descriptionOf(p);
    }
    for (int slot = 0; slot < InterpretationSlots; ++slot)
        NumberInterpretations[slot] = CatalogueTexts::interpretationText(slot + 1);
}

QString interpretationOf(qint16 number)
{
    // Slot number - 1; 10 lands on the empty last slot, anything else has no slot.
    const int slot = number - 1;
    if (slot < 0 || slot >= InterpretationSlots)
        return {};
    return NumberInterpretations[slot];
}

} // namespace modGreekNumerology
