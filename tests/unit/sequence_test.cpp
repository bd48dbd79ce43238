// PopupMenu1's canned sequence against the recording library.
#include <gtest/gtest.h>

#include <sstream>

#include "console.h"
#include "recording.h"
#include "recording_dialogs.h"
#include "runner.h"

namespace {

const std::vector<std::string> kCaptions = {
    "Registro 0000", "Registro 0001", "Registro 0005", "Registro 0100", "Registro 0150", "Registro 0190",
    "Registro 0200", "Registro 0400", "Registro 0990", "Registro C001", "Registro C100", "Registro C170",
    "Registro C190", "Registro C990", "Registro D001", "Registro D990", "Registro E001", "Registro E100",
    "Registro E110", "Registro E990", "Registro G001", "Registro G990", "Registro H001", "Registro H990",
    "Registro 1001", "Registro 1990", "Registro 9001", "Registro 9900", "Registro 9990", "Registro 9999"};

const std::vector<std::string> kFunctions = {
    "Inicia_SPED",  "Registro0000", "Registro0001", "Registro0005", "Registro0100", "Registro0150", "Registro0190",
    "Registro0200", "Registro0400", "Registro0990", "RegistroC001", "RegistroC100", "RegistroC170", "RegistroC190",
    "RegistroC990", "RegistroD001", "RegistroD990", "RegistroE001", "RegistroE100", "RegistroE110", "RegistroE990",
    "RegistroG001", "RegistroG990", "RegistroH001", "RegistroH990", "Registro1001", "Registro1990", "Registro9001",
    "Registro9900", "Registro9990", "Registro9999", "Finaliza_SPED"};

class Sequence : public ::testing::Test {
 protected:
  void SetUp() override {
    recording::reset();
    dialogs.e1 = "/saida";
    dialogs.e2 = "/entrada";
  }
  void run() { form.Sequencia0000000504500460046509901Click(); }
  RecordingDialogs dialogs;
  app::TForm1 form{dialogs, "/opt/console/escrivania-console"};
};

TEST_F(Sequence, TheMenuHoldsOneItemWithItsFixedCaption) {
  const auto items = app::popupMenu1();
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].component, "Sequencia0000000504500460046509901");
  EXPECT_EQ(items[0].caption,
            "Sequencia (21, 1, 2, 15, 4, 23, 185, 186, 187, 188, 24, 80, 5, 133, 134, 158, 159, 197, 162, 181, "
            "163, 198, 184, 171, 189, 190, 191, 192, 193, 194, 195, 196, 172, 178, 179, 180, 181, 182)");
  EXPECT_EQ(items[0].handler, &app::TForm1::Sequencia0000000504500460046509901Click);
}

TEST_F(Sequence, WhenEverythingSucceedsOnlyTheClosingMessageShows) {
  run();
  EXPECT_EQ(recording::functionNames(), kFunctions);
  EXPECT_EQ(dialogs.shown, (std::vector<Shown>{{"message", "Console", "Verifique os arquivo de saída em /saida"}}));
}

TEST_F(Sequence, ReturnedErrorsNeverStopItAndEachStepReportsUnderItsCaption) {
  recording::setDefaultResult(-1);
  run();
  EXPECT_EQ(recording::functionNames(), kFunctions);
  ASSERT_EQ(dialogs.shown.size(), 32u);
  EXPECT_EQ(dialogs.shown.front(),
            (Shown{"box", "Atenção", "Erro durante chamada da função Inicia_SPED.", app::Icon::Error}));
  for (std::size_t i = 0; i < kCaptions.size(); ++i)
    EXPECT_EQ(dialogs.shown[i + 1].text, "Erro na chamada do " + kCaptions[i] + ", verifique o erro em /saida");
  EXPECT_EQ(dialogs.shown.back().text, "Verifique os arquivo de saída em /saida");
}

TEST_F(Sequence, RaisedFailureEndsItAtThatStep) {
  recording::raiseIn("Registro0150", "falha em 0150");
  run();
  const auto names = recording::functionNames();
  ASSERT_EQ(names.size(), 6u);
  EXPECT_EQ(names.back(), "Registro0150");
  EXPECT_EQ(dialogs.shown, (std::vector<Shown>{{"error", "Console", "falha em 0150", app::Icon::Error}}));
}

TEST_F(Sequence, StepThreeCatchesItsOwnFailureAndTheRunGoesOn) {
  recording::raiseIn("Registro0005", "falha em 0005");
  run();
  EXPECT_EQ(recording::functionNames(), kFunctions);
  EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"erro", "Verifique os arquivo de saída em /saida"}));
}

TEST_F(Sequence, ChoosingItTwiceRunsEverythingTwice) {
  run();
  run();
  std::vector<std::string> twice = kFunctions;
  twice.insert(twice.end(), kFunctions.begin(), kFunctions.end());
  EXPECT_EQ(recording::functionNames(), twice);
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(Sequence, TheRunnerPressesItByName) {
  std::ostringstream out, err;
  const std::vector<std::string> args = {"--output", "/saida", "Sequencia0000000504500460046509901"};
  EXPECT_EQ(headless::run(args, "/opt/console/escrivania-run", out, err), 0);
  EXPECT_EQ(recording::functionNames(), kFunctions);
  EXPECT_EQ(out.str(),
            "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": \"Verifique os "
            "arquivo de saída em /saida\"}\n");
}

}  // namespace
