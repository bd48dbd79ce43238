// Names, kinds and argument counts of the library's exported functions, from functions.def.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace esc {

enum class FunctionKind { Record, Validator, Control };

struct FunctionInfo {
  std::string_view name;
  FunctionKind kind;
  int argumentCount;
};

inline constexpr FunctionInfo kFunctions[] = {
#define ESC_RECORD(name, argc) {#name, FunctionKind::Record, argc},
#define ESC_VALIDATOR(name, argc) {#name, FunctionKind::Validator, argc},
#define ESC_CONTROL(name, argc) {#name, FunctionKind::Control, argc},
#include "functions.def"
};

constexpr std::size_t countOf(FunctionKind kind) {
  std::size_t n = 0;
  for (const auto& f : kFunctions) n += f.kind == kind ? 1 : 0;
  return n;
}

static_assert(std::size(kFunctions) == 360, "the library exports 360 functions");
static_assert(countOf(FunctionKind::Record) == 276, "one record function per record form");
static_assert(countOf(FunctionKind::Validator) == 81, "81 field validators");
static_assert(countOf(FunctionKind::Control) == 3, "Inicia_SPED, Finaliza_SPED, Info_Versao");

// The function of that name, or nullptr.
constexpr const FunctionInfo* findFunction(std::string_view name) {
  for (const auto& f : kFunctions)
    if (f.name == name) return &f;
  return nullptr;
}

}  // namespace esc
