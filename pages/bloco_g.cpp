// Page "Bloco G": block G, ICMS credit on fixed assets.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoG{"TabSheet2", "Bloco G", {}};

}  // namespace pages
