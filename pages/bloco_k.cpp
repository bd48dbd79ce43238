// Page "Bloco K": block K, production and stock.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoK{"TabSheet10", "Bloco K", {}};

}  // namespace pages
