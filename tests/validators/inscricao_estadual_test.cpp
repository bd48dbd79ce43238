// State registrations: numbers published as examples of each state's rule (SINTEGRA examples and
// lists of real registrations), their mutations, and the forms each state still accepts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "identifiers.h"

namespace escrivania {
namespace {

struct StateCase {
  const char* uf;
  std::vector<const char*> valid;
};

// clang-format off
const StateCase kPublished[] = {
    {"AC", {"0100482300112", "01.004.823/001-12", "01.004.141/001-46", "01.001.349/001-77", "01.956.867/001-07"}},
    {"AL", {"240000048", "24.076.739-0", "24.103.644-5", "24.089.826-5", "24.099.991-6", "24.054.337-8"}},
    // Amapá's three ranges: 03000001-03017000, 03017001-03019022 (where a remainder of 0 gives 1)
    // and above.
    {"AP", {"030123459", "03.012.345-9", "030170011", "030170020", "030170071", "030190231"}},
    {"AM", {"041558600", "04.155.860-0"}},
    // Bahia: 8 digits with modulo 10 (first digit 1) and modulo 11 (first digit 6); 9 digits.
    {"BA", {"12345663", "123456-63", "61234557", "612345-57", "100000306", "1000003-06"}},
    {"CE", {"060000015", "06000001-5"}},
    {"DF", {"0730000100109", "07300001001-09"}},
    {"ES", {"082560676", "082.560.67-6"}},
    // Goiás: 11094402 takes 0 or 1; between 10103105 and 10119997 a remainder of 1 gives 1.
    {"GO", {"109876547", "10.987.654-7", "10.103.119-1", "110944020", "110944021", "101031051", "101199971",
            "101031041", "101030860", "101199988"}},
    {"MA", {"120000385", "12000038-5"}},
    // Mato Grosso: 9 digits as issued today, 11 in the older written form.
    {"MT", {"131936867", "13.193.686-7", "130535516", "132051605", "132863723", "00130000019", "0013000001-9"}},
    {"MS", {"283037598", "28.303.759-8", "280405383", "285922033", "280276320"}},
    {"MG", {"0623079040081", "062.307.904/0081"}},
    {"PA", {"159999995", "15-999999-5"}},
    {"PB", {"060000015", "06000001-5"}},
    {"PR", {"1234567850", "123.45678-50"}},
    // Pernambuco: e-Fisco (9 digits) and CACEPE (14 digits).
    {"PE", {"032141840", "0321418-40", "18100100000049", "18.1.001.0000004-9"}},
    {"PI", {"193016567", "19.301.656-7"}},
    {"RJ", {"99999993", "99.999.99-3"}},
    {"RN", {"200400401", "20.040.040-1", "2000400400", "20.0.040.040-0"}},
    {"RS", {"2243658792", "224/3658792"}},
    // Rondônia: 14 digits since 2000, 9 digits before.
    {"RO", {"00000001721593", "0000000172159-3", "0000000058712-5", "0000000002146-6", "101625213",
            "101.62521-3"}},
    {"RR", {"240066281", "24006628-1"}},
    {"SC", {"251040852", "251.040.852"}},
    // São Paulo: industry and trade (12 digits) and rural producers ("P").
    {"SP", {"110042490114", "110.042.490.114", "P011004243002", "P-01100424.3/002"}},
    {"SE", {"271234563", "27123456-3"}},
    // Tocantins: 11 digits with the kind of company in the 3rd and 4th place, and 9 digits.
    {"TO", {"29010227836", "29 01 022783 6", "290227836"}},
};
// clang-format on

std::string digitsOf(const char* s) {
  std::string d;
  for (const char* p = s; *p; ++p) {
    if (*p == 'P' || (*p >= '0' && *p <= '9')) d += *p;
  }
  return d;
}

TEST(InscricaoEstadual, PublishedNumbersOfEveryStateAreValid) {
  ASSERT_EQ(std::size(kPublished), 27u);
  for (const StateCase& c : kPublished) {
    for (const char* ie : c.valid) {
      if (std::string(ie).find(' ') != std::string::npos) {
        EXPECT_FALSE(isInscricaoEstadual(ie, c.uf)) << c.uf << " " << ie << ": blanks are not separators";
        EXPECT_TRUE(isInscricaoEstadual(digitsOf(ie), c.uf)) << c.uf << " " << ie;
      } else {
        EXPECT_TRUE(isInscricaoEstadual(ie, c.uf)) << c.uf << " " << ie;
      }
    }
  }
}

TEST(InscricaoEstadual, AnyOtherLastDigitIsInvalid) {
  for (const StateCase& c : kPublished) {
    for (const char* ie : c.valid) {
      const std::string d = digitsOf(ie);
      if (c.uf == std::string("GO") && d.starts_with("11094402")) continue;  // either digit is valid
      if (d.front() == 'P') continue;  // São Paulo's rural numbers end in an order number
      for (char x = '0'; x <= '9'; ++x) {
        if (x == d.back()) continue;
        std::string s = d;
        s.back() = x;
        EXPECT_FALSE(isInscricaoEstadual(s, c.uf)) << c.uf << " " << s;
      }
    }
  }
}

TEST(InscricaoEstadual, OtherLengthsAndCharactersAreInvalid) {
  for (const StateCase& c : kPublished) {
    // The first example of each state has its state's shortest form, so one digit less is no form.
    const std::string d = digitsOf(c.valid.front());
    for (const std::string& s :
         {d.substr(0, d.size() - 1), d + "000000", "000000" + d, d + ".", "." + d, d.substr(0, 3) + ".." + d.substr(3),
          d.substr(0, 3) + "X" + d.substr(4), d.substr(0, 3) + "," + d.substr(3), std::string(), " " + d, d + " "}) {
      EXPECT_FALSE(isInscricaoEstadual(s, c.uf)) << c.uf << " \"" << s << '"';
    }
  }
}

TEST(InscricaoEstadual, IsentoIsValidForEveryStateAndOnlyWithAState) {
  for (const StateCase& c : kPublished) EXPECT_TRUE(isInscricaoEstadual("ISENTO", c.uf)) << c.uf;
  EXPECT_FALSE(isInscricaoEstadual("ISENTO", ""));
  EXPECT_FALSE(isInscricaoEstadual("ISENTO", "EX"));
  EXPECT_FALSE(isInscricaoEstadual("isento", "SP"));
  EXPECT_FALSE(isInscricaoEstadual("ISENTA", "SP"));
  EXPECT_FALSE(isInscricaoEstadual(" ISENTO", "SP"));
}

TEST(InscricaoEstadual, TheStateMustBeAValidUpperCaseCode) {
  EXPECT_FALSE(isInscricaoEstadual("110042490114", "sp"));
  EXPECT_FALSE(isInscricaoEstadual("110042490114", ""));
  EXPECT_FALSE(isInscricaoEstadual("", ""));
  EXPECT_FALSE(isInscricaoEstadual("", "SP"));
  EXPECT_FALSE(isInscricaoEstadual("110042490114", "SPX"));
}

TEST(InscricaoEstadual, FixedLeadingDigitsAndFormsBelongToTheirState) {
  struct Case {
    const char* uf;
    const char* ie;
  };
  // Each is valid under another state's rule, but breaks this state's leading digits or form.
  const Case invalid[] = {
      {"AC", "0730000100109"},  // DF's leading 07
      {"DF", "0100482300112"},  // AC's leading 01
      {"MS", "060000015"},      // MS numbers start with 28
      {"PA", "060000015"},      // PA numbers start with 15
      {"MA", "060000015"},      // MA numbers start with 12
      {"GO", "060000015"},      // GO numbers start with 10, 11 or 15
      {"RJ", "P99999993"},      // the rural prefix is São Paulo's
      {"TO", "29040227836"},    // kind of company 04 does not exist
      {"MT", "0131936867"},     // 10 digits: neither form
      {"AL", "250000048"},      // AL numbers start with 24
      {"RR", "250066281"},      // RR numbers start with 24
  };
  for (const Case& c : invalid) EXPECT_FALSE(isInscricaoEstadual(c.ie, c.uf)) << c.uf << " " << c.ie;
  // Goiás also issues numbers beginning with 20 to 29 (this one is built by the rule).
  EXPECT_TRUE(isInscricaoEstadual("201234564", "GO"));
  EXPECT_TRUE(isInscricaoEstadual("157532658", "GO"));
  EXPECT_FALSE(isInscricaoEstadual("301234566", "GO")) << "check digit right, prefix not";
  EXPECT_TRUE(isInscricaoEstadual("060000015", "CE"));
  EXPECT_TRUE(isInscricaoEstadual("060000015", "PB"));
  EXPECT_FALSE(isInscricaoEstadual("000000000", "CE")) << "all zeros";
}

TEST(InscricaoEstadual, RuralProducersOfSaoPauloHaveOneCheckDigit) {
  // P, then eight digits, the check digit, and three digits of order.
  EXPECT_TRUE(isInscricaoEstadual("P011004243002", "SP"));
  EXPECT_TRUE(isInscricaoEstadual("P011004243017", "SP"));
  for (char x : std::string("012456789")) {
    std::string s = "P011004243002";
    s[9] = x;
    EXPECT_FALSE(isInscricaoEstadual(s, "SP")) << s;
  }
  EXPECT_FALSE(isInscricaoEstadual("p011004243002", "SP"));
  EXPECT_FALSE(isInscricaoEstadual("P01100424300", "SP"));
}

TEST(InscricaoEstadual, BahiaPicksTheModulusByTheRightDigit) {
  // 8 digits: the first digit picks; 9 digits: the second. The same body under the other modulus
  // gives other check digits.
  EXPECT_TRUE(isInscricaoEstadual("61234557", "BA"));   // 6: modulo 11
  EXPECT_FALSE(isInscricaoEstadual("61234563", "BA"));  // modulo-10 digits of the same body
  EXPECT_TRUE(isInscricaoEstadual("12345663", "BA"));   // 1: modulo 10
  EXPECT_TRUE(isInscricaoEstadual("100000306", "BA"));  // second digit 0: modulo 10
}

}  // namespace
}  // namespace escrivania
