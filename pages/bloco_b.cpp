// Page "Bloco B": block B, the ISS of the Federal District.
#include <string_view>

#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// The tool tips of the page; each first line keeps its trailing blank.
constexpr std::string_view kOpeningTip =
    "Este registro deverá ser composto por contribuintes do ICMS, \r\n"
    "prestadores de serviço de comunicação e telecomunicação";
constexpr std::string_view kIdentificationTip =
    "Este registro deverá conter \r\n"
    "a identificação do cliente e do fornecedor";
constexpr std::string_view kClosingTip = "Observação";

// One column of buttons 138 × 25 at left 1; the closing button stands at left 0.
// clang-format off
constexpr Button kButtons[] = {
  {"Button295", "Registro B001", {1, 8, 138, 25}, Style::Underline, Colour::Default, kOpeningTip,
   RECORD(RegistroB001, "0"_t)},
  {"Button296", "Registro B020", {1, 32, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB020, "0"_t, "0"_t, "12535"_t, "55"_t, "00"_t, "001"_t, "1231"_t, "12536"_t, "01/01/2018"_t,
          Municipio_Exemplo, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "12"_t)},
  {"Button297", "Registro B025", {1, 56, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB025, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t)},
  {"Button298", "Registro B030", {1, 80, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB030, "55"_t, "001"_t, "1231"_t, "1236"_t, "01/01/2018"_t, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t,
          "6"_t)},
  {"Button299", "Registro B035", {1, 104, 138, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(RegistroB035, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t)},
  {"Button300", "Registro B350", {1, 129, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB350, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "0"_t)},
  {"Button301", "Registro B420", {1, 153, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB420, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t)},
  {"Button302", "Registro B440", {1, 178, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB440, "0"_t, "1"_t, "2"_t, "3"_t, "4"_t)},
  {"Button303", "Registro B460", {1, 203, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB460, "0"_t, "1"_t, "2"_t, "1"_t, "4"_t, "5"_t, "1"_t)},
  {"Button304", "Registro B470", {1, 227, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB470, "1"_t, "2"_t, "3"_t, "4"_t, "5"_t, "6"_t, "7"_t, "8"_t, "9"_t, "0"_t, "1"_t, "2"_t, "3"_t,
          "4"_t)},
  {"Button305", "Registro B500", {1, 251, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB500, "1"_t, "2"_t, "3"_t)},
  {"Button307", "Registro B510", {1, 275, 138, 25}, Style::Plain, Colour::Default, kIdentificationTip,
   RECORD(RegistroB510, "1"_t, "0"_t, "0"_t, CPF_Exemplo, "NOME"_t)},
  {"Button306", "Registro B990", {0, 300, 138, 25}, Style::Underline, Colour::Default, kClosingTip,
   RECORD(RegistroB990)},
};
// clang-format on

}  // namespace

constinit const app::Page kBlocoB{"TabSheet13", "Bloco B", kButtons};

}  // namespace pages
