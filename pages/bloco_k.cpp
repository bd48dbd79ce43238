// Page "Bloco K": block K, production and stock.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// Two columns of buttons 137 × 25, at lefts 10 and 170, rows 24 apart from top 8.
// clang-format off
constexpr Button kButtons[] = {
  // Column 1
  {"Button261", "Registro K001", {10, 8, 137, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroK001, "1"_t)},
  {"Button345", "Registro K010", {10, 32, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK010, "0"_t)},
  {"Button262", "Registro K100", {10, 56, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK100, "01/05/2007"_t, "01/05/2007"_t)},
  {"Button266", "Registro K200", {10, 80, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK200, "01/05/2007"_t, "10"_t, "10"_t, "0"_t, ""_t)},
  {"Button279", "Registro K210", {10, 104, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK210, "01/05/2007"_t, "10/05/2016"_t, "10"_t, "10"_t, "10"_t)},
  {"Button280", "Registro K215", {10, 128, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK215, "1245258"_t, "1452365"_t)},
  {"Button264", "Registro K220", {10, 152, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK220, "01/05/2007"_t, "10"_t, "10"_t, "10"_t, "10"_t)},
  {"Button265", "Registro K230", {10, 176, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK230, "01/05/2007"_t, "10/05/2007"_t, "10"_t, "10"_t, "10"_t)},
  {"Button267", "Registro K235", {10, 200, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK235, "01/05/2007"_t, "10"_t, "10"_t, "10"_t)},
  {"Button268", "Registro K250", {10, 224, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK250, "01/05/2007"_t, "10"_t, "10"_t)},
  {"Button269", "Registro K255", {10, 248, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK255, "01/05/2007"_t, "10"_t, "10"_t, "10"_t)},
  {"Button282", "Registro K260", {10, 272, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK260, "1245258"_t, "1452365"_t, "21/06/2016"_t, "0"_t, "12/07/2016"_t, "1111222111"_t)},
  {"Button283", "Registro K265", {10, 296, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK265, "1245258"_t, "2262215652525"_t, "21062016"_t)},
  {"Button284", "Registro K270", {10, 320, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK270, "12/04/2016"_t, "14/05/216"_t, "21062016"_t, "12544632"_t, "122512322"_t,
          "265122511255"_t, "1"_t)},
  {"Button285", "Registro K275", {10, 344, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK275, "12250016"_t, "21062016"_t, "12544632"_t, "15445544455445"_t)},

  // Column 2
  {"Button286", "Registro K280", {170, 8, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK280, "01/05/2007"_t, "1005200765954248484"_t, "10"_t, "10"_t, "10"_t, "2665651144645"_t)},
  {"Button289", "Registro K290", {170, 32, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK290, "01/05/2017"_t, "01/05/2017"_t, "10"_t)},
  {"Button290", "Registro K291", {170, 56, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK291, "12345"_t, "10"_t)},
  {"Button291", "Registro K292", {170, 80, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK292, "12345"_t, "10"_t)},
  {"Button292", "Registro K300", {170, 104, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK300, "11/10/2017"_t)},
  {"Button293", "Registro K301", {170, 128, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK301, "12345"_t, "10"_t)},
  {"Button294", "Registro K302", {170, 152, 137, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroK302, "12345"_t, "10"_t)},
  {"Button263", "Registro K990", {170, 176, 137, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroK990)},
};
// clang-format on

}  // namespace

constinit const app::Page kBlocoK{"TabSheet10", "Bloco K", kButtons};

}  // namespace pages
