// Page "Bloco 9": control and closing of the file.
#include "pages.h"
#include "samples.h"

namespace pages {
namespace {

using namespace app;

// clang-format off
constexpr Button kButtons[] = {
  {"Button179", "Registro 9001", {10, 8, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(Registro9001, "0"_t)},
  {"Button180", "Registro 9900", {10, 32, 113, 25}, Style::Plain, Colour::Default, kNoTip,
   RECORD(Registro9900)},
  {"Button181", "Registro 9990", {10, 56, 113, 25}, Style::Underline, Colour::Default, kNoTip,
   RECORD(Registro9990)},
  {"Button182", "Registro 9999", {10, 80, 113, 25}, Style::Bold, Colour::Default, kNoTip, CLOSING(Registro9999)},
};
// clang-format on

static_assert(std::size(kButtons) == 4);

}  // namespace

constinit const app::Page kBloco9{"TabSheet11", "Bloco 9", kButtons};

}  // namespace pages
