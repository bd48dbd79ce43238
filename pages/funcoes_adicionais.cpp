// Page "Funções Adicionais": the validators and the library version.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kFuncoesAdicionais{"TabSheet12", "Funções Adicionais", {}};

}  // namespace pages
