// Page "Bloco G": block G, ICMS credit on fixed assets.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// One column of 113 × 25 buttons at left 10; rows every 24 pixels, one pixel more after the fourth.
// clang-format off
constexpr Button kButtons[] = {
  {"Button209", "Registro G001", {10, 8, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroG001, "1"_t)},
  {"Button210", "Registro G110", {10, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroG110, "01/09/2009"_t, "30/10/2009"_t, "10"_t, "12"_t, "13"_t, "14"_t, "15"_t, "16"_t, "17"_t)},
  {"Button211", "Registro G125", {10, 56, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroG125, "01"_t, "01/10/2009"_t, "SI"_t, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t)},
  {"Button230", "Registro G126", {10, 80, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroG126, "12/01/2010"_t, "14/02/2010"_t, "12"_t, "22"_t, "24"_t, "26"_t, "28"_t, "30"_t)},
  {"Button212", "Registro G130", {10, 105, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroG130, "0"_t, "02"_t, "02"_t, "04"_t, "05"_t, "06"_t, "04/02/2009"_t, "1233"_t)},
  {"Button213", "Registro G140", {10, 129, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroG140, "01"_t, "02"_t, "12"_t, "kg"_t, "1000"_t, "2000"_t, "3000"_t, "4000"_t)},
  {"Button214", "Registro G990", {10, 153, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroG990)},
};
// clang-format on

static_assert(std::size(kButtons) == 7);

}  // namespace

constinit const app::Page kBlocoG{"TabSheet2", "Bloco G", kButtons};

}  // namespace pages
