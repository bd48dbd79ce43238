// The record writer through the library's exported functions: the file it writes, its counts, its
// names, the forms of each layout version, and the checks of every field.
#include <algorithm>
#include <cctype>
#include <map>

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "library_fixture.h"

namespace libtest {
namespace {

using WriterTest = LibraryTest;

bool contains(const std::vector<std::string>& lines, std::string_view part) {
  for (const std::string& l : lines)
    if (l.find(part) != std::string::npos) return true;
  return false;
}

TEST_F(WriterTest, CorrectSequenceWritesTheGoldenFile) {
  ASSERT_EQ(start(), 0);
  expectWritten({"Registro0000", "Registro0001", "Registro0005", "Registro0100", "Registro0150", "Registro0190",
                 "Registro0200", "Registro0990", "RegistroB001", "RegistroB990", "RegistroC001", "RegistroC100",
                 "RegistroC170", "RegistroC190", "RegistroC990"});
  EXPECT_EQ(call("RegistroD001", {"1"}), 0);
  expectWritten(
      {"RegistroD990", "RegistroE001", "RegistroE100", "RegistroE110", "RegistroE990", "RegistroG001", "RegistroG990"});
  EXPECT_EQ(call("RegistroH001", {"1"}), 0);
  expectWritten({"RegistroH990", "RegistroK001", "RegistroK990", "Registro1001", "Registro1990", "Registro9001",
                 "Registro9900", "Registro9990", "Registro9999"});
  EXPECT_EQ(Finaliza_SPED(), 0);

  const std::string golden =
      "|0000|019|0|01012025|31012025|Empresa Exemplo Ltda|11222333000181||BA|12345663|2927408|||A|1|\r\n"
      "|0001|0|\r\n"
      "|0005|Exemplo|40170110|Rua das Flores|10||Centro|7132105555||contato@exemplo.com.br|\r\n"
      "|0100|Contador Exemplo|28461739078|BA012345||40170110|Rua das Flores|10||Centro|7132105555||"
      "contador@exemplo.com.br|2927408|\r\n"
      "|0150|P1|Fornecedor Exemplo|01058|11444777000161|||2927408||Rua B|20||Centro|\r\n"
      "|0190|UN|Unidade|\r\n"
      "|0200|ITEM1|Produto exemplo|||UN|00|01012100||01||18,00||\r\n"
      "|0990|8|\r\n"
      "|B001|1|\r\n"
      "|B990|2|\r\n"
      "|C001|0|\r\n"
      "|C100|1|0|P1|55|00|1|123|29250111222333000181550010000001231000001234|15012025|15012025|100,00|0|0|0|"
      "100,00|9|0|0|0|100,00|18,00|0|0|0|0|0|0|0|\r\n"
      "|C170|1|ITEM1||1|UN|100,00|0|0|000|5102||100,00|18,00|18,00|0|0|0|0|53|999|0|0|0|01|0|0|||0|01|0|0|||0|||"
      "\r\n"
      "|C190|000|5102|18,00|100,00|100,00|18,00|0|0|0|0||\r\n"
      "|C990|5|\r\n"
      "|D001|1|\r\n"
      "|D990|2|\r\n"
      "|E001|0|\r\n"
      "|E100|01012025|31012025|\r\n"
      "|E110|18,00|0|0|0|0|0|0|0|0|18,00|0|18,00|0|0|\r\n"
      "|E990|4|\r\n"
      "|G001|1|\r\n"
      "|G990|2|\r\n"
      "|H001|1|\r\n"
      "|H990|2|\r\n"
      "|K001|1|\r\n"
      "|K990|2|\r\n"
      "|1001|1|\r\n"
      "|1990|2|\r\n"
      "|9001|0|\r\n"
      "|9900|0000|1|\r\n|9900|0001|1|\r\n|9900|0005|1|\r\n|9900|0100|1|\r\n|9900|0150|1|\r\n|9900|0190|1|\r\n"
      "|9900|0200|1|\r\n|9900|0990|1|\r\n|9900|B001|1|\r\n|9900|B990|1|\r\n|9900|C001|1|\r\n|9900|C100|1|\r\n"
      "|9900|C170|1|\r\n|9900|C190|1|\r\n|9900|C990|1|\r\n|9900|D001|1|\r\n|9900|D990|1|\r\n|9900|E001|1|\r\n"
      "|9900|E100|1|\r\n|9900|E110|1|\r\n|9900|E990|1|\r\n|9900|G001|1|\r\n|9900|G990|1|\r\n|9900|H001|1|\r\n"
      "|9900|H990|1|\r\n|9900|K001|1|\r\n|9900|K990|1|\r\n|9900|1001|1|\r\n|9900|1990|1|\r\n|9900|9001|1|\r\n"
      "|9900|9900|33|\r\n|9900|9990|1|\r\n|9900|9999|1|\r\n"
      "|9990|36|\r\n"
      "|9999|65|\r\n";
  EXPECT_EQ(finished(), golden);
  EXPECT_FALSE(fs::exists(file(kTemporaryName)));
  EXPECT_FALSE(fs::exists(file(kErrorName))) << errors();
}

// The counts come from the file itself: each closing record must agree with the lines around it.
TEST_F(WriterTest, ClosingRecordsCountTheLinesOfTheirBlocksAndTheFile) {
  openFile();
  expectWritten(
      {"Registro0150", "Registro0150", "Registro0190", "Registro0190", "Registro0200", "Registro0990", "RegistroC001"});
  for (int doc = 0; doc < 3; ++doc)
    expectWritten({"RegistroC100", "RegistroC170", "RegistroC170", "RegistroC190", "RegistroC190"});
  expectWritten({"RegistroC990", "RegistroD001", "RegistroD700", "RegistroD700", "RegistroD990", "RegistroE001",
                 "RegistroE100", "RegistroE110", "RegistroE990", "Registro9001", "Registro9900", "Registro9990",
                 "Registro9999"});
  ASSERT_EQ(Finaliza_SPED(), 0) << errors();

  const std::vector<std::string> lines = splitLines(finished());
  std::map<std::string, std::size_t> perRecord;
  std::map<char, std::size_t> perBlock;
  std::map<std::string, std::string> totals;  // 9900 lines: record -> count
  std::map<std::string, std::string> closing;
  for (const std::string& line : lines) {
    const std::vector<std::string> f = splitFields(line);
    ASSERT_GE(f.size(), 2u) << line;
    ++perRecord[f[0]];
    ++perBlock[f[0][0]];
    if (f[0] == "9900") totals[f[1]] = f[2];
    if (f[0].ends_with("990") || f[0] == "9999") closing[f[0]] = f[1];
  }
  for (const auto& [code, count] : perRecord) EXPECT_EQ(totals[code], std::to_string(count)) << code;
  EXPECT_EQ(totals.size(), perRecord.size());
  for (const char block : std::string_view("0CDE9"))
    EXPECT_EQ(closing[std::string(1, block) + "990"], std::to_string(perBlock[block])) << block;
  EXPECT_EQ(closing["9999"], std::to_string(lines.size()));
  EXPECT_EQ(perRecord["C170"], 6u);
  EXPECT_EQ(closing["0990"], "8");  // 0000, 0001, 0150 x2, 0190 x2, 0200 and 0990
}

// The console's canned sequence, with the console's own sample values: many fields are not valid
// EFD values, yet the file must come out complete, with every -1 explained.
TEST_F(WriterTest, ConsoleCannedSequenceGivesACompleteFileAndExplainsEachRefusal) {
  const std::string email = "contato@escrivania.example.org";
  const std::vector<std::pair<std::string, Args>> steps = {
      {"Registro0000",
       {"015", "0", "01/06/2013", "30/06/2013", "Nome empresarial", "11222333000181", "1234", "BA", "71203958",
        "2927408", "567", "", "A", "1"}},
      {"Registro0001", {"0"}},
      {"Registro0005",
       {"Nome de fantasia", "40170-110", "Logradouro", "236", "Complemento", "Bairro", "7132105555", "7132105555",
        email}},
      {"Registro0100",
       {"Nome do contabilista", "28461739078", "12345", "", "22222222", "Logradouro", "236", "Complemento", "Bairro",
        "7198765432", "7112345679", email, "2927408"}},
      {"Registro0150", {"123456", "321", "4901", "", "", "", "", "", "Logradouro", "123", "Complemento", "Bairro"}},
      {"Registro0190", {"123456", "01"}},
      {"Registro0200", {"12345", "02", "010107", "1234", "123456", "00", "5", "6", "", "00.00", "9", "1234567"}},
      {"Registro0400", {"1234567890", "01"}},
      {"Registro0990", {}},
      {"RegistroC001", {"0"}},
      {"RegistroC100", {"1", "0", "2", "01", "05", "1", "1", "", "", "",   "",   "0",  "",   "",
                        "",  "0", "",  "",   "",   "",  "",  "", "", "00", "00", "00", "00", "00"}},
      {"RegistroC170",
       {"01", "12345", "Descricao", "03", "123456", "05", "06", "1",  "715", "5.301", "1234567890", "09", "10",
        "11", "12",    "13",        "14", "1",      "02", "",   "17", "18",  "19",    "02",         "21", "22",
        "23", "24",    "25",        "02", "27",     "28", "29", "30", "31",  "32",    "33"}},
      {"RegistroC190", {"300", "1100", "", "00", "00", "00", "00", "00", "00", "00", ""}},
      {"RegistroC990", {}},
      {"RegistroD001", {"1"}},
      {"RegistroD990", {}},
      {"RegistroE001", {"0"}},
      {"RegistroE100", {"01/06/2013", "30/06/2013"}},
      {"RegistroE110", {"00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00"}},
      {"RegistroE990", {}},
      {"RegistroG001", {"1"}},
      {"RegistroG990", {}},
      {"RegistroH001", {"1"}},
      {"RegistroH990", {}},
      {"Registro1001", {"1"}},
      {"Registro1990", {}},
      {"Registro9001", {"0"}},
      {"Registro9900", {}},
      {"Registro9990", {}},
      {"Registro9999", {}},
  };
  ASSERT_EQ(start(), 0);
  std::vector<std::int32_t> results;
  for (const auto& [function, args] : steps) results.push_back(call(function, args));
  EXPECT_EQ(Finaliza_SPED(), 0) << errors();

  // The console's C100 is a voided number (COD_SIT 05): its C170 and C190 are refused and not
  // written. Everything else is in the file, in order, and the counts add up.
  const auto written = [](const std::string& code) { return code != "C170" && code != "C190"; };
  const std::vector<std::string> lines = splitLines(finished());
  ASSERT_EQ(lines.size(), 55u) << finished();
  std::size_t at = 0;
  for (std::size_t step = 0; step < steps.size(); ++step) {
    const std::string code = steps[step].first.substr(8, 4);
    if (!written(code)) continue;
    ASSERT_EQ(splitFields(lines[at])[0], code) << "step " << step + 1;
    at += code == "9900" ? 28 : 1;
  }
  EXPECT_EQ(lines[8], "|0990|9|");
  EXPECT_EQ(lines[11], "|C990|3|");
  EXPECT_EQ(lines.back(), "|9999|55|");
  EXPECT_EQ(lines[lines.size() - 2], "|9990|31|");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "|9900|9900|28|"), lines.end());
  // The console's punctuation and dates are normalised.
  EXPECT_EQ(splitFields(lines[0])[3], "01062013");
  EXPECT_EQ(splitFields(lines[2])[2], "40170110");

