// Field validation and the reference tables it reads. Used by the exported validators and by the
// writer's checks of coded fields.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text.h"

namespace escrivania {

// Loads CFOP.res, NCM.res, MUNICIPIO.res and PAIS.res from the folder; false with the reason (in
// Portuguese) when one is missing or malformed. The tables loaded last stay in use.
bool loadReferenceTables(std::string_view folder, std::string& reason);

// The period (ddmmaaaa) of the open file, for the value lists that depend on it.
void setFilePeriod(std::string_view start, std::string_view end);
void clearFilePeriod();

// The verdict of the named validator ("vCNPJ") on its arguments; non-zero means valid.
std::uint8_t validate(std::string_view validator, std::initializer_list<esc::Text> args);

}  // namespace escrivania
