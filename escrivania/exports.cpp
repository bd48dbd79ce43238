// The exported functions of our record-writer library, expanded from the one function list. No
// exception leaves them: the writer answers -1 (a validator 0) and tells why in the error file.
#define ESC_BUILDING_LIBRARY
#include <string_view>

#include "escrivania.h"
#include "function_table.h"
#include "layout.h"
#include "writer.h"

namespace {

// The position of each record function in functions.def, which is also its row in the layout's
// table of record functions.
enum RecordFunctionId : std::size_t {
#define ESC_RECORD(name, argc) k##name,
#include "functions.def"
  kRecordFunctionCount
};
static_assert(kRecordFunctionCount == std::size(escrivania::layout::kRecordFunctions));
static_assert(kRecordFunctionCount == esc::countOf(esc::FunctionKind::Record));

}  // namespace

extern "C" {
#define ESC_RECORD(fn, n)                                                                      \
  std::int32_t ESC_CALLCONV fn(ESC_PARAMS_##n) {                                               \
    static_assert(std::string_view(escrivania::layout::kRecordFunctions[k##fn].name) == #fn && \
                  escrivania::layout::kRecordFunctions[k##fn].argc == n);                      \
    return escrivania::writeRecord(k##fn, {ESC_ARGS_##n});                                     \
  }
#define ESC_VALIDATOR(name, argc) \
  std::uint8_t ESC_CALLCONV name(ESC_PARAMS_##argc) { return escrivania::validateSerialised(#name, {ESC_ARGS_##argc}); }
#include "functions.def"

std::int32_t ESC_CALLCONV Inicia_SPED(esc::Text output, esc::Text input) { return escrivania::start(output, input); }
std::int32_t ESC_CALLCONV Finaliza_SPED() { return escrivania::finish(); }
std::int32_t ESC_CALLCONV Info_Versao() { return escrivania::kVersion; }
}
