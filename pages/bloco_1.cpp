// Page "Bloco 1": block 1, other information.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// Four columns of buttons 113 × 25 (the closing one 26 high), at lefts 10, 143, 271 and 399; the
// tops of columns 2 and 3 drift by a pixel here and there.
// clang-format off
constexpr Button kButtons[] = {
  // Column 1
  {"Button59", "Registro 1001", {10, 8, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(Registro1001, "1"_t)},
  {"Button247", "Registro 1010", {10, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1010, "S"_t, "N"_t, "S"_t, "N"_t, "S"_t, "N"_t, "S"_t, "N"_t, "S"_t, "N"_t, "N"_t, "N"_t,
          "N"_t)},
  {"Button184", "Registro 1100", {10, 56, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1100, "0"_t, "02"_t, "18/11/2008"_t, "0"_t, "04"_t, "18/11/2008"_t, "05"_t, "18/11/2008"_t,
          "18/11/2008"_t, "06"_t, "07"_t)},
  {"Button185", "Registro 1105", {10, 80, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1105, "02"_t, "234"_t, "345"_t, "456"_t, "18/11/2008"_t, "789"_t)},
  {"Button186", "Registro 1110", {10, 104, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1110, "01"_t, "02"_t, "03"_t, "04"_t, "18/11/2008"_t, "05"_t, "06"_t, "07"_t, "08"_t)},
  {"Button187", "Registro 1200", {10, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1200, "123"_t, "13"_t, "14"_t, "15"_t, "16"_t, "17"_t)},
  {"Button188", "Registro 1210", {10, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1210, "MG01"_t, "03"_t, "04"_t, "1234587844487451488787487"_t)},
  {"Button339", "Registro 1250", {10, 176, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1250, ""_t, ""_t, ""_t, ""_t, ""_t)},
  {"Button340", "Registro 1255", {10, 200, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1255, "MG100"_t, ""_t, ""_t, ""_t, ""_t, ""_t)},
  {"Button189", "Registro 1300", {10, 224, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1300, "01"_t, "18/11/2008"_t, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t, "08"_t, "09"_t)},

  // Column 2
  {"Button190", "Registro 1310", {143, 7, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1310, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t, "08"_t, "09"_t)},
  {"Button191", "Registro 1320", {143, 31, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1320, "01"_t, "02"_t, "Motivo"_t, "Nome"_t, CNPJ_Exemplo, CPF_Exemplo, "05"_t, "06"_t, "07"_t,
          "08"_t)},
  {"Button83", "Registro 1350", {143, 56, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1350, "01"_t, "Nome do fabricante"_t, "02"_t, "1"_t)},
  {"Button84", "Registro 1360", {143, 80, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1360, "01"_t, "18/11/2008"_t)},
  {"Button85", "Registro 1370", {143, 104, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1370, "01"_t, "02"_t, "03"_t)},
  {"Button248", "Registro 1390", {143, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1390, "01"_t)},
  {"Button249", "Registro 1391", {143, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1391, "18/11/2008"_t, "24"_t, "65"_t, "84"_t, "81"_t, "69"_t, "45"_t, "78"_t, "98"_t, "23"_t,
          "65"_t, "45"_t, "33"_t, "12"_t, "94"_t, "observação"_t, "1"_t, "01"_t, "123"_t, "124"_t, "125"_t,
          "126"_t)},
  {"Button192", "Registro 1400", {143, 177, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1400, "123"_t, "1100205"_t, "13"_t)},
  {"Button193", "Registro 1500", {143, 201, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1500, "0"_t, "1"_t, "02"_t, "08"_t, "04"_t, "05"_t, "03"_t, "07"_t, "06"_t, "18/11/2008"_t,
          "19/11/2008"_t, "12"_t, "13"_t, "14"_t, "15"_t, "16"_t, "17"_t, "18"_t, "19"_t, "20"_t, "21"_t, "22"_t,
          "23"_t, "24"_t, "1"_t, "02"_t)},
  {"Button194", "Registro 1510", {143, 225, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1510, "03"_t, "11"_t, "12"_t, "13"_t, "14"_t, "15"_t, "16"_t, "17"_t, CFOP_Exemplo, "19"_t,
          "20"_t, "21"_t, "22"_t, "23"_t, "24"_t, "0"_t, "26"_t, "27"_t, "28"_t, "29"_t)},

  // Column 3
  {"Button87", "Registro 1600", {271, 9, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1600, "01"_t, "02"_t, "03"_t)},
  {"Button343", "Registro 1601", {271, 33, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1601, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t)},
  {"Button215", "Registro 1700", {271, 57, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1700, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t, "07"_t, "08"_t)},
  {"Button216", "Registro 1710", {271, 81, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1710, "01"_t, "02"_t)},
  {"Button217", "Registro 1800", {271, 104, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1800, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t, "08"_t, "09"_t)},
  {"Button231", "Registro 1900", {271, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1900, "3"_t, "Descricao"_t)},
  {"Button232", "Registro 1910", {271, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1910, "01/01/2009"_t, "31/01/2009"_t)},
  {"Button233", "Registro 1920", {271, 176, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1920, "10"_t, "12"_t, "14"_t, "16"_t, "18"_t, "20"_t, "22"_t, "24"_t, "26"_t, "28"_t, "30"_t,
          "32"_t)},
  {"Button234", "Registro 1921", {271, 200, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1921, "123456"_t, "Descricacao"_t, "12"_t)},
  {"Button235", "Registro 1922", {271, 224, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1922, "123456"_t, "123456"_t, "1"_t, "Descricao"_t, "Descricao"_t)},

  // Column 4
  {"Button236", "Registro 1923", {399, 8, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1923, "123456"_t, "55"_t, "0123"_t, "001"_t, "1251"_t, "12/01/2009"_t, "123"_t, "15"_t,
          "2256565565"_t)},
  {"Button237", "Registro 1925", {399, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1925, "1234"_t, "10"_t, "Descricao"_t)},
  {"Button238", "Registro 1926", {399, 56, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1926, "001"_t, "12"_t, "01/01/2009"_t, "01234"_t, "12345"_t, "0"_t, "Descricao"_t,
          "Descricao"_t, "06/2009"_t)},
  {"Button315", "Registro 1960", {399, 80, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1960, "01"_t, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "0"_t, "1"_t)},
  {"Button316", "Registro 1970", {399, 104, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1970, "00"_t, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "0"_t)},
  {"Button317", "Registro 1975", {399, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1975, "1"_t, "2"_t, "3"_t, "4"_t)},
  {"Button318", "Registro 1980", {399, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro1980, "00"_t, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "0"_t, "1"_t,
          "2"_t)},
  {"Button65", "Registro 1990", {399, 176, 113, 26}, Style::Underline, Colour::Default, kNoTip,
   RECORD(Registro1990)},
};
// clang-format on

}  // namespace

constinit const app::Page kBloco1{"TabSheet9", "Bloco 1", kButtons};

}  // namespace pages
