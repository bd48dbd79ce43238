// The library's state: one bookkeeping file at a time, written record by record. Every function
// here is safe to call from any thread at any time: calls are serialised, and no exception leaves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "text.h"

namespace escrivania {

#ifndef ESC_LIBRARY_VERSION
#define ESC_LIBRARY_VERSION 0
#endif
// The library's version as Info_Versao gives it: major * 10000 + minor * 100 + patch.
inline constexpr std::int32_t kVersion = ESC_LIBRARY_VERSION;

// Names in the output directory: the file while it is written (and when it was left unfinished),
// the finished file, and the error details.
inline constexpr std::string_view kTemporaryFileName = "EFD_ICMS_IPI.txt.parcial";
inline constexpr std::string_view kFinalFileName = "EFD_ICMS_IPI.txt";
inline constexpr std::string_view kErrorFileName = "EFD_ICMS_IPI_erros.txt";

// Closes an open file as incomplete, then starts a new one once both directories check out; 0 or -1.
std::int32_t start(esc::Text outputDir, esc::Text inputDir) noexcept;
// Closes the open file, giving it its final name if it ends with 9999; 0 or -1.
std::int32_t finish() noexcept;
// Writes one record through the record function of that position in functions.def; 0 or -1.
std::int32_t writeRecord(std::size_t function, std::initializer_list<esc::Text> args) noexcept;
// The named validator's verdict, serialised with the writer; 0 when it fails.
std::uint8_t validateSerialised(std::string_view validator, std::initializer_list<esc::Text> args) noexcept;

}  // namespace escrivania
