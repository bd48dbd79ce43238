// The console core against the recording library and recording dialogs.
#include "console.h"

#include <gtest/gtest.h>

#include "console_fixture.h"
#include "pages.h"
#include "recording.h"

namespace {

using recording::Call;

using Console = ConsoleFixture;

TEST_F(Console, ResultHandlerMapsEachResultToItsMessage) {
  struct Case {
    std::int32_t result;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {0, {}},
      {-1, {"Erro na chamada do Registro 9999, verifique o erro em C:\\Saida"}},
      {5, {"Retorno desconhecido"}},
      {-2, {"Retorno desconhecido"}},
      {1, {"Retorno desconhecido"}},
  };
  for (const Case& c : cases) {
    dialogs.shown.clear();
    form.Trata_SPED_Int(button("Button182"), c.result);
    EXPECT_EQ(dialogs.texts(), c.texts) << "result " << c.result;
    for (const Shown& s : dialogs.shown) EXPECT_EQ(s.dialog, "message");
  }
}

TEST_F(Console, ResultHandlerReadsTheOutputDirectoryAtEachReport) {
  form.Trata_SPED_Int(button("Registro 0000"), -1);
  dialogs.e1 = "/outro/lugar";
  form.Trata_SPED_Int(button("Registro 0000"), -1);
  dialogs.e1.clear();
  form.Trata_SPED_Int(button("Registro 0000"), -1);
  EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{
                                 "Erro na chamada do Registro 0000, verifique o erro em C:\\Saida",
                                 "Erro na chamada do Registro 0000, verifique o erro em /outro/lugar",
                                 "Erro na chamada do Registro 0000, verifique o erro em ",
                             }));
}

TEST_F(Console, OpeningPassesOutputThenInputAndTheFourteenFields) {
  form.click(button("Button21"));
  const auto calls = recording::calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].function, "Inicia_SPED");
  EXPECT_EQ(calls[0].args, (std::vector<std::optional<std::string>>{"C:\\Saida", "C:\\Entrada"}));
  EXPECT_EQ(calls[1].function, "Registro0000");
  EXPECT_EQ(calls[1].args, (std::vector<std::optional<std::string>>{
                               "015", "0", "01/06/2013", "30/06/2013", "Nome empresarial", "11222333000181", "1234",
                               "BA", "71203958", "2927408", "567", std::nullopt, "A", "1"}));
  for (const Call& c : calls) EXPECT_TRUE(c.headersWellFormed) << c.function;
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Console, FailedStartShowsTheBoxAndStillWritesTheOpeningRecord) {
  recording::setResult("Inicia_SPED", -1);
  recording::setResult("Registro0000", -1);
  form.click(button("Registro 0000"));
  EXPECT_EQ(recording::functionNames(), (std::vector<std::string>{"Inicia_SPED", "Registro0000"}));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0],
            (Shown{"box", "Atenção", "Erro durante chamada da função Inicia_SPED.", app::Icon::Error}));
  EXPECT_EQ(dialogs.shown[1].text, "Erro na chamada do Registro 0000, verifique o erro em C:\\Saida");
}

TEST_F(Console, OnlyMinusOneFromStartCountsAsFailure) {
  for (std::int32_t r : {1, -2, 0}) {
    recording::setResult("Inicia_SPED", r);
    form.click(button("Registro 0000"));
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Console, EmptyDirectoryBoxesArePassedAsNullTexts) {
  dialogs.e1.clear();
  dialogs.e2.clear();
  form.click(button("Registro 0000"));
  EXPECT_EQ(recording::calls().at(0).args, (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt}));
}

TEST_F(Console, DirectoryTextsCrossAsWindows1252) {
  dialogs.e1 = "/tmp/saída";
  form.click(button("Registro 0000"));
  EXPECT_EQ(recording::calls().at(0).args.at(0), std::optional<std::string>("/tmp/sa\xED"
                                                                            "da"));
  EXPECT_TRUE(recording::calls().at(0).headersWellFormed);
}

TEST_F(Console, PressingOpeningTwiceStartsTwice) {
  form.click(button("Registro 0000"));
  form.click(button("Registro 0000"));
  EXPECT_EQ(recording::functionNames(),
            (std::vector<std::string>{"Inicia_SPED", "Registro0000", "Inicia_SPED", "Registro0000"}));
}

TEST_F(Console, ClosingReportsThenFinishesThenNamesTheOutputDirectory) {
  recording::setResult("Registro9999", -1);
  std::vector<std::string> callsWhenMessageShown;
  dialogs.onMessage = [&] { callsWhenMessageShown.push_back(std::to_string(recording::calls().size())); };
  form.click(button("Registro 9999"));
  EXPECT_EQ(recording::functionNames(), (std::vector<std::string>{"Registro9999", "Finaliza_SPED"}));
  EXPECT_TRUE(recording::calls().at(0).args.empty());
  EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{
                                 "Erro na chamada do Registro 9999, verifique o erro em C:\\Saida",
                                 "Verifique os arquivo de saída em C:\\Saida",
                             }));
  // The error message is closed before Finaliza_SPED runs.
  EXPECT_EQ(callsWhenMessageShown, (std::vector<std::string>{"1", "2"}));
}

