// Page "Bloco D": block D, documents of services.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// Four columns of 141 × 25 buttons at left 8, 167, 325 and 477; each column keeps its own row tops.
// clang-format off
constexpr Button kButtons[] = {
  // Column 1: rows at 8, 32, 57, 81, … 321.
  {"Button5", "Registro D001", {8, 8, 141, 25}, Style::Underline, Colour::Default, "Registro de Totalização do Arquivo",
   RECORD(RegistroD001, "1"_t)},
  {"Button251", "Registro D100_A_ABR2012", {8, 32, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD100_ANTES_ABR2012, "1"_t, "1"_t, "01"_t, "57"_t, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t,
          "18/11/2009"_t, "19/11/2009"_t, "1"_t, "08"_t, "09"_t, "10"_t, "1"_t, "11"_t, "12"_t, "13"_t, "14"_t,
          "15"_t, "16"_t)},
  {"Button116", "Registro D100", {8, 57, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD100, "1"_t, "1"_t, "01"_t, "57"_t, "02"_t, ""_t, ""_t, "05"_t, "06"_t, "18/03/2013"_t,
          "19/03/2013"_t, "1"_t, "08"_t, "09"_t, "10"_t, "1"_t, "11"_t, "12"_t, "13"_t, "14"_t, "15"_t, "16"_t,
          Municipio_Exemplo, Municipio_Exemplo)},
  {"Button271", "Registro D101", {8, 81, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD101, ""_t, ""_t, ""_t)},
  {"Button117", "Registro D110", {8, 105, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD110, "01"_t, "02"_t, "03"_t, "04"_t)},
  {"Button118", "Registro D120", {8, 129, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD120, "1100205"_t, "1202540"_t, "1234"_t, "UF"_t)},
  {"Button138", "Registro D130", {8, 153, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD130, "01"_t, "02"_t, "1"_t, "1100205"_t, "1100205"_t, "06"_t, "07"_t, "08"_t, "09"_t, "10"_t,
          "11"_t, "12"_t, UF_Exemplo)},
  {"Button141", "Registro D140", {8, 177, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD140, "01"_t, "1100205"_t, "1100205"_t, "1"_t, "05"_t, "1"_t, "07"_t, "08"_t, "09"_t, "10"_t,
          "11"_t, "12"_t, "13"_t)},
  {"Button119", "Registro D150", {8, 201, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD150, "1100205"_t, "01"_t, "02"_t, "03"_t, "1"_t, "04"_t, "05"_t, "06"_t, "07"_t, "08"_t)},
  {"Button120", "Registro D160", {8, 225, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD160, "12345678"_t, CNPJ_Exemplo, "87654321"_t, "01"_t, CNPJ_Exemplo, "12125"_t, "10"_t)},
  {"Button22", "Registro D161", {8, 249, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD161, "0"_t, CNPJ_Exemplo, IE_Exemplo, "1100205"_t, CNPJ_Exemplo, IE_Exemplo, "1100205"_t)},
  {"Button96", "Registro D162", {8, 273, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD162, "02"_t, "01"_t, "02"_t, "18/11/2008"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t)},
  {"Button47", "Registro D170", {8, 297, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD170, "01"_t, "02"_t, "1100205"_t, "03"_t, "04"_t, "1"_t, "05"_t, "06"_t, "07"_t, "08"_t, "09"_t,
          "1234"_t, UF_Exemplo)},
  {"Button288", "Registro D180", {8, 321, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD180, "01"_t, "1"_t, "CNPJ"_t, UF_Exemplo, IE_Exemplo, "1100205"_t, CNPJ_Exemplo, "03"_t,
          UF_Exemplo, "04"_t, "02"_t, "05"_t, "06"_t, "07"_t, "19/11/2008"_t, "08"_t)},

  // Column 2: the same row tops as column 1.
  {"Button275", "Registro D190", {167, 8, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD190, "01"_t, CFOP_Exemplo, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t)},
  {"Button244", "Registro D195", {167, 32, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD195, "123"_t, "Descricao"_t)},
  {"Button242", "Registro D197", {167, 57, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD197, "123"_t, "Descricao"_t, "789"_t, "01"_t, "02"_t, "03"_t, "04"_t)},
  {"Button126", "Registro D300", {167, 81, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD300, "02"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t, CFOP_Exemplo, "08"_t, "18/03/2013"_t, "09"_t,
          "10"_t, "11"_t, "12"_t, "13"_t, "14"_t, "15"_t, "16"_t, "17"_t, "18"_t)},
  {"Button142", "Registro D301", {167, 105, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD301, "01"_t)},
  {"Button127", "Registro D310", {167, 129, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD310, "1100205"_t, "01"_t, "02"_t, "03"_t)},
  {"Button130", "Registro D350", {167, 153, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD350, "08"_t, "07"_t, "06"_t, "05"_t)},
  {"Button146", "Registro D355", {167, 177, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD355, "18/11/2008"_t, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t)},
  {"Button131", "Registro D360", {167, 201, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD360, "01"_t, "02"_t)},
  {"Button147", "Registro D365", {167, 225, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD365, "123"_t, "234"_t, "35"_t, "Descricao"_t)},
  {"Button132", "Registro D370", {167, 249, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD370, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t)},
  {"Button148", "Registro D390", {167, 273, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD390, "123"_t, CFOP_Exemplo, "345"_t, "456"_t, "567"_t, "678"_t, "789"_t, "890"_t, "900"_t,
          "000"_t)},
  {"Button281", "Registro D400", {167, 297, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD400, "02"_t, "01"_t, "03"_t, "04"_t, "05"_t, "06"_t, "18/11/2008"_t, "07"_t, "08"_t, "09"_t,
          "10"_t, "11"_t, "12"_t, "13"_t, "14"_t)},
  {"Button149", "Registro D410", {167, 321, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD410, "01"_t, "02"_t, "03"_t, "04"_t, "05"_t, "18/11/2008"_t, "06"_t, CFOP_Exemplo, "08"_t, "09"_t,
          "10"_t, "11"_t, "12"_t, "13"_t)},

  // Column 3: rows at 8, 32, 56, 80, … 176, then 201, 225, … 321.
  {"Button150", "Registro D411", {325, 8, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD411, "01"_t)},
  {"Button151", "Registro D420", {325, 32, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD420, "1100205"_t, "234"_t, "567"_t, "789"_t)},
  {"Button152", "Registro D500", {325, 56, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD500, "0"_t, "1"_t, "03"_t, "04"_t, "05"_t, "06"_t, "07"_t, "08"_t, "18/11/2008"_t, "18/11/2008"_t,
          "999"_t, "888"_t, "777"_t, "666"_t, "555"_t, "444"_t, "333"_t, "222"_t, "09"_t, "111"_t, "101"_t, "10"_t,
          "1"_t)},
  {"Button153", "Registro D510", {325, 80, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD510, "00"_t, "02"_t, "03"_t, "04"_t, "05"_t, "123"_t, "234"_t, "06"_t, CFOP_Exemplo, "345"_t,
          "08"_t, "52254148"_t, "15484878"_t, "456"_t, "0"_t, "777"_t, "888"_t, "999"_t, "100"_t)},
  {"Button161", "Registro D530", {325, 104, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD530, "0"_t, "18/11/2008"_t, "19/11/2008"_t, "02"_t, "03"_t, "04"_t)},
  {"Button164", "Registro D590", {325, 128, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD590, "123"_t, CFOP_Exemplo, "345"_t, "456"_t, "01"_t, "02"_t, "03"_t, "04"_t, "567"_t, "678"_t)},
  {"Button166", "Registro D600", {325, 152, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD600, "08"_t, "1100205"_t, "345"_t, "456"_t, "01"_t, "678"_t, "18/11/2008"_t, "12"_t, "23"_t,
          "34"_t, "45"_t, "56"_t, "67"_t, "78"_t, "89"_t, "90"_t, "99"_t)},
  {"Button168", "Registro D610", {325, 176, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD610, "01"_t, "02"_t, "03"_t, "04"_t, "12"_t, "23"_t, "123"_t, CFOP_Exemplo, "345"_t, "34"_t,
          "45"_t, "56"_t, "67"_t, "78"_t, "89"_t, "90"_t, "678"_t)},
  {"Button167", "Registro D690", {325, 201, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD690, "123"_t, CFOP_Exemplo, "345"_t, "456"_t, "12"_t, "23"_t, "34"_t, "45"_t, "56"_t, "67"_t)},
  {"Button170", "Registro D695", {325, 225, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD695, "08"_t, "01"_t, "02"_t, "03"_t, "18/11/2008"_t, "18/11/2008"_t, "Nome"_t, "567"_t)},
  {"Button171", "Registro D696", {325, 249, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD696, "123"_t, CFOP_Exemplo, "345"_t, "12"_t, "02"_t, "03"_t, "45"_t, "56"_t, "67"_t, "678"_t)},
  {"Button172", "Registro D697", {325, 273, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD697, UF_Exemplo, "12"_t, "34"_t)},
  {"Button352", "Registro D700", {325, 297, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD700, "1"_t, "0"_t, "2"_t, "01"_t, "05"_t, "1"_t, "1"_t, "01/07/2022"_t, "01/07/2022"_t, "1"_t,
          "0"_t, "2"_t, "3"_t, "4"_t, "0"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "0"_t, "0"_t, "2"_t, "01"_t, "00"_t,
          "00"_t, "00"_t, "00"_t, "001"_t, Municipio_Exemplo)},
  {"Button353", "Registro D730", {325, 321, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD730, "123"_t, CFOP_Exemplo, "12"_t, "01"_t, "02"_t, "03"_t, "04"_t, "123456"_t)},

  // Column 4: rows at 9, 33, … 153.
  {"Button354", "Registro D731", {477, 9, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD731, "123"_t)},
  {"Button355", "Registro D735", {477, 33, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD735, "123"_t, "Descriçao"_t)},
  {"Button356", "Registro D737", {477, 57, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD737, "123"_t, "Descriçao"_t, "001"_t, "11"_t, "10"_t, "12"_t, "00"_t)},
  {"Button357", "Registro D750", {477, 81, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD750, "01"_t, "001"_t, "12/01/2022"_t, "11"_t, "0"_t, "12"_t, "00"_t, "01"_t, "02"_t, "03"_t,
          "04"_t, "05"_t, "06"_t, "07"_t, "08"_t)},
  {"Button358", "Registro D760", {477, 105, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD760, "101"_t, CFOP_Exemplo, "12"_t, "11"_t, "0"_t, "12"_t, "00"_t, "01"_t)},
  {"Button359", "Registro D761", {477, 129, 141, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroD761, "123"_t)},
  {"Button133", "Registro D990", {477, 153, 141, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(RegistroD990)},
};
// clang-format on

static_assert(std::size(kButtons) == 49);

}  // namespace

constinit const app::Page kBlocoD{"TabSheet6", "Bloco D", kButtons};

}  // namespace pages
