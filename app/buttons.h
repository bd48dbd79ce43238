// The rows that describe the buttons of the inner pages. Pages are data: each button is one row,
// and what a press does is decided by the console core from the row's kind.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "escrivania.h"

namespace app {

struct Rect {
  int left, top, width, height;
};

enum class Style { Plain, Bold, Underline };
enum class Colour { Default, Grey };

enum class Kind {
  Record,      // calls its record function and reports through Trata_SPED_Int
  Opening,     // "Registro 0000": Inicia_SPED first, then the record
  Closing,     // "Registro 9999": the record, then Finaliza_SPED and the closing message
  Guarded,     // "Registro 0005": the record and its report inside one guard
  Validation,  // calls a validator and shows its verdict in a message box
  Version,     // "Versão da DLL": shows Info_Versao in decimal
};

using RecordCall = std::int32_t (*)();
using ValidatorCall = std::uint8_t (*)();

// What a press does; built by the macros below, never by hand.
struct Action {
  Kind kind;
  std::string_view function;  // the library function of the row, by name
  RecordCall record = nullptr;
  ValidatorCall validator = nullptr;
  std::string_view validText = {};
  std::string_view invalidText = {};
  std::string_view boxCaption = {};
};

// Texts are UTF-8; a tool tip's lines are joined by CR LF. A null tooltip means none.
struct Button {
  std::string_view component;
  std::string_view caption;
  Rect rect;
  Style style;
  Colour colour;
  std::string_view tooltip;
  Action action;
};

inline constexpr std::string_view kNoTip{};

struct Page {
  std::string_view component;  // TabSheetN
  std::string_view caption;    // the tab's caption
  std::span<const Button> buttons;
};

}  // namespace app

// The call of a row: the compiler checks the arguments against the library's declaration.
#define ESC_ACTION(kind, fn, ...)                          \
  ::app::Action {                                          \
    ::app::Kind::kind, #fn, [] { return fn(__VA_ARGS__); } \
  }
#define RECORD(fn, ...) ESC_ACTION(Record, fn __VA_OPT__(, ) __VA_ARGS__)
#define OPENING(fn, ...) ESC_ACTION(Opening, fn __VA_OPT__(, ) __VA_ARGS__)
#define CLOSING(fn, ...) ESC_ACTION(Closing, fn __VA_OPT__(, ) __VA_ARGS__)
#define GUARDED(fn, ...) ESC_ACTION(Guarded, fn __VA_OPT__(, ) __VA_ARGS__)
#define VERSION(fn)                                \
  ::app::Action {                                  \
    ::app::Kind::Version, #fn, [] { return fn(); } \
  }
// VALIDATION(vCEP, "valid text", "invalid text", "box caption", arguments…)
#define VALIDATION(fn, valid, invalid, box, ...)                                               \
  ::app::Action {                                                                              \
    ::app::Kind::Validation, #fn, nullptr, [] { return fn(__VA_ARGS__); }, valid, invalid, box \
  }
