// The rows of every inner page, checked as a whole: names, captions, styles, placement, and what a
// press calls; then the argument lists and the guard whose shape matters.
#include "pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

#include "console.h"
#include "console_fixture.h"
#include "function_table.h"
#include "recording.h"

namespace {

using Args = std::vector<std::optional<std::string>>;

// Client area of an inner page, and how far neighbouring buttons may overlap.
constexpr int kPageWidth = 718;
constexpr int kPageHeight = 661;
constexpr int kMaxOverlap = 2;

constexpr std::string_view kRecordPrefix = "Registro";

bool isRecordKind(app::Kind kind) {
  return kind == app::Kind::Record || kind == app::Kind::Opening || kind == app::Kind::Closing ||
         kind == app::Kind::Guarded;
}

std::vector<const app::Button*> allButtons() {
  std::vector<const app::Button*> out;
  for (const app::Page* page : pages::kInnerPages)
    for (const app::Button& b : page->buttons) out.push_back(&b);
  return out;
}

std::vector<const app::Button*> recordButtons() {
  std::vector<const app::Button*> out;
  for (const app::Button* b : allButtons())
    if (isRecordKind(b->action.kind)) out.push_back(b);
  return out;
}

std::string where(const app::Button& b) {
  const app::Page* page = pages::pageOf(b);
  return std::string(page ? page->caption : "?") + " / " + std::string(b.component) + " \"" + std::string(b.caption) +
         "\"";
}

// The caption a record function's button carries: "Registro " and the function's code, the dated
// variants in their short form.
std::string expectedCaption(std::string_view function) {
  static constexpr std::pair<std::string_view, std::string_view> kDatedForms[] = {
      {"_ANTES_ABR2012", "_A_ABR2012"},
      {"_ANTES_JUL2012", "_A_JUL2012"},
      {"_ANTES_JAN2011", "_A_2011"},
  };
  std::string code(function.substr(kRecordPrefix.size()));
  for (const auto& [longForm, shortForm] : kDatedForms)
    if (code.ends_with(longForm)) code = code.substr(0, code.size() - longForm.size()) + std::string(shortForm);
  return "Registro " + code;
}

class Pages : public ConsoleFixture {
 protected:
  Args press(std::string_view name) {
    recording::reset();
    form.click(button(name));
    const auto calls = recording::calls();
    if (calls.size() != 1)
      throw std::runtime_error(std::string(name) + " made " + std::to_string(calls.size()) + " calls");
    return calls[0].args;
  }
};

TEST(PageRows, ComponentNamesAreUniqueNumberedButtons) {
  std::set<std::string_view> seen;
  for (const app::Button* b : allButtons()) {
    const std::string_view name = b->component;
    const std::string_view number = name.starts_with("Button") ? name.substr(6) : std::string_view();
    EXPECT_TRUE(!number.empty() && number.front() != '0' && std::ranges::all_of(number, [](char c) {
      return c >= '0' && c <= '9';
    })) << where(*b);
    EXPECT_TRUE(seen.insert(name).second) << "duplicate " << where(*b);
  }
}

TEST(PageRows, EachRowCallsALibraryFunctionOfItsKind) {
  for (const app::Button* b : allButtons()) {
    const esc::FunctionInfo* f = esc::findFunction(b->action.function);
    ASSERT_NE(f, nullptr) << where(*b);
    const esc::FunctionKind expected = isRecordKind(b->action.kind)              ? esc::FunctionKind::Record
                                       : b->action.kind == app::Kind::Validation ? esc::FunctionKind::Validator
                                                                                 : esc::FunctionKind::Control;
    EXPECT_EQ(f->kind, expected) << where(*b);
    EXPECT_EQ(b->action.record == nullptr, b->action.kind == app::Kind::Validation) << where(*b);
    EXPECT_EQ(b->action.validator != nullptr, b->action.kind == app::Kind::Validation) << where(*b);
  }
}

TEST(PageRows, EachRecordFunctionHasExactlyOneButton) {
  std::map<std::string_view, int> buttons;
  for (const app::Button* b : recordButtons()) ++buttons[b->action.function];
  for (const esc::FunctionInfo& f : esc::kFunctions) {
    if (f.kind != esc::FunctionKind::Record) continue;
    const int n = buttons.contains(f.name) ? buttons[f.name] : 0;
    EXPECT_EQ(n, 1) << f.name;
  }
}

TEST(PageRows, RecordCaptionsNameTheirRecord) {
  for (const app::Button* b : recordButtons()) {
    ASSERT_TRUE(b->action.function.starts_with(kRecordPrefix)) << where(*b);
    EXPECT_EQ(b->caption, expectedCaption(b->action.function)) << where(*b);
  }
}

TEST(PageRows, BoldMarksTheFileEdgesAndUnderlineTheBlockEdges) {
  for (const app::Button* b : recordButtons()) {
    const std::string_view code = b->action.function.substr(kRecordPrefix.size(), 4);
    const bool fileEdge = code == "0000" || code == "9999";
    const bool blockEdge = code.substr(1) == "001" || code.substr(1) == "990";
    EXPECT_EQ(b->style == app::Style::Bold, fileEdge) << where(*b);
    EXPECT_EQ(b->style == app::Style::Underline, blockEdge) << where(*b);
  }
}

TEST(PageRows, ButtonsLieInsideTheirPageAndBarelyOverlap) {
  for (const app::Page* page : pages::kInnerPages) {
    const auto buttons = page->buttons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const app::Rect& r = buttons[i].rect;
      EXPECT_TRUE(r.width > 0 && r.height > 0 && r.left >= 0 && r.top >= 0 && r.left + r.width <= kPageWidth &&
                  r.top + r.height <= kPageHeight)
          << where(buttons[i]);
      for (std::size_t j = i + 1; j < buttons.size(); ++j) {
        const app::Rect& s = buttons[j].rect;
        const int across = std::min(r.left + r.width, s.left + s.width) - std::max(r.left, s.left);
        const int down = std::min(r.top + r.height, s.top + s.height) - std::max(r.top, s.top);
        if (across > 0 && down > 0) {
          EXPECT_LE(std::min(across, down), kMaxOverlap) << where(buttons[i]) << " and " << where(buttons[j]);
        }
      }
    }
  }
}

