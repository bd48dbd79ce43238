// Page "Bloco 0": opening, identification and reference tables.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// clang-format off
constexpr Button kButtons[] = {
  {"Button21", "Registro 0000", {10, 8, 113, 25}, Style::Bold, Colour::Default, kNoTip,
   OPENING(Registro0000, "015"_t, "0"_t, "01/06/2013"_t, "30/06/2013"_t, "Nome empresarial"_t, CNPJ_Exemplo,
           "1234"_t, "BA"_t, IE_Exemplo, "2927408"_t, "567"_t, ""_t, "A"_t, "1"_t)},
};
// clang-format on

}  // namespace

constinit const app::Page kBloco0{"TabSheet4", "Bloco 0", kButtons};

}  // namespace pages
