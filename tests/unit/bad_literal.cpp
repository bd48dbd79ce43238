// Must fail to compile: the ellipsis is in Windows-1252, the Greek letter is not.
#include "text.h"

using namespace esc::literals;

esc::Text fine = "reticências …"_t;
esc::Text broken = "λ"_t;
