// Texts in the library's form: compile-time literals and texts made at run time.
#include "text.h"

#include <gtest/gtest.h>

#include "function_table.h"

namespace {

using namespace esc::literals;

TEST(Text, LiteralIsWindows1252WithItsHeader) {
  const esc::Text t = "Descriçao"_t;
  EXPECT_EQ(esc::bytes(t),
            "Descri\xE7"
            "ao");
  const esc::TextHeader h = esc::header(t);
  EXPECT_EQ(h.codePage, 1252);
  EXPECT_EQ(h.elementSize, 1);
  EXPECT_EQ(h.refCount, -1);
  EXPECT_EQ(h.length, 9);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(t) % 4, 0u);
}

TEST(Text, EmptyLiteralIsNull) { EXPECT_EQ(""_t, nullptr); }

TEST(Text, CharactersOfTheHighRangeMapToTheirBytes) {
  EXPECT_EQ(esc::bytes("€ “x” – ‰"_t), "\x80 \x93x\x94 \x96 \x89");
  EXPECT_EQ(esc::bytes("ÁÉÍÓÚáéíóúãõçÇºª"_t), "\xC1\xC9\xCD\xD3\xDA\xE1\xE9\xED\xF3\xFA\xE3\xF5\xE7\xC7\xBA\xAA");
}

TEST(Text, SameLiteralIsOneBlock) { EXPECT_EQ("015"_t, "015"_t); }

TEST(Text, OwnedTextConvertsAndCarriesTheHeader) {
  const esc::OwnedText t("C:\\Saída");
  EXPECT_EQ(esc::bytes(t.get()),
            "C:\\Sa\xED"
            "da");
  EXPECT_EQ(esc::header(t.get()).length, 8);
  EXPECT_EQ(esc::header(t.get()).refCount, -1);
  EXPECT_EQ(esc::OwnedText("").get(), nullptr);
  EXPECT_EQ(esc::bytes(esc::OwnedText("λ/x").get()), "?/x");
  EXPECT_EQ(esc::bytes(esc::OwnedText("a\xFF"
                                      "b")
                           .get()),
            "a?b");  // not UTF-8 at all
}

TEST(Text, RoundTripOfEveryWindows1252Byte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = esc::toUtf8(all);
  std::string back = esc::toCp1252(utf8);
  // The five unassigned bytes have no character; everything else comes back unchanged.
  for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) back[b - 1] = static_cast<char>(b);
  EXPECT_EQ(back, all);
}

TEST(FunctionTable, KnowsNamesAndArgumentCounts) {
  struct Case {
    const char* name;
    esc::FunctionKind kind;
    int args;
  };
  const Case cases[] = {
      {"Registro0000", esc::FunctionKind::Record, 14},
      {"RegistroC100", esc::FunctionKind::Record, 28},
      {"RegistroC170", esc::FunctionKind::Record, 37},
      {"Registro9999", esc::FunctionKind::Record, 0},
      {"RegistroD100_ANTES_ABR2012", esc::FunctionKind::Record, 22},
      {"RegistroD100", esc::FunctionKind::Record, 24},
      {"vInscEst", esc::FunctionKind::Validator, 2},
      {"vCNPJ", esc::FunctionKind::Validator, 1},
      {"Inicia_SPED", esc::FunctionKind::Control, 2},
      {"Info_Versao", esc::FunctionKind::Control, 0},
  };
  for (const Case& c : cases) {
    const esc::FunctionInfo* f = esc::findFunction(c.name);
    ASSERT_NE(f, nullptr) << c.name;
    EXPECT_EQ(f->kind, c.kind) << c.name;
    EXPECT_EQ(f->argumentCount, c.args) << c.name;
  }
  EXPECT_EQ(esc::findFunction("RegistroX999"), nullptr);
}

}  // namespace
