// CNPJ, CPF, CEP, state codes and the IBGE check digit of municipality codes.
#include "identifiers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace escrivania {
namespace {

// Every change of one check digit to another digit.
std::vector<std::string> checkDigitChanges(const std::string& valid, std::size_t digits) {
  std::vector<std::string> out;
  for (std::size_t i = valid.size() - digits; i < valid.size(); ++i) {
    for (char c = '0'; c <= '9'; ++c) {
      if (c == valid[i]) continue;
      std::string s = valid;
      s[i] = c;
      out.push_back(s);
    }
  }
  return out;
}

// The number with one body digit moved up by one (9 becomes 0), position by position.
std::vector<std::string> bodyChanges(const std::string& valid, std::size_t checkDigits) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i + checkDigits < valid.size(); ++i) {
    if (valid[i] < '0' || valid[i] > '9') continue;
    std::string s = valid;
    s[i] = s[i] == '9' ? '0' : static_cast<char>(s[i] + 1);
    out.push_back(s);
  }
  return out;
}

TEST(Cnpj, RealNumbersBareAndMasked) {
  for (const char* cnpj : {"11222333000181", "11.222.333/0001-81", "00000000000191", "33000167000101", "60701190000104",
                           "33.000.167/0001-01"}) {
    EXPECT_TRUE(isCnpj(cnpj)) << cnpj;
  }
}

TEST(Cnpj, AlphanumericNumbersUseAsciiMinus48) {
  // The example of the alphanumeric CNPJ published with its introduction, bare and masked.
  EXPECT_TRUE(isCnpj("12ABC34501DE35"));
  EXPECT_TRUE(isCnpj("12.ABC.345/01DE-35"));
  EXPECT_FALSE(isCnpj("12abc34501de35")) << "letters are upper case";
  EXPECT_FALSE(isCnpj("12ABC34501DE3A")) << "check digits are digits";
  EXPECT_FALSE(isCnpj("12ABC34501DF35"));
}

TEST(Cnpj, NearMissesAreInvalid) {
  for (const std::string& valid : {std::string("11222333000181"), std::string("12ABC34501DE35")}) {
    for (const std::string& s : checkDigitChanges(valid, 2)) EXPECT_FALSE(isCnpj(s)) << s;
    for (const std::string& s : bodyChanges(valid, 2)) EXPECT_FALSE(isCnpj(s)) << s;
  }
  for (const char* s :
       {"", "1122233300018", "112223330001811", "11.222.333/0001-8", "11.222.333.0001-81", "11-222-333/0001.81",
        "11 222 333 0001 81", " 11222333000181", "11222333000181 ", "00000000000000", "11111111111111",
        "99.999.999/9999-99", "1122233300018A", "1122233300O181", "11.222.333/000181", "112223330001-81"}) {
    EXPECT_FALSE(isCnpj(s)) << '"' << s << '"';
  }
}

TEST(Cpf, RealNumbersBareAndMasked) {
  for (const char* cpf : {"73190456216", "28461739078", "52998224725", "529.982.247-25", "111.444.777-35"}) {
    EXPECT_TRUE(isCpf(cpf)) << cpf;
  }
}

TEST(Cpf, NearMissesAreInvalid) {
  for (const std::string& valid : {std::string("73190456216"), std::string("52998224725")}) {
    for (const std::string& s : checkDigitChanges(valid, 2)) EXPECT_FALSE(isCpf(s)) << s;
    for (const std::string& s : bodyChanges(valid, 2)) EXPECT_FALSE(isCpf(s)) << s;
  }
  for (const char* s :
       {"", "7319045621", "731904562160", "731.904.562-1", "731.904.56216", "731-904-562.16", "00000000000",
        "11111111111", "999.999.999-99", "7319045621A", "A3190456216", " 73190456216", "73190456216\t"}) {
    EXPECT_FALSE(isCpf(s)) << '"' << s << '"';
  }
}

TEST(Cep, EightDigitsOrTheHyphenMask) {
  for (const char* s : {"40301110", "40170-110", "01001000", "99999999"}) EXPECT_TRUE(isCep(s)) << s;
  for (const char* s : {"", "4030111", "403011100", "40170110-", "4017-0110", "40.170-110", "40170 110", "4017O110",
                        "00000000", "00999-999", " 40301110"}) {
    EXPECT_FALSE(isCep(s)) << '"' << s << '"';
  }
}

TEST(Uf, TheTwentySevenCodesInUpperCase) {
  const char* all[] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                       "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};
  int valid = 0;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) valid += isUf(std::string{a, b}) ? 1 : 0;
  }
  EXPECT_EQ(valid, 27);
  for (const char* uf : all) EXPECT_TRUE(isUf(uf)) << uf;
  for (const char* s : {"", "df", "Df", "D", "DFX", " DF", "EX", "BR"}) EXPECT_FALSE(isUf(s)) << s;
}

TEST(MunicipioRule, CheckDigitAndTheOfficialExceptions) {
  for (const char* s : {"2927408", "3550308", "5300108", "1100015", "4314902"}) EXPECT_TRUE(isMunicipioByRule(s)) << s;
  // Official codes whose last digit breaks the rule.
  for (const char* s :
       {"2201919", "2201988", "2202251", "2611533", "3117836", "3152131", "4305871", "5203939", "5203962"}) {
    EXPECT_TRUE(isMunicipioByRule(s)) << s;
  }
  for (const char* s :
       {"2927409", "2927400", "11002050", "292740", "", "9999999", "0000000", "1800007", "3450004", "29274O8"}) {
    EXPECT_FALSE(isMunicipioByRule(s)) << s;
  }
}

}  // namespace
}  // namespace escrivania
