// Page "Bloco 9": control and closing of the file.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// clang-format off
constexpr Button kButtons[] = {
  {"Button182", "Registro 9999", {10, 80, 113, 25}, Style::Bold, Colour::Default, kNoTip, CLOSING(Registro9999)},
};
// clang-format on

}  // namespace

constinit const app::Page kBloco9{"TabSheet11", "Bloco 9", kButtons};

}  // namespace pages
