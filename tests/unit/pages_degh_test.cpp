// Pressing the buttons of the pages "Bloco D", "Bloco E", "Bloco G" and "Bloco H" against the
// recording library: what reaches the library, and what the user is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "console.h"
#include "console_fixture.h"
#include "pages.h"
#include "recording.h"

namespace {

using Args = std::vector<std::optional<std::string>>;

std::string failureText(std::string_view caption, std::string_view directory) {
  return "Erro na chamada do " + std::string(caption) + ", verifique o erro em " + std::string(directory);
}

class PagesDegh : public ConsoleFixture {
 protected:
  // Presses the button and returns the one call it must make.
  recording::Call pressOnce(std::string_view name) {
    const std::size_t before = recording::calls().size();
    form.click(button(name));
    const auto calls = recording::calls();
    if (calls.size() != before + 1)
      throw std::runtime_error(std::string(name) + " made " + std::to_string(calls.size() - before) + " calls");
    return calls.back();
  }
};

// The letters "CNPJ" and "UF" are texts of their own, never the sample constants; where a sample
// constant stands, its value is passed.
TEST_F(PagesDegh, LettersInQuotesAreNotTheSampleConstants) {
  struct Case {
    std::string_view caption;
    std::size_t position;  // 1-based
    std::string expected;
  };
  const Case cases[] = {
      {"Registro D180", 3, "CNPJ"},     {"Registro D180", 7, "11222333000181"},
      {"Registro D180", 4, "DF"},       {"Registro D180", 9, "DF"},
      {"Registro D120", 4, "UF"},       {"Registro D130", 13, "DF"},
      {"Registro E200", 1, "UF"},       {"Registro D100", 23, "2927408"},
      {"Registro D100", 24, "2927408"},
  };
  for (const Case& c : cases) {
    const recording::Call call = pressOnce(c.caption);
    ASSERT_GE(call.args.size(), c.position) << c.caption;
    EXPECT_EQ(call.args[c.position - 1], c.expected) << c.caption << " argument " << c.position;
  }
}

// The current forms leave IND_PROC (E116, E250) and SER/SUB (D100) empty, which must reach the
// library as null pointers; their dated forms carry values in the same places.
TEST_F(PagesDegh, EmptyTextsArriveAsNullWhereTheDatedFormsCarryValues) {
  struct Case {
    std::string_view caption;
    std::size_t position;  // 1-based
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"Registro E116", 6, std::nullopt}, {"Registro E116_A_2011", 6, "0"},     {"Registro E250", 6, std::nullopt},
      {"Registro E250_A_2011", 6, "1"},   {"Registro D100", 6, std::nullopt},   {"Registro D100_A_ABR2012", 6, "03"},
      {"Registro D100", 7, std::nullopt}, {"Registro D100_A_ABR2012", 7, "04"},
  };
  for (const Case& c : cases) {
    const recording::Call call = pressOnce(c.caption);
    ASSERT_GE(call.args.size(), c.position) << c.caption;
    EXPECT_EQ(call.args[c.position - 1], c.expected) << c.caption << " argument " << c.position;
  }
  EXPECT_EQ(pressOnce("Registro D101").args, (Args{std::nullopt, std::nullopt, std::nullopt}));
}

struct Dated {
  std::string_view caption;
  std::string_view function;
  std::size_t argc;
};
constexpr Dated kDatedPairs[] = {
    {"Registro D100_A_ABR2012", "RegistroD100_ANTES_ABR2012", 22}, {"Registro D100", "RegistroD100", 24},
    {"Registro E116_A_2011", "RegistroE116_ANTES_JAN2011", 8},     {"Registro E116", "RegistroE116", 9},
    {"Registro E250_A_2011", "RegistroE250_ANTES_JAN2011", 8},     {"Registro E250", "RegistroE250", 9},
    {"Registro H005_A_JUL2012", "RegistroH005_ANTES_JUL2012", 2},  {"Registro H005", "RegistroH005", 3},
};

