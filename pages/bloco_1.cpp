// Page "Bloco 1": block 1, other information.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBloco1{"TabSheet9", "Bloco 1", {}};

}  // namespace pages
