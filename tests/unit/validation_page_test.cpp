// The page "Funções Adicionais" pressed through the console core against the recording library.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <stdexcept>

#include "console.h"
#include "console_fixture.h"
#include "function_table.h"
#include "pages.h"
#include "recording.h"

namespace {

using Args = std::vector<std::optional<std::string>>;

std::span<const app::Button> page() { return pages::kFuncoesAdicionais.buttons; }

const app::Button& button(std::string_view caption) {
  for (const app::Button& b : page())
    if (b.caption == caption) return b;
  throw std::runtime_error("no button " + std::string(caption) + " on the validation page");
}

bool isValidation(const app::Button& b) { return b.action.kind == app::Kind::Validation; }

class ValidationPage : public ConsoleFixture {
 protected:
  // The one dialog that one press showed.
  Shown pressOnce(const app::Button& b) {
    dialogs.shown.clear();
    form.click(b);
    if (dialogs.shown.size() != 1) throw std::runtime_error("expected one dialog from " + std::string(b.caption));
    return dialogs.shown.front();
  }
};

TEST_F(ValidationPage, EveryValidatorIsCalledByExactlyOneButtonAndTheVersionByOne) {
  std::map<std::string, int> pressesPerFunction;
  for (const app::Button& b : page()) {
    const std::size_t before = recording::calls().size();
    const Shown shown = pressOnce(b);
    const auto calls = recording::calls();
    ASSERT_EQ(calls.size(), before + 1) << b.caption;
    const recording::Call& call = calls.back();
    // The row names the function it calls, as the console's other views of a button rely on.
    EXPECT_EQ(app::functionsCalled(b), std::vector<std::string_view>{call.function}) << b.caption;
    const esc::FunctionInfo* info = esc::findFunction(call.function);
    ASSERT_NE(info, nullptr) << call.function;
    EXPECT_EQ(call.args.size(), static_cast<std::size_t>(info->argumentCount)) << b.caption;
    EXPECT_TRUE(call.headersWellFormed) << b.caption;
    // Validators answer in their own box, never through the result handler's plain dialog.
    EXPECT_EQ(shown.dialog, isValidation(b) ? "box" : "message") << b.caption;
    EXPECT_EQ(shown.icon, app::Icon::None) << b.caption;
    ++pressesPerFunction[call.function];
  }

  std::map<std::string, int> expected;
  for (const esc::FunctionInfo& f : esc::kFunctions)
    if (f.kind == esc::FunctionKind::Validator) expected[std::string(f.name)] = 1;
  ASSERT_EQ(expected.size(), 81u);
  expected["Info_Versao"] = 1;
  EXPECT_EQ(pressesPerFunction, expected);
}

// Zero is the only invalid byte. Each button's two texts differ in their last word alone, and its
// box caption does not depend on the verdict.
TEST_F(ValidationPage, VerdictByteChoosesTheTextAndNeverTheCaption) {
  // Six buttons end their invalid text in a lower-case "inválido".
  const std::vector<std::string_view> lowerCase = {"Ind tipo transporte",     "Origem do processo",
                                                   "Ind tipo titulo credito", "Ind tip veiculo transp",
                                                   "transp carga coletada",   "Ind tipo servi prestado"};
  int lowerCaseSeen = 0;
  for (const app::Button& b : page()) {
    if (!isValidation(b)) continue;
    const std::string_view fn = b.action.function;
    std::map<int, Shown> byVerdict;
    for (int verdict : {0, 1, 2, 255}) {
      recording::setResult(fn, verdict);
      byVerdict[verdict] = pressOnce(b);
    }
    const std::string& valid = byVerdict[1].text;
    const std::string& invalid = byVerdict[0].text;
    EXPECT_EQ(byVerdict[2].text, valid) << b.caption;
    EXPECT_EQ(byVerdict[255].text, valid) << b.caption;
    EXPECT_EQ(valid, b.action.validText) << b.caption;
    EXPECT_EQ(invalid, b.action.invalidText) << b.caption;

    const bool lower = std::ranges::find(lowerCase, b.caption) != lowerCase.end();
    lowerCaseSeen += lower ? 1 : 0;
    const std::string_view validWord = " Válido";
    const std::string_view invalidWord = lower ? " inválido" : " Inválido";
    ASSERT_TRUE(valid.ends_with(validWord)) << b.caption << ": " << valid;
    ASSERT_TRUE(invalid.ends_with(invalidWord)) << b.caption << ": " << invalid;
    EXPECT_EQ(valid.substr(0, valid.size() - validWord.size()), invalid.substr(0, invalid.size() - invalidWord.size()))
        << b.caption;

    for (const auto& [verdict, shown] : byVerdict) {
      EXPECT_EQ(shown.dialog, "box") << b.caption << " verdict " << verdict;
      EXPECT_EQ(shown.caption, b.action.boxCaption) << b.caption << " verdict " << verdict;
      EXPECT_EQ(shown.icon, app::Icon::None) << b.caption << " verdict " << verdict;
    }
  }
  EXPECT_EQ(lowerCaseSeen, 6);
}

TEST_F(ValidationPage, DefaultVerdictAndPerFunctionVerdictBothReachTheBox) {
  recording::setDefaultVerdict(0);
  recording::setResult("vCEP", 2);
  EXPECT_EQ(pressOnce(button("CEP")).text, "Integridade de CEP Válido");
  EXPECT_EQ(pressOnce(button("UF")).text, "Integridade de UF Inválido");
  recording::setDefaultVerdict(255);
  EXPECT_EQ(pressOnce(button("UF")).text, "Integridade de UF Válido");
}

// Texts shared by several buttons: only the box caption tells the buttons apart.
TEST_F(ValidationPage, SharedTextsAreToldApartByTheirBoxCaptions) {
  struct Case {
    std::string_view caption;
    std::string valid, invalid, box;
  };
  const std::vector<std::vector<Case>> groups = {
      {{"IND_OPER", "Indicador do tipo de operação Válido", "Indicador do tipo de operação Inválido", "vIND_OPER"},
       {"OPER", "Indicador do tipo de operação Válido", "Indicador do tipo de operação Inválido", "vOPER"},
       {"Tipo Operação", "Indicador do tipo de operação Válido", "Indicador do tipo de operação Inválido",
        "vInd_tipo_operacao"}},
      {{"IND_PGTO", "Indicador do tipo de pagamento Válido", "Indicador do tipo de pagamento Inválido", "vIND_PGTO"},
       {"IND_PGTO_ANT", "Indicador do tipo de pagamento Válido", "Indicador do tipo de pagamento Inválido",
        "vIND_PGTO_ANT"}},
      {{"IND_REC", "Indicador do tipo de receita Válido", "Indicador do tipo de receita Inválido", "vIND_REC"},
       {"Ind Tipo Receita", " Indicador do tipo de receita Válido", " Indicador do tipo de receita Inválido",
        "vInd_tipo_receita"}},
      {{"vIND_PROC", "Indicador da origem do processo Válido", "Indicador da origem do processo Inválido", "vIND_PROC"},
       {"Origem do processo", "Indicador da origem do processo Válido", "Indicador da origem do processo inválido",
        "vInd_origem_processo"}},
      {{"FIN_DOCe", "Finalidade da emissão do documento eletrônico Válido",
        "Finalidade da emissão do documento eletrônico Inválido", "vFIN_DOCe"},
       {"FIN_DOCe2", "Finalidade da emissão do documento eletrônico Válido",
        "Finalidade da emissão do documento eletrônico Inválido", "FIN_DOCe"}},
  };
  for (const auto& group : groups) {
    std::vector<std::string> boxes;
    for (const Case& c : group) {
      const app::Button& b = button(c.caption);
      recording::setResult(b.action.function, 1);
      EXPECT_EQ(pressOnce(b), (Shown{"box", c.box, c.valid})) << c.caption;
      recording::setResult(b.action.function, 0);
      EXPECT_EQ(pressOnce(b), (Shown{"box", c.box, c.invalid})) << c.caption;
      boxes.push_back(c.box);
    }
    std::ranges::sort(boxes);
    EXPECT_EQ(std::ranges::adjacent_find(boxes), boxes.end()) << group.front().caption;
  }
}

// Names and words that look like slips are the console's own and stay as they are.
TEST_F(ValidationPage, OddNamesAndSpellingsStandAsTheyAre) {
  struct Case {
    std::string_view caption;
    std::string function, valid, box;
  };
  const Case cases[] = {
      {"COD_CA", "vCOD_DA", "Código do modelo do documento de arrecadação Válido", "vCOD_DA"},
      {"CST_COFINS", "vCST_COFINS", "Código da Situação Tributária referente ao COFINS Válido", "vCOFINS"},
      {"Codigo do Leiaute", "vCod_Leiaute", "Codigo do Laiaute Válido", "vCod_Leiaute"},
      {"IND_SOC", "vIND_SOC", "Indicador de  participação societária Válido", "vIND_SOC"},
      {"Movimento", "vMovimento", " Valor Para o Movimento Válido", "Verifica_Movimento"},
      {"IND_TP_LEIAUTE", "vIND_TP_LEIAUTE", "Indicador de tipo de leiaute adotado Válido", "IND_TP_LEIAUTE"},
  };
  for (const Case& c : cases) {
    recording::reset();
    EXPECT_EQ(pressOnce(button(c.caption)), (Shown{"box", c.box, c.valid})) << c.caption;
    EXPECT_EQ(recording::functionNames(), std::vector<std::string>{c.function}) << c.caption;
  }
}

TEST_F(ValidationPage, ArgumentsReachTheLibraryAsFixedTexts) {
  struct Case {
    std::string_view caption;
    Args args;
  };
  const Case cases[] = {
      {"Insc. Est.", {std::nullopt, std::nullopt}},  // two empty texts: two null pointers
      {"UF", {"DF"}},
      {"CNPJ", {"11222333000181"}},
      {"CFOP", {"5.301"}},
      {"CEP", {"40301110"}},
      {"Versão da DLL", {}},
  };
  for (const Case& c : cases) {
    recording::reset();
    form.click(button(c.caption));
    const auto calls = recording::calls();
    ASSERT_EQ(calls.size(), 1u) << c.caption;
    EXPECT_EQ(calls[0].args, c.args) << c.caption;
    EXPECT_TRUE(calls[0].headersWellFormed) << c.caption;
  }
}

TEST_F(ValidationPage, VersionIsShownAloneInPlainDecimal) {
  const std::pair<std::int32_t, std::string> cases[] = {
      {0, "0"},   {-1, "-1"}, {1, "1"}, {30000, "30000"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
      {-7, "-7"}, {10, "10"},
  };
  for (const auto& [version, text] : cases) {
    recording::setResult("Info_Versao", version);
    // -1 and 0 are not results to report: the plain dialog holds the number and nothing else.
    EXPECT_EQ(pressOnce(button("Versão da DLL")), (Shown{"message", dialogs.title, text})) << version;
  }
  EXPECT_EQ(recording::functionNames(), std::vector<std::string>(std::size(cases), "Info_Versao"));
}

TEST_F(ValidationPage, EachPressCallsAgainAndShowsOneDialog) {
  recording::setResult("vCEP", 0);
  form.click(button("CEP"));
  recording::setResult("vCEP", 1);
  form.click(button("CEP"));
  form.click(button("Versão da DLL"));
  form.click(button("Versão da DLL"));
  EXPECT_EQ(recording::functionNames(), (std::vector<std::string>{"vCEP", "vCEP", "Info_Versao", "Info_Versao"}));
  EXPECT_EQ(dialogs.texts(),
            (std::vector<std::string>{"Integridade de CEP Inválido", "Integridade de CEP Válido", "0", "0"}));
}

TEST_F(ValidationPage, RaisedFailureIsReportedInsteadOfAnyBoxAndTheConsoleGoesOn) {
  recording::raiseIn("vCNPJ", "Access violation at address 0040A1B2");
  recording::raiseIn("Info_Versao", "Invalid pointer operation");
  form.click(button("CNPJ"));
  form.click(button("Versão da DLL"));
  form.click(button("CPF"));
  EXPECT_EQ(recording::functionNames(), (std::vector<std::string>{"vCNPJ", "Info_Versao", "vCPF"}));
  EXPECT_EQ(dialogs.shown, (std::vector<Shown>{
                               {"error", dialogs.title, "Access violation at address 0040A1B2", app::Icon::Error},
                               {"error", dialogs.title, "Invalid pointer operation", app::Icon::Error},
                               {"box", "Verifica_CPF", "Integridade de CPF Válido", app::Icon::None},
                           }));
}

}  // namespace