  // Each refusal has its reasons, under its own record and line; each success has none.
  const std::vector<std::string> reasons = errorLines();
  at = 1;
  for (std::size_t step = 0; step < steps.size(); ++step) {
    const std::string code = steps[step].first.substr(8, 4);
    const bool explained = written(code) ? contains(reasons, "Registro " + code + ", linha " + std::to_string(at) + ",")
                                         : contains(reasons, "Registro " + code + " (não gravado, após a linha " +
                                                                 std::to_string(at - 1) + "): o registro " + code +
                                                                 " não pode vir abaixo de um registro C100 de "
                                                                 "documento cancelado");
    EXPECT_EQ(results[step] == -1, explained) << code << " answered " << results[step];
    EXPECT_TRUE(results[step] == 0 || results[step] == -1);
    if (written(code)) at += code == "9900" ? 28 : 1;
  }
  EXPECT_EQ(results[0], -1);  // CPF "1234"
  EXPECT_EQ(results[1], 0);   // 0001
  EXPECT_EQ(results[6], -1);  // 0200: COD_ANT_ITEM filled, COD_NCM "5"
  EXPECT_EQ(results[29], 0);  // 9999
  EXPECT_TRUE(contains(reasons, "Registro 0000, linha 1, campo 08 CPF, valor \"1234\": deve ter exatamente 11"));
}

