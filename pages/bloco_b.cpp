// Page "Bloco B": block B, the ISS of the Federal District.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoB{"TabSheet13", "Bloco B", {}};

}  // namespace pages
