// The six sample values that the record and validation pages pass.
#pragma once

#include "text.h"

namespace app {

using namespace esc::literals;

inline constexpr esc::Text CNPJ_Exemplo = "11222333000181"_t;
inline constexpr esc::Text IE_Exemplo = "71203958"_t;
inline constexpr esc::Text UF_Exemplo = "DF"_t;
inline constexpr esc::Text CPF_Exemplo = "28461739078"_t;
inline constexpr esc::Text CFOP_Exemplo = "5.301"_t;
inline constexpr esc::Text Municipio_Exemplo = "2927408"_t;

// Our contact address: shown on the page "Como Comprar?" and carried by the records 0005 and 0100.
#define ESC_MAKER_EMAIL "fale@escrivania.test"
inline constexpr esc::Text kSampleEmail = ESC_MAKER_EMAIL ""_t;

}  // namespace app
