// The library's state: one bookkeeping file at a time, written line by line.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "text.h"

namespace escrivania {

inline constexpr std::int32_t kVersion = 100;

// Opens a new file in the output directory once both directories check out; 0 or -1.
std::int32_t start(esc::Text outputDir, esc::Text inputDir);
// Closes the open file, if any; 0 or -1.
std::int32_t finish();
// Writes one record of the named function ("RegistroC100"); 0 or -1.
std::int32_t writeRecord(const char* function, std::initializer_list<esc::Text> args);

}  // namespace escrivania