// Every press calls exactly its functions, with texts the library can read, and a record press
// reports a failure once, naming the button by its caption.
TEST_F(Pages, EveryPressCallsItsFunctionsAndReportsOnce) {
  for (const app::Button* b : allButtons()) {
    SCOPED_TRACE(where(*b));
    recording::reset();
    recording::setDefaultResult(-1);
    dialogs.shown.clear();
    form.click(*b);
    const auto listed = app::functionsCalled(*b);
    EXPECT_EQ(recording::functionNames(), std::vector<std::string>(listed.begin(), listed.end()));
    for (const recording::Call& c : recording::calls()) EXPECT_TRUE(c.headersWellFormed) << c.function;
    if (isRecordKind(b->action.kind)) {
      const std::string report = "Erro na chamada do " + std::string(b->caption) + ", verifique o erro em C:\\Saida";
      EXPECT_EQ(std::ranges::count(dialogs.texts(), report), 1);
    }
  }
}

TEST_F(Pages, EmptyTextsAreNullInTheirOwnPlaces) {
  struct Case {
    std::string_view caption;
    std::size_t count;
    std::set<std::size_t> nulls;
  };
  const Case cases[] = {
      {"Registro 0990", 0, {}},
      {"Registro 9900", 0, {}},
      {"Registro 9990", 0, {}},
      {"Registro C990", 0, {}},
      {"Registro 0100", 13, {3}},
      {"Registro 0150", 12, {3, 4, 5, 6, 7}},
      {"Registro C101", 3, {0, 1, 2}},
      {"Registro C300", 10, {1, 2, 3, 4, 6, 7, 8, 9}},
      {"Registro C310", 1, {0}},
      {"Registro C500", 39, {24, 25}},
      {"Registro C100", 28, {7, 8, 9, 10, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22}},
  };
  for (const Case& c : cases) {
    const Args args = press(c.caption);
    ASSERT_EQ(args.size(), c.count) << c.caption;
    for (std::size_t i = 0; i < args.size(); ++i)
      EXPECT_EQ(!args[i].has_value(), c.nulls.contains(i)) << c.caption << " argument " << i + 1;
  }
  // The arguments after the empty ones keep their positions.
  const Args contabilista = press("Registro 0100");
  EXPECT_EQ(contabilista[2], "12345");
  EXPECT_EQ(contabilista[4], "22222222");
  EXPECT_EQ(contabilista[12], "2927408");
  const Args participante = press("Registro 0150");
  EXPECT_EQ(participante[2], "4901");
  EXPECT_EQ(participante[8], "Logradouro");
  EXPECT_EQ(participante[11], "Bairro");
}

