// Page "Bloco C": block C, documents of goods.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoC{"TabSheet5", "Bloco C", {}};

}  // namespace pages
