// The exported functions of our record-writer library, expanded from the one function list.
#define ESC_BUILDING_LIBRARY
#include "escrivania.h"
#include "validators.h"
#include "writer.h"

extern "C" {
#define ESC_RECORD(name, argc) \
  std::int32_t ESC_CALLCONV name(ESC_PARAMS_##argc) { return escrivania::writeRecord(#name, {ESC_ARGS_##argc}); }
#define ESC_VALIDATOR(name, argc) \
  std::uint8_t ESC_CALLCONV name(ESC_PARAMS_##argc) { return escrivania::validate(#name, {ESC_ARGS_##argc}); }
#include "functions.def"

std::int32_t ESC_CALLCONV Inicia_SPED(esc::Text output, esc::Text input) { return escrivania::start(output, input); }
std::int32_t ESC_CALLCONV Finaliza_SPED() { return escrivania::finish(); }
std::int32_t ESC_CALLCONV Info_Versao() { return escrivania::kVersion; }
}
