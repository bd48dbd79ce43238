// The eleven inner pages, in tab order, each defined by one source of rows.
#pragma once

#include <array>
#include <string_view>

#include "buttons.h"

namespace pages {

extern const app::Page kBloco0;
extern const app::Page kBloco1;
extern const app::Page kBlocoB;
extern const app::Page kBlocoC;
extern const app::Page kBlocoD;
extern const app::Page kBlocoE;
extern const app::Page kBlocoG;
extern const app::Page kBlocoH;
extern const app::Page kBlocoK;
extern const app::Page kBloco9;
extern const app::Page kFuncoesAdicionais;

inline const std::array<const app::Page*, 11> kInnerPages = {&kBloco0, &kBloco1, &kBlocoB,           &kBlocoC,
                                                             &kBlocoD, &kBlocoE, &kBlocoG,           &kBlocoH,
                                                             &kBlocoK, &kBloco9, &kFuncoesAdicionais};

// The button whose component name or caption this is, or nullptr.
const app::Button* findButton(std::string_view componentOrCaption);
// The page that holds the button.
const app::Page* pageOf(const app::Button& button);

}  // namespace pages