TEST_F(Pages, DatedAndCurrentFormsAreDistinctFunctions) {
  press("Registro 0220");
  EXPECT_EQ(recording::calls().at(0).function, "Registro0220");
  EXPECT_EQ(recording::calls().at(0).args.size(), 3u);
  press("Registro 0220_2021");
  EXPECT_EQ(recording::calls().at(0).function, "Registro0220_2021");
  EXPECT_EQ(recording::calls().at(0).args.size(), 2u);

  // C100 before April 2012 differs from the current C100 only in IND_PGTO, the twelfth argument.
  Args before = press("Registro C100_A_ABR2012");
  EXPECT_EQ(recording::calls().at(0).function, "RegistroC100_ANTES_ABR2012");
  Args current = press("Registro C100");
  EXPECT_EQ(before.at(11), "9");
  EXPECT_EQ(current.at(11), "0");
  before[11] = current[11];
  EXPECT_EQ(before, current);
}

TEST_F(Pages, RecordsSharingSampleValuesPassTheSameTexts) {
  const std::vector<std::vector<std::string_view>> groups = {
      {"Registro C330", "Registro C815", "Registro C880"},
      {"Registro C380", "Registro C430", "Registro C480"},
      {"Registro C850", "Registro C890"},
      {"Registro C855", "Registro C895"},
      {"Registro C857", "Registro C897"},
  };
  for (const auto& group : groups) {
    const Args first = press(group.front());
    for (std::string_view other : group) EXPECT_EQ(press(other), first) << other << " vs " << group.front();
  }
  // The fifteen of C380 are the thirteen of C330, then "101" and the sample CFOP.
  Args extended = press("Registro C330");
  extended.insert(extended.end(), {"101", "5.301"});
  EXPECT_EQ(press("Registro C380"), extended);

  // 0005 and 0100 carry one and the same e-mail address.
  const auto email = press("Registro 0005").at(8);
  ASSERT_TRUE(email.has_value());
  EXPECT_NE(email->find('@'), std::string::npos);
  EXPECT_EQ(press("Registro 0100").at(11), email);
}

TEST_F(Pages, OnlyRegistro0005GuardsAgainstARaisedFailure) {
  recording::raiseIn("Registro0005", "Access violation at address 0040A1B2");
  form.click(button("Registro 0005"));
  EXPECT_EQ(recording::functionNames(), std::vector<std::string>{"Registro0005"});
  ASSERT_EQ(dialogs.texts(), std::vector<std::string>{"erro"});
  EXPECT_EQ(dialogs.shown[0].dialog, "message");

  dialogs.shown.clear();
  recording::raiseIn("Registro0001", "Access violation at address 0040A1B2");
  form.click(button("Registro 0001"));
  ASSERT_EQ(dialogs.texts(), std::vector<std::string>{"Access violation at address 0040A1B2"});
  EXPECT_EQ(dialogs.shown[0].dialog, "error");
}

TEST_F(Pages, GuardOf0005CoversTheReportAndLeavesReturnedResultsAlone) {
  // A returned failure is reported as usual, without "erro".
  recording::setResult("Registro0005", -1);
  form.click(button("Registro 0005"));
  EXPECT_EQ(dialogs.texts(),
            std::vector<std::string>{"Erro na chamada do Registro 0005, verifique o erro em C:\\Saida"});

  // A failure while reporting is caught by the same guard.
  dialogs.shown.clear();
  bool failOnce = true;
  dialogs.onMessage = [&] {
    if (std::exchange(failOnce, false)) throw std::runtime_error("report failed");
  };
  form.click(button("Registro 0005"));
  EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{
                                 "Erro na chamada do Registro 0005, verifique o erro em C:\\Saida",
                                 "erro",
                             }));
}

}  // namespace
