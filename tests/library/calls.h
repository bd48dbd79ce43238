// Every exported function of the library, callable by name with an array of texts.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "escrivania.h"
#include "function_table.h"

namespace libtest {

template <auto F, std::size_t... I>
std::int32_t invoke([[maybe_unused]] const esc::Text* args, std::index_sequence<I...>) {
  return static_cast<std::int32_t>(F(args[I]...));
}

struct Callable {
  std::string_view name;
  esc::FunctionKind kind;
  int argc;
  std::int32_t (*call)(const esc::Text* args);  // reads argc texts
};

// In the order of functions.def.
inline constexpr Callable kCallables[] = {
#define ESC_CALLABLE(fn, n, kind) \
  Callable{#fn, kind, n, [](const esc::Text* a) { return invoke<&fn>(a, std::make_index_sequence<n>{}); }},
#define ESC_RECORD(fn, n) ESC_CALLABLE(fn, n, esc::FunctionKind::Record)
#define ESC_VALIDATOR(fn, n) ESC_CALLABLE(fn, n, esc::FunctionKind::Validator)
#define ESC_CONTROL(fn, n) ESC_CALLABLE(fn, n, esc::FunctionKind::Control)
#include "functions.def"
#undef ESC_CALLABLE
};
static_assert(std::size(kCallables) == std::size(esc::kFunctions));

constexpr const Callable* findCallable(std::string_view name) {
  for (const Callable& c : kCallables)
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace libtest