// -----------------------------------------------------------------------------------------------
// Names of the file.

TEST_F(WriterTest, FileKeepsItsTemporaryNameUntilFinishedWith9999) {
  ASSERT_EQ(fs::exists(file(kFinalName)), false);
  openFile();
  EXPECT_TRUE(fs::exists(file(kTemporaryName)));
  EXPECT_FALSE(fs::exists(file(kFinalName)));

  EXPECT_EQ(Finaliza_SPED(), -1);  // no 9999
  EXPECT_TRUE(fs::exists(file(kTemporaryName)));
  EXPECT_FALSE(fs::exists(file(kFinalName)));
  EXPECT_EQ(splitLines(partial()).size(), 2u);
  EXPECT_TRUE(contains(errorLines(),
                       "Finaliza_SPED: o arquivo não foi encerrado com o registro 9999 e ficou com o "
                       "nome temporário EFD_ICMS_IPI.txt.parcial"));

  EXPECT_EQ(Finaliza_SPED(), -1);  // nothing open any more
  EXPECT_TRUE(contains(errorLines(), "Finaliza_SPED: nenhum arquivo aberto."));
}

TEST_F(WriterTest, FinishedFileReplacesAnEarlierOneOnlyWhenComplete) {
  std::ofstream(file(kFinalName), std::ios::binary) << "anterior";
  openFile();
  Finaliza_SPED();
  EXPECT_EQ(finished(), "anterior");

  openFile();
  expectWritten({"Registro0990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"});
  EXPECT_EQ(Finaliza_SPED(), 0);
  EXPECT_TRUE(finished().starts_with("|0000|019|"));
  EXPECT_FALSE(fs::exists(file(kTemporaryName)));
}