TEST_F(PagesDegh, DatedAndCurrentFormsEachCallOnlyTheirOwnFunction) {
  for (const Dated& d : kDatedPairs) {
    recording::reset();
    form.click(button(d.caption));
    const auto calls = recording::calls();
    ASSERT_EQ(calls.size(), 1u) << d.caption;
    EXPECT_EQ(calls[0].function, d.function) << d.caption;
    EXPECT_EQ(calls[0].args.size(), d.argc) << d.caption;
    EXPECT_TRUE(calls[0].headersWellFormed) << d.caption;
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

// A dated form writes the leading fields of the current record; the samples differ only where the
// two forms are meant to differ.
TEST_F(PagesDegh, DatedFormsRepeatTheLeadingFieldsOfTheCurrentForm) {
  struct Case {
    std::string_view dated, current;
    std::set<std::size_t> differing;  // 1-based positions
  };
  const Case cases[] = {
      {"Registro D100_A_ABR2012", "Registro D100", {6, 7, 10, 11}},  // SER, SUB, DT_DOC, DT_A_P
      {"Registro E116_A_2011", "Registro E116", {6}},                // IND_PROC
      {"Registro E250_A_2011", "Registro E250", {6}},                // IND_PROC
      {"Registro H005_A_JUL2012", "Registro H005", {}},
  };
  for (const Case& c : cases) {
    const Args dated = pressOnce(c.dated).args;
    const Args current = pressOnce(c.current).args;
    ASSERT_LT(dated.size(), current.size()) << c.dated;
    for (std::size_t i = 0; i < dated.size(); ++i) {
      if (c.differing.contains(i + 1))
        EXPECT_NE(dated[i], current[i]) << c.dated << " argument " << i + 1;
      else
        EXPECT_EQ(dated[i], current[i]) << c.dated << " argument " << i + 1;
    }
  }
}

TEST_F(PagesDegh, FailureOfADatedFormNamesItsCaptionNotItsFunction) {
  for (const Dated& d : kDatedPairs) {
    recording::reset();
    dialogs.shown.clear();
    recording::setResult(d.function, -1);
    form.click(button(d.caption));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{failureText(d.caption, "C:\\Saida")}) << d.caption;
  }
  // The result set for a dated function does not leak into its current form, nor the reverse.
  recording::reset();
  dialogs.shown.clear();
  recording::setResult("RegistroH005_ANTES_JUL2012", -1);
  form.click(button("Registro H005"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PagesDegh, CedillaCrossesAsOneWindows1252Byte) {
  for (std::string_view caption : {"Registro D735", "Registro D737"}) {
    const recording::Call call = pressOnce(caption);
    ASSERT_GE(call.args.size(), 2u) << caption;
    ASSERT_TRUE(call.args[1].has_value()) << caption;
    EXPECT_EQ(*call.args[1],
              "Descri\xE7"
              "ao")
        << caption;
    EXPECT_EQ(call.args[1]->size(), 9u) << caption;
    EXPECT_TRUE(call.headersWellFormed) << caption;
  }
}

TEST_F(PagesDegh, LongTextsArriveWhole) {
  const recording::Call e113 = pressOnce("Registro E113");
  ASSERT_EQ(e113.args.size(), 9u);
  EXPECT_EQ(e113.args[8], "1234567890123655420022565656562256223366");
  const recording::Call e531 = pressOnce("Registro E531");
  ASSERT_EQ(e531.args.size(), 9u);
  ASSERT_TRUE(e531.args[8].has_value());
  EXPECT_EQ(e531.args[8]->size(), 54u);
  EXPECT_TRUE(e113.headersWellFormed && e531.headersWellFormed);
}

// Unlike "Registro 9999", a block's closing record is an ordinary record: no argument, no
// Finaliza_SPED, no closing message.
TEST_F(PagesDegh, ClosingRecordsOfTheBlocksPassNoArgumentAndCloseNothing) {
  struct Case {
    std::string_view caption, function;
  };
  const Case cases[] = {{"Registro D990", "RegistroD990"},
                        {"Registro E990", "RegistroE990"},
                        {"Registro G990", "RegistroG990"},
                        {"Registro H990", "RegistroH990"}};
  for (const Case& c : cases) {
    recording::reset();
    dialogs.shown.clear();
    form.click(button(c.caption));
    const auto calls = recording::calls();
    ASSERT_EQ(calls.size(), 1u) << c.caption;
    EXPECT_EQ(calls[0].function, c.function);
    EXPECT_TRUE(calls[0].args.empty()) << c.caption;
    EXPECT_TRUE(dialogs.shown.empty()) << c.caption;

    recording::setResult(c.function, -1);
    form.click(button(c.caption));
    EXPECT_EQ(recording::functionNames(), (std::vector<std::string>{std::string(c.function), std::string(c.function)}));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{failureText(c.caption, "C:\\Saida")});
  }
}

// Pressed in any order, even closing records first, every button makes exactly one call of its own
// function and one report naming itself; a second press repeats the same arguments.
TEST_F(PagesDegh, EveryPressMakesOneCallAndOneReportInAnyOrder) {
  std::vector<const app::Button*> all;
  for (const app::Page* page : {&pages::kBlocoD, &pages::kBlocoE, &pages::kBlocoG, &pages::kBlocoH})
    for (const app::Button& b : page->buttons) all.push_back(&b);
  ASSERT_EQ(all.size(), 49u + 28u + 7u + 7u);
  std::reverse(all.begin(), all.end());

  for (const app::Button* b : all) {
    Args first;
    for (int press = 0; press < 2; ++press) {
      recording::reset();
      recording::setDefaultResult(-1);
      dialogs.shown.clear();
      dialogs.e1 = press == 0 ? "C:\\Saida" : "D:\\Outra";
      form.click(*b);
      const auto calls = recording::calls();
      ASSERT_EQ(calls.size(), 1u) << b->caption;
      EXPECT_EQ(calls[0].function, b->action.function) << b->caption;
      EXPECT_TRUE(calls[0].headersWellFormed) << b->caption;
      EXPECT_EQ(dialogs.texts(), std::vector<std::string>{failureText(b->caption, dialogs.e1)});
      if (press == 0)
        first = calls[0].args;
      else
        EXPECT_EQ(calls[0].args, first) << b->caption;
    }
  }
}

// No button of these pages guards its call: a failure raised by the library ends the handler before
// any report, goes to the default error report, and the next press is served as usual.
TEST_F(PagesDegh, RaisedFailureEndsTheHandlerAndTheConsoleGoesOn) {
  recording::raiseIn("RegistroH005_ANTES_JUL2012", "Access violation");
  recording::setResult("RegistroH005_ANTES_JUL2012", -1);
  form.click(button("Registro H005_A_JUL2012"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].dialog, "error");
  EXPECT_EQ(dialogs.shown[0].text, "Access violation");

  dialogs.shown.clear();
  recording::setResult("RegistroH990", 5);
  form.click(button("Registro H990"));
  EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Retorno desconhecido"});
  EXPECT_EQ(recording::functionNames(), (std::vector<std::string>{"RegistroH005_ANTES_JUL2012", "RegistroH990"}));
}

}  // namespace