TEST_F(Console, ClosingAlwaysEndsWithTheClosingMessage) {
  for (std::int32_t r : {0, 7}) {
    dialogs.shown.clear();
    recording::setResult("Registro9999", r);
    form.click(button("Button182"));
    EXPECT_EQ(dialogs.shown.back().text, "Verifique os arquivo de saída em C:\\Saida");
  }
}

TEST_F(Console, RaisedFailureIsReportedAndTheConsoleGoesOn) {
  recording::raiseIn("Registro0000", "Access violation at address 0040A1B2");
  form.click(button("Registro 0000"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0], (Shown{"error", "Console", "Access violation at address 0040A1B2", app::Icon::Error}));

  recording::setResult("Registro9999", -1);
  form.click(button("Registro 9999"));
  EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST_F(Console, FailureRaisedInStartEndsTheHandlerBeforeTheRecord) {
  recording::raiseIn("Inicia_SPED", "boom");
  form.click(button("Registro 0000"));
  EXPECT_EQ(recording::functionNames(), std::vector<std::string>{"Inicia_SPED"});
  EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"boom"});
}

TEST_F(Console, FormShowFillsBothDirectoriesFromTheProgramLocation) {
  form.FormShow();
  EXPECT_EQ(dialogs.e1, "C:\\");
  EXPECT_EQ(dialogs.e2, "C:\\Programas\\Console");
}

TEST(ProgramLocation, DriveFolderAndTitle) {
  struct Case {
    const char* path;
    const char* drive;
    const char* folder;
    const char* title;
  };
  const Case cases[] = {
      {"D:\\A\\B\\console.exe", "D:\\", "D:\\A\\B", "console"},
      {"D:\\console.exe", "D:\\", "D:\\", "console"},
      {"\\\\server\\share\\Tools\\Demo.Escrivania.exe", "\\\\server\\share\\", "\\\\server\\share\\Tools", "Demo"},
      {"/usr/local/bin/escrivania-console", "/", "/usr/local/bin", "escrivania-console"},
      {"/DEMO_X", "/", "/", "Demo_x"},
      {"c:\\Tools\\ABC.DEF.exe", "c:\\", "c:\\Tools", "Abc"},
  };
  for (const Case& c : cases) {
    const app::ProgramLocation loc = app::locateProgram(c.path);
    EXPECT_EQ(loc.drive, c.drive) << c.path;
    EXPECT_EQ(loc.folder, c.folder) << c.path;
    EXPECT_EQ(loc.title, c.title) << c.path;
  }
}

TEST_F(Console, BrowseStartsInTheProgramFolderAndTakesTheFilePath) {
  dialogs.fileAnswers = {std::string("D:\\A\\B\\x.txt"), std::nullopt};
  form.BitBtn1Click();
  EXPECT_EQ(dialogs.e1, "D:\\A\\B\\x.txt");
  EXPECT_EQ(dialogs.e2, "C:\\Entrada");
  form.BitBtn2Click();  // cancelled
  EXPECT_EQ(dialogs.e2, "C:\\Entrada");
  EXPECT_EQ(dialogs.fileDialogFolders,
            (std::vector<std::string>{"C:\\Programas\\Console\\", "C:\\Programas\\Console\\"}));
  dialogs.fileAnswers = {std::string("/srv/entrada/PAIS.res")};
  form.BitBtn2Click();
  EXPECT_EQ(dialogs.e2, "/srv/entrada/PAIS.res");
  EXPECT_TRUE(recording::calls().empty());
}

TEST_F(Console, ShellLinksAndExitCallNoLibraryFunction) {
  form.Label29Click();
  form.Label30Click();
  ASSERT_EQ(dialogs.shellOpened.size(), 2u);
  EXPECT_TRUE(dialogs.shellOpened[0].starts_with("https://"));
  EXPECT_TRUE(dialogs.shellOpened[1].starts_with("mailto:"));
  EXPECT_TRUE(dialogs.shellOpened[1].ends_with(
      "?Subject=Sobre a Escrivania.dll&Body=E-mail enviado a partir do Demo da Escrivania.dll"));
  form.Button7Click();
  EXPECT_TRUE(dialogs.closed);
  EXPECT_TRUE(recording::calls().empty());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(FunctionsCalled, OpeningAndClosingCallTwoFunctions) {
  EXPECT_EQ(app::functionsCalled(button("Button21")), (std::vector<std::string_view>{"Inicia_SPED", "Registro0000"}));
  EXPECT_EQ(app::functionsCalled(button("Button182")),
            (std::vector<std::string_view>{"Registro9999", "Finaliza_SPED"}));
}

}  // namespace
