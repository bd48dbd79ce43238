// Page "Bloco H": block H, inventory.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoH{"TabSheet8", "Bloco H", {}};

}  // namespace pages
