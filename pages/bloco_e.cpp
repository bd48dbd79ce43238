// Page "Bloco E": block E, assessment of ICMS and IPI.
#include "pages.h"
#include "samples.h"

namespace pages {

constinit const app::Page kBlocoE{"TabSheet7", "Bloco E", {}};

}  // namespace pages