#if !defined(_WIN32)
// A program that ends without Finaliza_SPED leaves the file under its temporary name, with what it
// had written, and the error file says why.
TEST_F(WriterTest, ProgramEndingWithAFileOpenLeavesItIncomplete) {
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const bool written = start() == 0 && call("Registro0000") == 0 && call("Registro0001") == 0;
    std::exit(written ? 0 : 1);  // runs the library's own end, as a program's end does
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(splitLines(partial()).size(), 2u);
  EXPECT_FALSE(fs::exists(file(kFinalName)));
  EXPECT_TRUE(contains(errorLines(),
                       "O programa terminou sem Finaliza_SPED: o arquivo ficou com o nome temporário "
                       "EFD_ICMS_IPI.txt.parcial."));
}
#endif

#if defined(__linux__)
// A disk that takes no more bytes: the failure is told once, every later call answers -1, and the
// file does not get its final name.
TEST_F(WriterTest, AFailedWriteIsToldAndTheFileKeepsItsTemporaryName) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  fs::create_symlink("/dev/full", file(kTemporaryName));
  ASSERT_EQ(start(), 0);
  call("Registro0000");  // its line goes to the disk now, or while the next call runs
  for (const char* f : {"Registro0001", "Registro0990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"})
    EXPECT_EQ(call(f), -1) << f;
  EXPECT_EQ(Finaliza_SPED(), -1);
  EXPECT_FALSE(fs::exists(file(kFinalName)));
  const std::vector<std::string> reasons = errorLines();
  EXPECT_EQ(std::count_if(reasons.begin(), reasons.end(),
                          [](const std::string& r) {
                            return r ==
                                   "Erro de gravação no arquivo EFD_ICMS_IPI.txt.parcial: o disco está cheio ou "
                                   "o arquivo deixou de estar acessível.";
                          }),
            1)
      << errors();
  EXPECT_TRUE(contains(reasons,
                       "Finaliza_SPED: houve erro de gravação no arquivo; ele ficou com o nome temporário "
                       "EFD_ICMS_IPI.txt.parcial."))
      << errors();
}
#endif

TEST_F(WriterTest, StartingAgainClosesTheOpenFileAsIncompleteAndSaysSo) {
  openFile();
  ASSERT_EQ(call("Registro0005"), 0);
  ASSERT_EQ(start(), 0);
  EXPECT_EQ(partial(), "");  // the new file replaces the abandoned one
  const std::vector<std::string> reasons = errorLines();
  ASSERT_EQ(reasons.size(), 1u) << errors();
  EXPECT_NE(reasons[0].find("Inicia_SPED: o arquivo em gravação foi fechado incompleto (sem o registro 9999)"),
            std::string::npos);

  // The abandoned file's state is gone: the new one starts again with 0000.
  EXPECT_EQ(call("Registro0001"), -1);
  EXPECT_EQ(call("Registro0000"), 0);
}

