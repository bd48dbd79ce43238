#include "pages.h"

namespace pages {

const app::Button* findButton(std::string_view name) {
  for (const app::Page* page : kInnerPages)
    for (const app::Button& b : page->buttons)
      if (b.component == name || b.caption == name) return &b;
  return nullptr;
}

const app::Page* pageOf(const app::Button& button) {
  for (const app::Page* page : kInnerPages)
    for (const app::Button& b : page->buttons)
      if (&b == &button) return page;
  return nullptr;
}

}  // namespace pages
