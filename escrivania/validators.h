// Field validation and the reference tables it reads. Used by the exported validators and by the
// writer's checks of coded fields. Every function here may be called from any thread.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text.h"

namespace escrivania {

// Loads CFOP.res, NCM.res, MUNICIPIO.res and PAIS.res from the folder (Windows-1252 bytes, as the
// library receives it); false with the reason (in Portuguese, UTF-8) when one is missing or
// malformed. The tables loaded last stay in use.
bool loadReferenceTables(std::string_view folder, std::string& reason);

// The period (ddmmaaaa) of the open file, for the value lists that depend on it. Until it is set,
// and after it is cleared, a value valid in any period is accepted.
void setFilePeriod(std::string_view start, std::string_view end);
void clearFilePeriod();

// The verdict of the named validator ("vCNPJ") on its arguments; non-zero means valid. An unknown
// name, a missing argument and any failure inside give 0.
std::uint8_t validate(std::string_view validator, std::initializer_list<esc::Text> args);

// The same verdict on values already held as bytes (a field of a record being written).
std::uint8_t validateValues(std::string_view validator, std::string_view first, std::string_view second = {});

// Whether a validator of that name exists.
bool isValidator(std::string_view validator);

}  // namespace escrivania