TEST_F(WriterTest, StartingAgainInAnotherFolderLeavesTheIncompleteFileWhereItWas) {
  openFile();
  const fs::path other = dir_.path() / "outra";
  fs::create_directories(other);
  ASSERT_EQ(Inicia_SPED(text(other.string()), text(in_.string())), 0);
  EXPECT_EQ(splitLines(partial()).size(), 2u);
  EXPECT_TRUE(contains(errorLines(), "fechado incompleto"));
  EXPECT_TRUE(fs::exists(other / kTemporaryName));
  EXPECT_FALSE(fs::exists(other / kErrorName));
}

TEST_F(WriterTest, StartFailsWithoutUsableFolders) {
  EXPECT_EQ(Inicia_SPED(nullptr, nullptr), -1);
  EXPECT_EQ(Inicia_SPED(nullptr, text(in_.string())), -1);
  EXPECT_EQ(Inicia_SPED(text((dir_.path() / "nao-existe").string()), text(in_.string())), -1);
  EXPECT_FALSE(fs::exists(file(kTemporaryName)));

  // With a usable output folder the reason is written there.
  EXPECT_EQ(Inicia_SPED(text(out_.string()), nullptr), -1);
  EXPECT_TRUE(contains(errorLines(), "Inicia_SPED: "));
  fs::remove(in_ / "PAIS.res");
  EXPECT_EQ(start(), -1);
  EXPECT_FALSE(fs::exists(file(kTemporaryName)));

  // Records have no file to go to, and say so.
  EXPECT_EQ(call("Registro0000"), -1);
  EXPECT_TRUE(contains(errorLines(), "Registro 0000: nenhum arquivo aberto; chame Inicia_SPED antes."));
}

// The folders arrive as Windows-1252 bytes, as the console passes the text of its boxes.
TEST_F(WriterTest, FoldersAreNamedInWindows1252) {
  const fs::path out = dir_.path() / u8"saída ç", in = dir_.path() / u8"referências";
  fs::create_directories(out);
  fs::create_directories(in);
  copyReferenceFiles(in);
  const std::u8string outName = out.u8string(), inName = in.u8string();
  ASSERT_EQ(Inicia_SPED(text(esc::toCp1252(std::string(outName.begin(), outName.end()))),
                        text(esc::toCp1252(std::string(inName.begin(), inName.end())))),
            0);
  expectWritten(
      {"Registro0000", "Registro0001", "Registro0990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"});
  EXPECT_EQ(Finaliza_SPED(), 0);
  EXPECT_TRUE(fs::exists(out / kFinalName));
}

TEST_F(WriterTest, NothingOfOneFileLeaksIntoTheNext) {
  // First file: layout 018, left with block C open.
  openFile("018");
  expectWritten({"Registro0990", "RegistroC001", "RegistroC100"});
  ASSERT_EQ(Finaliza_SPED(), -1);

  // Second file: counts restart, the block order is free again, and COD_VER 019 gives D700 its DED.
  openFile("019");
  expectWritten({"Registro0990", "RegistroC001", "RegistroC990", "RegistroD001", "RegistroD700", "RegistroD990",
                 "Registro9001", "Registro9900", "Registro9990", "Registro9999"});
  ASSERT_EQ(Finaliza_SPED(), 0) << errors();
  const std::vector<std::string> lines = splitLines(finished());
  EXPECT_EQ(lines[2], "|0990|3|");
  EXPECT_EQ(lines[4], "|C990|2|");
  EXPECT_EQ(splitFields(lines[6]).size(), 32u);  // D700 and its 31 fields
  EXPECT_EQ(lines.back(), "|9999|" + std::to_string(lines.size()) + "|");
}

TEST_F(WriterTest, InfoVersaoGivesOurVersion) { EXPECT_EQ(Info_Versao(), ESC_EXPECTED_VERSION); }

// -----------------------------------------------------------------------------------------------
// The form each layout version asks for.

struct FormCase {
  const char* what;
  const char* version;
  std::vector<std::string> before;  // records written first, with their valid values
  const char* function;
  std::vector<std::pair<std::size_t, std::string>> changes;  // position -> value
  std::int32_t result;
  std::size_t fields;  // after REG, in the written line
  const char* reason;  // nullptr: none
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.what; }

