// escrivania-run's command line, its dialog lines and its button list.
#include <gtest/gtest.h>

#include <sstream>

#include "recording.h"
#include "runner.h"

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome run(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = headless::run(args, "/opt/escrivania/escrivania-run", out, err);
  return {status, out.str(), err.str()};
}

class Headless : public ::testing::Test {
 protected:
  void SetUp() override { recording::reset(); }
};

TEST_F(Headless, PressesByComponentOrCaptionAndPrintsEachDialog) {
  recording::setResult("Inicia_SPED", -1);
  recording::setResult("Registro0000", -1);
  const Outcome r = run({"--output", "/tmp/saída", "--input", "/tmp/in", "Button21", "Registro 9999"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "{\"dialog\": \"box\", \"icon\": \"error\", \"caption\": \"Atenção\", \"text\": \"Erro durante "
            "chamada da função Inicia_SPED.\"}\n"
            "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": \"Erro na "
            "chamada do Registro 0000, verifique o erro em /tmp/saída\"}\n"
            "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": \"Verifique "
            "os arquivo de saída em /tmp/saída\"}\n");
  EXPECT_EQ(recording::functionNames(),
            (std::vector<std::string>{"Inicia_SPED", "Registro0000", "Registro9999", "Finaliza_SPED"}));
  EXPECT_EQ(recording::calls().at(0).args.at(1), std::optional<std::string>("/tmp/in"));
}

TEST_F(Headless, DirectoriesDefaultToTheRunnersOwnLocation) {
  run({"Button21"});
  EXPECT_EQ(recording::calls().at(0).args, (std::vector<std::optional<std::string>>{"/", "/opt/escrivania"}));
}

TEST_F(Headless, UnknownNameStopsBeforeAnythingIsPressed) {
  const Outcome r = run({"Button21", "Registro X999"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Registro X999"), std::string::npos);
  EXPECT_TRUE(r.out.empty());
  EXPECT_TRUE(recording::calls().empty());
}

TEST_F(Headless, BadCommandLinesExitWithStatusTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"--output"}, {"--list", "Button21"}}) {
    EXPECT_EQ(run(args).status, 2);
  }
}

TEST_F(Headless, RaisedFailureIsPrintedAsError) {
  recording::raiseIn("Registro9999", "falha \"grave\"\r\nlinha 2");
  const Outcome r = run({"Button182"});
  EXPECT_EQ(r.out,
            "{\"dialog\": \"error\", \"icon\": \"error\", \"caption\": \"escrivania-run\", \"text\": \"falha "
            "\\\"grave\\\"\\r\\nlinha 2\"}\n");
}

TEST_F(Headless, ListGivesOneObjectPerButtonWithEveryKey) {
  const Outcome r = run({"--list"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("{\"page\": \"Bloco 0\", \"component\": \"Button21\", \"caption\": \"Registro 0000\", "
                       "\"left\": 10, \"top\": 8, \"width\": 113, \"height\": 25, \"style\": \"bold\", "
                       "\"colour\": null, \"tooltip\": null, \"functions\": [\"Inicia_SPED\", \"Registro0000\"]}\n"),
            std::string::npos);
  EXPECT_TRUE(recording::calls().empty());
}

TEST(Json, EscapesQuotesBackslashesAndControls) {
  EXPECT_EQ(headless::jsonString("a\"b\\c\r\n\x01ç"), "\"a\\\"b\\\\c\\r\\n\\u0001ç\"");
}

}  // namespace
