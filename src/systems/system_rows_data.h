#pragma once

// Row data of the built-in systems, packed from data/system_rows.txt when the program is built.

#include "catalogue_table.h"

#include <cstdint>

namespace kb::detail {

extern const std::uint8_t SystemReihenDaten[SystemReihenGroesse];
// Per built-in position: GA-subsets that its rows leave uncovered.
extern const std::uint16_t SystemReihenLuecken[EingebauteSysteme];

} // namespace kb::detail
