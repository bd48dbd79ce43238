// Identifier rules: CNPJ, CPF, CEP, state codes, state registrations (IE) and the IBGE municipality
// check digit. Each takes the bytes of a text and judges them without any table.
#pragma once

#include <string_view>

namespace escrivania {

// 14 characters, or the mask 11.222.333/0001-81; the first twelve may be upper-case letters (the
// alphanumeric CNPJ), whose check-digit value is their ASCII code minus 48.
bool isCnpj(std::string_view s);
// 11 digits, or the mask 123.456.789-09.
bool isCpf(std::string_view s);
// 8 digits, or the mask 40170-110; no CEP begins with 00.
bool isCep(std::string_view s);
// One of the 27 state codes, upper case.
bool isUf(std::string_view s);
// The state registration of that state by its official rule, or "ISENTO" for any state. Dots,
// hyphens and slashes between the digits are ignored.
bool isInscricaoEstadual(std::string_view ie, std::string_view uf);
// A 7-digit code of a state of the IBGE table whose check digit holds, or one of the official
// codes that break the check digit.
bool isMunicipioByRule(std::string_view code);

}  // namespace escrivania
