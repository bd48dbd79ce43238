// The pages "Bloco 1", "Bloco K" and "Bloco B" pressed through the console core against the
// recording library: what crosses to the library, the tool tips and the odd geometry.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "console.h"
#include "console_fixture.h"
#include "pages.h"
#include "recording.h"

namespace {

using Args = std::vector<std::optional<std::string>>;
using Place = std::pair<std::string, std::size_t>;  // caption, zero-based argument index

const std::vector<const app::Page*> kPages = {&pages::kBloco1, &pages::kBlocoK, &pages::kBlocoB};

class Pages1KB : public ConsoleFixture {
 protected:
  // Presses the button, the library answering `result`, and returns the one call it made.
  recording::Call pressOnce(const app::Button& b, std::int32_t result = 0) {
    recording::reset();
    recording::setDefaultResult(result);
    dialogs.shown.clear();
    form.click(b);
    const auto calls = recording::calls();
    EXPECT_EQ(calls.size(), 1u) << b.caption;
    return calls.empty() ? recording::Call{} : calls.front();
  }
};

// Every button of the three pages calls its one record function with well-formed texts and names
// itself in the failure report. Across all of them, null pointers and sample values stand only
// where they belong.
TEST_F(Pages1KB, EveryPressCallsItsRecordOnceAndNullsAndSamplesStandInTheirPlaces) {
  const std::set<std::string> sampleValues = {"11222333000181", "71203958", "DF", "28461739078", "5.301", "2927408"};
  std::set<Place> nulls;
  std::map<Place, std::string> samples;
  for (const app::Page* page : kPages) {
    for (const app::Button& b : page->buttons) {
      const recording::Call call = pressOnce(b, -1);
      EXPECT_EQ(call.function, b.action.function);
      EXPECT_TRUE(call.headersWellFormed) << b.caption;
      EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Erro na chamada do " + std::string(b.caption) +
                                                          ", verifique o erro em C:\\Saida"});
      for (std::size_t i = 0; i < call.args.size(); ++i) {
        const Place place{std::string(b.caption), i};
        if (!call.args[i]) {
          nulls.insert(place);
        } else {
          EXPECT_FALSE(call.args[i]->empty()) << b.caption << " #" << i;
          if (sampleValues.contains(*call.args[i])) samples[place] = *call.args[i];
        }
      }
    }
  }
  const std::set<Place> expectedNulls = {
      {"Registro 1250", 0}, {"Registro 1250", 1}, {"Registro 1250", 2}, {"Registro 1250", 3},
      {"Registro 1250", 4}, {"Registro 1255", 1}, {"Registro 1255", 2}, {"Registro 1255", 3},
      {"Registro 1255", 4}, {"Registro 1255", 5}, {"Registro K200", 4},
  };
  EXPECT_EQ(nulls, expectedNulls);
  const std::map<Place, std::string> expectedSamples = {
      {{"Registro 1320", 4}, "11222333000181"}, {{"Registro 1320", 5}, "28461739078"}, {{"Registro 1510", 8}, "5.301"},
      {{"Registro B020", 9}, "2927408"},        {{"Registro B510", 3}, "28461739078"},
  };
  EXPECT_EQ(samples, expectedSamples);
}