class VersionForms : public LibraryTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(VersionForms, WriteTheFormOfTheFilesLayout) {
  const FormCase& c = GetParam();
  ASSERT_EQ(start(), 0);
  call("Registro0000", header(c.version));
  ASSERT_EQ(call("Registro0001"), 0);
  for (const std::string& f : c.before) ASSERT_EQ(call(f), 0) << f << "\n" << errors();
  Args args = valid(c.function);
  for (const auto& [position, value] : c.changes) args.at(position - 2) = value;
  EXPECT_EQ(call(c.function, args), c.result) << errors();
  const std::vector<std::string> lines = closeAndReadPartial();
  const std::vector<std::string> fields = splitFields(lines.back());
  EXPECT_EQ(fields[0], std::string(c.function).substr(8, 4));
  EXPECT_EQ(fields.size() - 1, c.fields) << lines.back();
  std::vector<std::string> reasons = errorLines();
  std::erase_if(reasons, [](const std::string& l) { return l.starts_with("Finaliza_SPED"); });
  if (c.reason) {
    EXPECT_TRUE(contains(reasons, c.reason)) << errors();
  } else {
    EXPECT_TRUE(reasons.empty()) << errors();
  }
}

const std::vector<std::string> kToD = {"Registro0990", "RegistroD001"};
const std::vector<std::string> kToE116 = {"Registro0990", "RegistroE001", "RegistroE100", "RegistroE110"};
const std::vector<std::string> kToC177 = {"Registro0990", "RegistroC001", "RegistroC100", "RegistroC170"};
const std::vector<std::string> kToH = {"Registro0990", "RegistroH001"};
const std::vector<std::string> kTo0220 = {"Registro0190", "Registro0200"};

INSTANTIATE_TEST_SUITE_P(
    Writer, VersionForms,
    ::testing::Values(
        FormCase{"D700 gains an empty DED in 019", "019", kToD, "RegistroD700", {}, 0, 31, nullptr},
        FormCase{"D700 without DED before 019", "018", kToD, "RegistroD700", {}, 0, 30, nullptr},
        FormCase{"unknown COD_VER: forms of 019",
                 "999",
                 kToD,
                 "RegistroD700",
                 {},
                 0,
                 31,
                 "campo 02 COD_VER, valor \"999\": versão de leiaute desconhecida"},
        FormCase{"E116 before 2011 in its own years", "003", kToE116, "RegistroE116_ANTES_JAN2011", {}, 0, 8, nullptr},
        FormCase{"E116 before 2011 in a 2025 file lacks MES_REF",
                 "019",
                 kToE116,
                 "RegistroE116_ANTES_JAN2011",
                 {},
                 -1,
                 9,
                 "campo 10 MES_REF, valor \"\": campo obrigatório no leiaute 019, que a função "
                 "RegistroE116_ANTES_JAN2011 não tem."},
        FormCase{"E116 in 2010 has no MES_REF",
                 "003",
                 kToE116,
                 "RegistroE116",
                 {},
                 -1,
                 8,
                 "campo 10 MES_REF, valor \"012025\": este campo não existe no leiaute 003; o valor não foi gravado."},
        FormCase{"0220 without bar code in 2021", "015", kTo0220, "Registro0220", {}, 0, 2, nullptr},
        FormCase{"0220 bar code in 2021 is refused",
                 "015",
                 kTo0220,
                 "Registro0220",
                 {{4, "7891234567895"}},
                 -1,
                 2,
                 "campo 04 COD_BARRA, valor \"7891234567895\": este campo não existe no leiaute 015"},
        FormCase{"0220 of 2021 in 2022", "016", kTo0220, "Registro0220_2021", {}, 0, 3, nullptr},
        FormCase{"C177 with IPI seals until 2018", "012", kToC177, "RegistroC177", {}, 0, 2, nullptr},
        FormCase{"C177 with IPI seals from 2019",
                 "013",
                 kToC177,
                 "RegistroC177",
                 {},
                 -1,
                 2,
                 "a forma do registro C177 desta função (COD_SELO_IPI, QT_SELO_IPI) não vale no leiaute 013; vale do "
                 "leiaute 002 ao 012."},
        FormCase{"H005 before July 2012", "005", kToH, "RegistroH005_ANTES_JUL2012", {}, 0, 2, nullptr},
        FormCase{"H005 from July 2012",
                 "006",
                 kToH,
                 "RegistroH005_ANTES_JUL2012",
                 {},
                 -1,
                 3,
                 "campo 04 MOT_INV, valor \"\": campo obrigatório no leiaute 006"},
        FormCase{"C100 before April 2012 has the form of C100",
                 "019",
                 {"Registro0990", "RegistroC001"},
                 "RegistroC100_ANTES_ABR2012",
                 {},
                 0,
                 28,
                 nullptr}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

}  // namespace
}  // namespace libtest
