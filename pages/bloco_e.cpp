// Page "Bloco E": block E, assessment of ICMS and IPI.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// Two columns of 113 × 25 buttons at left 10 and 138, fourteen rows each.
// clang-format off
constexpr Button kButtons[] = {
  // Column 1: rows every 24 pixels from 8 to 320.
  {"Button134", "Registro E001", {10, 8, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroE001, "0"_t)},
  {"Button139", "Registro E100", {10, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE100, "01/06/2013"_t, "30/06/2013"_t)},
  {"Button140", "Registro E110", {10, 56, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE110, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t, "00"_t,
          "00"_t, "00"_t, "00"_t)},
  {"Button176", "Registro E111", {10, 80, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE111, "123"_t, "Descricao"_t, "345"_t)},
  {"Button175", "Registro E112", {10, 104, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE112, "123"_t, "234"_t, "2"_t, "Descricao"_t, "Descricao"_t)},
  {"Button174", "Registro E113", {10, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE113, "123"_t, "08"_t, "234"_t, "567"_t, "678"_t, "18/11/2008"_t, "900"_t, "999"_t,
          "1234567890123655420022565656562256223366"_t)},
  {"Button173", "Registro E115", {10, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE115, "123"_t, "12"_t, "Descricao"_t)},
  {"Button58", "Registro E116", {10, 176, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE116, "000"_t, "01"_t, "18/11/2008"_t, "02"_t, "03"_t, ""_t, "Descricao"_t, "Descricao"_t,
          "02/2002"_t)},
  {"Button228", "Registro E116_A_2011", {10, 200, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE116_ANTES_JAN2011, "000"_t, "01"_t, "18/11/2008"_t, "02"_t, "03"_t, "0"_t, "Descricao"_t,
          "Descricao"_t)},
  {"Button143", "Registro E200", {10, 224, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE200, "UF"_t, "18/11/2008"_t, "19/11/2008"_t)},
  {"Button144", "Registro E210", {10, 248, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE210, "1"_t, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t, "08"_t, "09"_t, "10"_t,
          "11"_t, "12"_t, "13"_t)},
  {"Button177", "Registro E220", {10, 272, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE220, "PE019999"_t, "Descricao"_t, "345"_t)},
  {"Button178", "Registro E230", {10, 296, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE230, "123"_t, "234"_t, "1"_t, "Descricao"_t, "Descricao"_t)},
  {"Button183", "Registro E240", {10, 320, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE240, "123"_t, "01"_t, "456"_t, "567"_t, "678"_t, "18/02/2013"_t, "02"_t, "05"_t, "01245366"_t)},

  // Column 2: rows at 8, 32, … 176, then 201, 225, … 321.
  {"Button145", "Registro E250", {138, 8, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE250, "01"_t, "02"_t, "18/11/2008"_t, "03"_t, "04"_t, ""_t, "Descricao"_t, "Descricao"_t,
          "11/2008"_t)},
  {"Button229", "Registro E250_A_2011", {138, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE250_ANTES_JAN2011, "01"_t, "02"_t, "18/11/2008"_t, "03"_t, "04"_t, "1"_t, "Descricao"_t,
          "Descricao"_t)},
  {"Button272", "Registro E300", {138, 56, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE300, "BA"_t, "01012016"_t, "30012016"_t)},
  {"Button273", "Registro E310", {138, 80, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE310, "0"_t, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "10"_t, "11"_t, "12"_t,
          "21"_t, "01"_t, "213"_t, "124555"_t, "2542356"_t, "255455"_t, "123"_t, "2456"_t)},
  {"Button274", "Registro E311", {138, 104, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE311, "PE009999"_t, "DESRICAO"_t, "01"_t)},
  {"Button276", "Registro E312", {138, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE312, "0"_t, "0"_t, "0"_t, "0"_t, "0"_t)},
  {"Button277", "Registro E313", {138, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE313, "0"_t, "01"_t, "0"_t, "0"_t, "0"_t, "0"_t, "11/01/2015"_t, "0"_t, "0"_t)},
  {"Button278", "Registro E316", {138, 176, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE316, "000"_t, "00"_t, "30122016"_t, "0"_t, "0"_t, "0"_t, "0"_t, "0"_t, "012016"_t)},
  {"Button154", "Registro E500", {138, 201, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE500, "0"_t, "18/11/2008"_t, "19/11/2008"_t)},
  {"Button155", "Registro E510", {138, 225, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE510, CFOP_Exemplo, "01"_t, "1234"_t, "1234"_t, "1234"_t)},
  {"Button156", "Registro E520", {138, 249, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE520, "1234"_t, "1234"_t, "1234"_t, "1234"_t, "1234"_t, "1234"_t, "1234"_t)},
  {"Button157", "Registro E530", {138, 273, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE530, "1"_t, "01"_t, "02"_t, "1"_t, "03"_t, "Descricao"_t)},
  {"Button287", "Registro E531", {138, 297, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroE531, "1"_t, "55"_t, "02"_t, "01"_t, "03"_t, "20/01/2017"_t, "12"_t, "10"_t,
          "123456789012345678901234567890123456789012345678901234"_t)},
  {"Button158", "Registro E990", {138, 321, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroE990)},
};
// clang-format on

static_assert(std::size(kButtons) == 28);

}  // namespace

constinit const app::Page kBlocoE{"TabSheet7", "Bloco E", kButtons};

}  // namespace pages