TEST_F(Pages1KB, EmptyArgumentsAreNullPointersNotBlanks) {
  EXPECT_EQ(pressOnce(button("Registro 1250")).args,
            (Args{std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
  EXPECT_EQ(pressOnce(button("Registro 1255")).args,
            (Args{"MG100", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Pages1KB, AccentedArgumentCrossesAsWindows1252) {
  const recording::Call call = pressOnce(button("Button249"));
  ASSERT_EQ(call.args.size(), 22u);
  EXPECT_EQ(call.args[15], std::optional<std::string>("observa\xE7\xE3o"));
  EXPECT_EQ(call.args[14], std::optional<std::string>("94"));
  EXPECT_EQ(call.args[16], std::optional<std::string>("1"));
  EXPECT_TRUE(call.headersWellFormed);
}

TEST_F(Pages1KB, SampleValuesPassUnchanged) {
  struct Case {
    std::string_view button;
    std::size_t index;
    std::string value;
  };
  const Case cases[] = {
      {"Registro K270", 0, "12/04/2016"},           // a well-formed date ...
      {"Registro K270", 1, "14/05/216"},            // ... beside one with a three-digit year
      {"Registro K280", 1, "1005200765954248484"},  // nineteen digits, not a number
      {"Registro 1926", 8, "06/2009"},              // month and year only
      {"Registro 1921", 1, "Descricacao"},
      {"Registro B510", 4, "NOME"},
  };
  for (const Case& c : cases) {
    const recording::Call call = pressOnce(button(c.button));
    ASSERT_LT(c.index, call.args.size()) << c.button;
    EXPECT_EQ(call.args[c.index], std::optional<std::string>(c.value)) << c.button << " #" << c.index;
  }
}

// The closing records of the blocks are plain records: no argument, no Finaliza_SPED, no closing
// message.
TEST_F(Pages1KB, BlockClosingRecordsPassNoArgument) {
  struct Case {
    std::string_view caption;
    std::string_view function;
  };
  const Case cases[] = {
      {"Registro 1990", "Registro1990"}, {"Registro K990", "RegistroK990"}, {"Registro B990", "RegistroB990"}};
  for (const Case& c : cases) {
    recording::reset();
    recording::setResult(std::string(c.function), 5);
    dialogs.shown.clear();
    form.click(button(c.caption));
    const auto calls = recording::calls();
    ASSERT_EQ(calls.size(), 1u) << c.caption;
    EXPECT_EQ(calls[0].function, c.function);
    EXPECT_TRUE(calls[0].args.empty()) << c.caption;
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Retorno desconhecido"}) << c.caption;
    EXPECT_EQ(app::functionsCalled(button(c.caption)), std::vector<std::string_view>{c.function});
  }
}

TEST(Pages1KBTips, BlockBTipsAreExactAndB035HasNone) {
  const std::string opening =
      "Este registro dever\xC3\xA1 ser composto por contribuintes do ICMS, \x0D\x0A"
      "prestadores de servi\xC3\xA7o de comunica\xC3\xA7\xC3\xA3o e telecomunica\xC3\xA7\xC3\xA3o";
  const std::string identification =
      "Este registro dever\xC3\xA1 conter \x0D\x0A"
      "a identifica\xC3\xA7\xC3\xA3o do cliente e do fornecedor";
  const std::string closing = "Observa\xC3\xA7\xC3\xA3o";
  int identified = 0;
  for (const app::Button& b : pages::kBlocoB.buttons) {
    if (b.caption == "Registro B001") {
      EXPECT_EQ(b.tooltip, opening);
    } else if (b.caption == "Registro B990") {
      EXPECT_EQ(b.tooltip, closing);
    } else if (b.caption == "Registro B035") {
      EXPECT_TRUE(b.tooltip.empty());
    } else {
      EXPECT_EQ(b.tooltip, identification) << b.caption;
      ++identified;
    }
  }
  EXPECT_EQ(identified, 10);
  for (const app::Page* page : {&pages::kBloco1, &pages::kBlocoK})
    for (const app::Button& b : page->buttons) EXPECT_TRUE(b.tooltip.empty()) << b.caption;
}

// Button counts per column (keyed by left edge) and sizes, with the two odd buttons: "Registro
// 1990" one pixel taller, "Registro B990" one pixel left of its column.
TEST(Pages1KBGeometry, ColumnsSizesAndTheOddButtons) {
  struct Case {
    const app::Page* page;
    std::map<int, int> buttonsPerLeft;
    int width;
  };
  const Case cases[] = {
      {&pages::kBloco1, {{10, 10}, {143, 10}, {271, 10}, {399, 8}}, 113},
      {&pages::kBlocoK, {{10, 15}, {170, 8}}, 137},
      {&pages::kBlocoB, {{1, 12}, {0, 1}}, 138},
  };
  for (const Case& c : cases) {
    std::map<int, int> perLeft;
    for (const app::Button& b : c.page->buttons) {
      ++perLeft[b.rect.left];
      EXPECT_EQ(b.rect.width, c.width) << b.caption;
      EXPECT_EQ(b.rect.height, b.caption == "Registro 1990" ? 26 : 25) << b.caption;
    }
    EXPECT_EQ(perLeft, c.buttonsPerLeft) << c.page->caption;
  }
  EXPECT_EQ(button("Registro B990").rect.left, 0);
  EXPECT_EQ(button("Registro B990").rect.top, 300);
  EXPECT_EQ(button("Registro 1990").rect.left, 399);
}

}  // namespace
