// Page "Bloco D": block D, documents of services.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoD{"TabSheet6", "Bloco D", {}};

}  // namespace pages
