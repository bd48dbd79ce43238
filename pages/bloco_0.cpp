// Page "Bloco 0": opening, identification and reference tables.
#include <string_view>

#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// Shared by "Registro 0205" and "Registro 0206".
constexpr std::string_view kEcfSituationTip =
    "Registro de informação de operações/prestações realizadas com ECF\r\n"
    "Indentificador de cada situação tributária no final do dia de cada equipamento emissor de cupom fiscal";

// Three columns of eight, column by column, top to bottom. "Registro 0005" is the one guarded
// call of the console: a failure raised by the library is shown as "erro".
// clang-format off
constexpr Button kButtons[] = {
  // Column at left 10.
  {"Button21", "Registro 0000", {10, 8, 113, 25}, Style::Bold, Colour::Default, kNoTip,
   OPENING(Registro0000, "015"_t, "0"_t, "01/06/2013"_t, "30/06/2013"_t, "Nome empresarial"_t, CNPJ_Exemplo,
           "1234"_t, "BA"_t, IE_Exemplo, "2927408"_t, "567"_t, ""_t, "A"_t, "1"_t)},
  {"Button1", "Registro 0001", {10, 32, 113, 25}, Style::Underline, Colour::Default,
   "Registro Mestre do Estabelecimento\r\n"
   "Indentifição do Estabelecimento informante",
   RECORD(Registro0001, "0"_t)},
  {"Button322", "Registro 0002", {10, 56, 113, 25}, Style::Plain, Colour::Default, "Dados complementares do informante",
   RECORD(Registro0002, "00"_t)},
  {"Button2", "Registro 0005", {10, 80, 113, 25}, Style::Plain, Colour::Default, "Dados complementares do informante",
   GUARDED(Registro0005, "Nome de fantasia"_t, "40170-110"_t, "Logradouro"_t, "236"_t, "Complemento"_t, "Bairro"_t,
           "7132105555"_t, "7132105555"_t, kSampleEmail)},
  {"Button18", "Registro 0015", {10, 104, 113, 25}, Style::Plain, Colour::Default,
   "Registros de Total de Nota Fiscal Quanto ao IPI",
   RECORD(Registro0015, UF_Exemplo, IE_Exemplo)},
  {"Button15", "Registro 0100", {10, 128, 113, 25}, Style::Plain, Colour::Default,
   "Registro de Total de Documento Fical  quanto a substituição tributária\r\n"
   "Informado por Quem Realizou Substituição e Pelo Substituto Tributário/ Realizou Antecipação",
   RECORD(Registro0100, "Nome do contabilista"_t, CPF_Exemplo, "12345"_t, ""_t, "22222222"_t, "Logradouro"_t, "236"_t,
          "Complemento"_t, "Bairro"_t, "7198765432"_t, "7112345679"_t, kSampleEmail, "2927408"_t)},
  {"Button8", "Registro 0150", {10, 152, 113, 25}, Style::Plain, Colour::Default,
   "Registro de Guia Nacional de Recolhimento de Tributos Estaduais",
   RECORD(Registro0150, "123456"_t, "321"_t, "4901"_t, ""_t, ""_t, ""_t, ""_t, ""_t, "Logradouro"_t, "123"_t,
          "Complemento"_t, "Bairro"_t)},
  {"Button25", "Registro 0175", {10, 176, 113, 25}, Style::Plain, Colour::Default,
   "Este registro deverá ser composto pelas montadoras, concessionárias e importadoras,\r\n"
   "nas OPERAÇÕES COM VEÍCULOS AUTOMOTORES NOVOS",
   RECORD(Registro0175, "08/04/2009"_t, "10"_t, "Logradouro"_t)},
  {"Button17", "Registro 0190", {140, 8, 113, 25}, Style::Plain, Colour::Default,
   "Este registro deverá ser composto pelas montadoras, concessionárias e importadoras,\r\n"
   "nas OPERAÇÕES COM VEÍCULOS AUTOMOTORES NOVOS",
   RECORD(Registro0190, "123456"_t, "01"_t)},
  {"Button9", "Registro 0200", {140, 32, 113, 25}, Style::Plain, Colour::Default,
   "Registro de informação de operações/prestações realizadas com ECF\r\n"
   "Indentificador do Equipamento",
   RECORD(Registro0200, "12345"_t, "02"_t, "010107"_t, "1234"_t, "123456"_t, "00"_t, "5"_t, "6"_t, ""_t, "00.00"_t,
          "9"_t, "1234567"_t)},
  {"Button10", "Registro 0205", {140, 56, 113, 25}, Style::Plain, Colour::Grey, kEcfSituationTip,
   RECORD(Registro0205, "Descricao"_t, "18/11/2008"_t, "19/11/2008"_t, "123"_t)},
  {"Button78", "Registro 0206", {140, 80, 113, 25}, Style::Plain, Colour::Grey, kEcfSituationTip,
   RECORD(Registro0206, "1234"_t)},
  {"Button259", "Registro 0210", {140, 104, 113, 25}, Style::Plain, Colour::Default,
   "Para Documentos quando não emitidos por ECF",
   RECORD(Registro0210, "02"_t, "03"_t, "04"_t)},
  {"Button344", "Registro 0220_2021", {140, 128, 113, 25}, Style::Plain, Colour::Default,
   "Para Documentos quando não emitidos por ECF",
   RECORD(Registro0220_2021, "RS"_t, "015"_t)},
  {"Button88", "Registro 0220", {140, 152, 113, 25}, Style::Plain, Colour::Default,
   "Para Documentos quando não emitidos por ECF",
   RECORD(Registro0220, "RS"_t, "015"_t, "1166616461646131646613464"_t)},
  {"Button347", "Registro 0221", {140, 176, 113, 25}, Style::Plain, Colour::Default,
   "Para Documentos quando não emitidos por ECF",
   RECORD(Registro0221, "001"_t, "02"_t)},
  {"Button203", "Registro 0300", {269, 8, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro0300, "1234"_t, "1"_t, "Descricao"_t, "4321"_t, "2253"_t, "010"_t)},
  {"Button204", "Registro 0305", {269, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro0305, "1234"_t, "Descricao"_t, "120"_t)},
  {"Button12", "Registro 0400", {269, 56, 113, 25}, Style::Plain, Colour::Default,
   "Para Documentos quando não emitidos por ECF",
   RECORD(Registro0400, "1234567890"_t, "01"_t)},
  {"Button13", "Registro 0450", {269, 80, 113, 25}, Style::Plain, Colour::Default, "Registro de Total quanto ao ICMS",
   RECORD(Registro0450, "ab"_t, "abc"_t)},
  {"Button16", "Registro 0460", {269, 104, 113, 25}, Style::Plain, Colour::Default, "Registro de Inventário",
   RECORD(Registro0460, "123"_t, "456"_t)},
  {"Button205", "Registro 0500", {269, 128, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro0500, "01/01/2009"_t, "03"_t, "S"_t, "010"_t, "1234"_t, "Nome"_t)},
  {"Button206", "Registro 0600", {269, 152, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro0600, "01/08/2009"_t, "01"_t, "Nome"_t)},
  {"Button23", "Registro 0990", {269, 176, 113, 25}, Style::Underline, Colour::Default,
   "Este registro deverá ser composto por contribuintes do ICMS, \r\n"
   "prestadores de serviço de comunicação e telecomunicação",
   RECORD(Registro0990)},
};
// clang-format on

static_assert(std::size(kButtons) == 24);

}  // namespace

constinit const app::Page kBloco0{"TabSheet4", "Bloco 0", kButtons};

}  // namespace pages
