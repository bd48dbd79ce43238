// Page "Bloco H": block H, inventory.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// One column of 137 × 25 buttons at left 10, rows every 24 pixels from 8.
// clang-format off
constexpr Button kButtons[] = {
  {"Button159", "Registro H001", {10, 8, 137, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroH001, "1"_t)},
  {"Button160", "Registro H005", {10, 32, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroH005, "01/05/2007"_t, "2"_t, "05"_t)},
  {"Button250", "Registro H005_A_JUL2012", {10, 56, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroH005_ANTES_JUL2012, "01/05/2007"_t, "2"_t)},
  {"Button64", "Registro H010", {10, 80, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroH010, "01"_t, "3"_t, "2"_t, "1"_t, "1"_t, "1"_t, "1234"_t, "Descricao"_t, "1234"_t, "10"_t)},
  {"Button245", "Registro H020", {10, 104, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroH020, "11"_t, "10"_t, "09"_t)},
  {"Button338", "Registro H030", {10, 128, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroH030, "1"_t, "2"_t, "3"_t, "4"_t)},
  {"Button162", "Registro H990", {10, 152, 137, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroH990)},
};
// clang-format on

static_assert(std::size(kButtons) == 7);

}  // namespace

constinit const app::Page kBlocoH{"TabSheet8", "Bloco H", kButtons};

}  // namespace pages
