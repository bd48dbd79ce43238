// The reference files: their form, what loading them does to the table validators, the rules used
// without them, and the files we ship.
#include "reference_tables.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "identifiers.h"
#include "validators.h"

namespace escrivania {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = ESC_SHIPPED_TABLES;

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
}

// The codes of a shipped file, usable ones only.
std::vector<std::string> codesOf(const char* file) {
  std::vector<std::string> codes;
  std::istringstream in(readFile(kShipped / file));
  bool header = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (!header) {
      header = true;
      continue;
    }
    if (line.find("|S|") != std::string::npos) continue;
    codes.push_back(line.substr(0, line.find('|')));
  }
  return codes;
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("escrivania-validators-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
             "-" + std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  // A folder with the four shipped files.
  TempFolder& withShippedFiles() {
    for (const char* f : {"CFOP.res", "NCM.res", "MUNICIPIO.res", "PAIS.res"}) fs::copy_file(kShipped / f, path_ / f);
    return *this;
  }
  std::string bytes() const {
    const std::u8string u8 = path_.u8string();
    return std::string(u8.begin(), u8.end());
  }

 private:
  fs::path path_;
};

class ReferenceTables : public ::testing::Test {
 protected:
  void SetUp() override { resetReferenceStateForTesting({}); }
  void TearDown() override {
    clearFilePeriod();
    resetReferenceStateForTesting({});
  }
};

TEST_F(ReferenceTables, ShippedFilesAreCompleteAndWellFormed) {
  std::string reason;
  const auto tables = readReferenceTables(kShipped, reason);
  ASSERT_TRUE(tables) << reason;
  EXPECT_EQ(tables->municipio.size(), 5571u);
  EXPECT_EQ(tables->cfop.size(), 695u);
  EXPECT_EQ(codesOf("CFOP.res").size(), 619u);
  EXPECT_EQ(tables->pais.size(), 264u);
  EXPECT_EQ(tables->ncm.size(), 10500u);
}

TEST_F(ReferenceTables, EveryShippedMunicipalityKeepsTheCheckDigitOrIsAKnownException) {
  // The rule used without tables accepts every real code.
  for (const std::string& code : codesOf("MUNICIPIO.res")) EXPECT_TRUE(isMunicipioByRule(code)) << code;
}

TEST_F(ReferenceTables, TableValidatorsLookCodesUp) {
  TempFolder folder;
  folder.withShippedFiles();
  std::string reason;
  ASSERT_TRUE(loadReferenceTables(folder.bytes(), reason)) << reason;

  struct Case {
    const char* validator;
    const char* value;
    bool valid;
  };
  const Case cases[] = {
      {"vCod_Municipio", "2927408", true},   {"vCod_Municipio", "5300108", true},  {"vCod_Municipio", "2201919", true},
      {"vCod_Municipio", "5101837", true},   {"vCod_Municipio", "9999999", false}, {"vCod_Municipio", "2927409", false},
      {"vCod_Municipio", "11002050", false}, {"vCod_Municipio", "292740", false},  {"vCOD_CFOP", "5.301", true},
      {"vCOD_CFOP", "5301", true},           {"vCOD_CFOP", "1102", true},          {"vCOD_CFOP", "7949", true},
      {"vCOD_CFOP", "1100", false},          {"vCOD_CFOP", "1.100", false},        {"vCOD_CFOP", "5000", false},
      {"vCOD_CFOP", "6450", false},          {"vCOD_CFOP", "5302", true},          {"vCOD_CFOP", "5399", false},
      {"vCOD_CFOP", "53.01", false},         {"vCOD_CFOP", "5.3010", false},       {"vCOD_CFOP", "5,301", false},
      {"vCOD_CFOP", "4301", false},          {"vCOD_NCM", "01012100", true},       {"vCOD_NCM", "84713012", true},
      {"vCOD_NCM", "01011100", false},       {"vCOD_NCM", "010111000", false},     {"vCOD_NCM", "0101.21.00", false},
      {"vCOD_NCM", "0101210", false},        {"vCOD_PAIS", "01058", true},         {"vCOD_PAIS", "1058", true},
      {"vCOD_PAIS", "00132", true},          {"vCOD_PAIS", "132", false},          {"vCOD_PAIS", "01", false},
      {"vCOD_PAIS", "99999", false},         {"vCOD_PAIS", "010580", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(validateValues(c.validator, c.value) != 0, c.valid) << c.validator << " " << c.value;
}

TEST_F(ReferenceTables, ValidityDatesOfTheTablesFollowTheFilesPeriod) {
  TempFolder folder;
  folder.withShippedFiles();
  std::string reason;
  ASSERT_TRUE(loadReferenceTables(folder.bytes(), reason)) << reason;
  struct Case {
    const char* validator;
    const char* value;
    const char* start;
    const char* end;
    bool valid;
  };
  const Case cases[] = {
      {"vCOD_NCM", "32071010", "01092024", "30092024", true},  // ended 30/09/2024
      {"vCOD_NCM", "32071010", "01102024", "31102024", false},
      {"vCOD_NCM", "02071210", "01032023", "31032023", false},  // began 01/04/2023
      {"vCOD_NCM", "02071210", "01042023", "30042023", true},
      {"vCOD_NCM", "01012100", "01012015", "31012015", true},  // of the NCM edition before 2022 too
      {"vCOD_PAIS", "00153", "01012015", "31012015", false},   // NF-e code since 2017
      {"vCOD_PAIS", "00153", "01012017", "31012017", true},
  };
  for (const Case& c : cases) {
    setFilePeriod(c.start, c.end);
    EXPECT_EQ(validateValues(c.validator, c.value) != 0, c.valid) << c.validator << " " << c.value << " " << c.start;
  }
  clearFilePeriod();
  for (const Case& c : cases) EXPECT_NE(validateValues(c.validator, c.value), 0) << c.validator << " " << c.value;
}

TEST_F(ReferenceTables, WithoutTablesTheRulesAloneDecide) {
  // No file in the library's folder and nothing loaded.
  EXPECT_NE(validateValues("vCod_Municipio", "2927408"), 0);
  EXPECT_NE(validateValues("vCod_Municipio", "3152131"), 0);  // breaks the check digit, but real
  EXPECT_EQ(validateValues("vCod_Municipio", "2927409"), 0);
  EXPECT_NE(validateValues("vCOD_CFOP", "5.301"), 0);
  EXPECT_EQ(validateValues("vCOD_CFOP", "1100"), 0);
  EXPECT_EQ(validateValues("vCOD_CFOP", "1150"), 0);
  EXPECT_EQ(validateValues("vCOD_CFOP", "4101"), 0);
  EXPECT_NE(validateValues("vCOD_CFOP", "5399"), 0) << "a rule cannot know which codes exist";
  EXPECT_NE(validateValues("vCOD_NCM", "01011100"), 0);
  EXPECT_EQ(validateValues("vCOD_NCM", "77011100"), 0);
  EXPECT_EQ(validateValues("vCOD_NCM", "98011100"), 0);
  EXPECT_NE(validateValues("vCOD_PAIS", "1058"), 0);
  EXPECT_EQ(validateValues("vCOD_PAIS", "00000"), 0);
}

TEST_F(ReferenceTables, BeforeAnyLoadTheTablesOfTheLibrarysFolderAreUsed) {
  TempFolder folder;
  folder.withShippedFiles();
  // A municipality code that keeps the check digit but is in no table.
  std::set<std::string> real;
  for (const std::string& c : codesOf("MUNICIPIO.res")) real.insert(c);
  std::string fake;
  for (int n = 1100000; n < 1101000 && fake.empty(); ++n) {
    const std::string s = std::to_string(n);
    if (isMunicipioByRule(s) && !real.contains(s)) fake = s;
  }
  ASSERT_FALSE(fake.empty());

  resetReferenceStateForTesting(folder.path());
  EXPECT_EQ(validateValues("vCod_Municipio", fake), 0) << "looked up in the folder's table";
  EXPECT_NE(validateValues("vCod_Municipio", "2927408"), 0);

  TempFolder broken;
  broken.withShippedFiles();
  fs::remove(broken.path() / "PAIS.res");
  resetReferenceStateForTesting(broken.path());
  EXPECT_NE(validateValues("vCod_Municipio", fake), 0) << "an incomplete folder is not used: the rule decides";
}

TEST_F(ReferenceTables, MissingOrMalformedFilesAreRefusedWithTheReasonAndTheOldTablesStay) {
  TempFolder good;
  good.withShippedFiles();
  std::string reason;
  ASSERT_TRUE(loadReferenceTables(good.bytes(), reason)) << reason;

  TempFolder missing;
  missing.withShippedFiles();
  fs::remove(missing.path() / "NCM.res");
  EXPECT_FALSE(loadReferenceTables(missing.bytes(), reason));
  EXPECT_NE(reason.find("NCM.res"), std::string::npos) << reason;
  EXPECT_NE(reason.find("não encontrado"), std::string::npos) << reason;

  TempFolder malformed;
  malformed.withShippedFiles();
  writeFile(malformed.path() / "CFOP.res", "CODIGO|INICIO|FIM|TITULO|DESCRICAO\n5301|||N|Ok\n53O2|||N|Letra\n");
  EXPECT_FALSE(loadReferenceTables(malformed.bytes(), reason));
  EXPECT_NE(reason.find("CFOP.res"), std::string::npos) << reason;
  EXPECT_NE(reason.find("linha 3"), std::string::npos) << reason;

  EXPECT_FALSE(loadReferenceTables("", reason));
  EXPECT_FALSE(reason.empty());

  // The tables of the good folder are still in use.
  EXPECT_EQ(validateValues("vCOD_CFOP", "1100"), 0);
  EXPECT_EQ(validateValues("vCOD_NCM", "01011100"), 0);
}

TEST_F(ReferenceTables, AFolderNamedInWindows1252IsFound) {
  TempFolder parent;
  const fs::path folder = parent.path() / fs::path(u8"Configuração");
  fs::create_directories(folder);
  for (const char* f : {"CFOP.res", "NCM.res", "MUNICIPIO.res", "PAIS.res"}) fs::copy_file(kShipped / f, folder / f);
  std::string reason;
  const std::u8string u8 = parent.path().u8string();
  const std::string cp1252 = std::string(u8.begin(), u8.end()) + "/Configura\xE7\xE3o";
  EXPECT_TRUE(loadReferenceTables(cp1252, reason)) << reason;
}

struct MalformedCase {
  TableKind kind;
  const char* text;
  const char* reason;  // a part of the reason given
};

// clang-format off
const MalformedCase kMalformed[] = {
    {TableKind::Municipio, "", "cabeçalho"},
    {TableKind::Municipio, "# só comentários\n\n", "cabeçalho"},
    {TableKind::Municipio, "1100015|||Alta Floresta D'Oeste - RO\n", "linha 1: esperado o cabeçalho"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM\n", "linha 1: esperado o cabeçalho"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n", "nenhum código"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015||Alta Floresta\n", "linha 2: esperados 4 campos"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015||||Alta\n", "linha 2: esperados 4 campos"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n110001|||Curto\n", "não tem 7 algarismos"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n11000155|||Longo\n", "não tem 7 algarismos"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n 1100015|||Branco\n", "não tem 7 algarismos"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015|31022020||Data\n", "data de início"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015||2020-01-01|Data\n", "data de fim"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015|02012020|01012020|Datas\n", "posterior"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015|||\n", "descrição vazia"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015|||Nome \xE7\n", "UTF-8"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015|||Nome\tcom tabulação\n", "UTF-8"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015|||A\n1100023|||B\n1100015|||C\n",
     "linha 4: o código repete o da linha 2"},
    {TableKind::Municipio, "CODIGO|INICIO|FIM|DESCRICAO\n1100015||31122020|A\n1100015|31122020||B\n",
     "vigência sobreposta"},
    {TableKind::Cfop, "CODIGO|INICIO|FIM|DESCRICAO\n5301|||Serviço\n", "esperado o cabeçalho"},
    {TableKind::Cfop, "CODIGO|INICIO|FIM|TITULO|DESCRICAO\n5301|||X|Serviço\n", "TITULO"},
    {TableKind::Cfop, "CODIGO|INICIO|FIM|TITULO|DESCRICAO\n4301|||N|Serviço\n", "não começa por"},
    {TableKind::Ncm, "CODIGO|INICIO|FIM|DESCRICAO\n0101210|||Curto\n", "não tem 8 algarismos"},
    {TableKind::Pais, "CODIGO|INICIO|FIM|DESCRICAO\n1058|||BRASIL\n", "não tem 5 algarismos"},
};
// clang-format on

TEST(ReferenceFileForm, MalformedFilesAreRefusedWithTheLineAndTheFault) {
  for (const MalformedCase& c : kMalformed) {
    CodeTable table;
    std::string reason;
    EXPECT_FALSE(parseTable(c.kind, c.text, table, reason)) << c.text;
    EXPECT_NE(reason.find(c.reason), std::string::npos) << "reason \"" << reason << "\" for:\n" << c.text;
  }
}

TEST(ReferenceFileForm, CommentsBlankLinesBomAndWindowsLineEndsAreAccepted) {
  const std::string text =
      "\xEF\xBB\xBF# Tabela de teste\r\n\r\nCODIGO|INICIO|FIM|DESCRICAO\r\n# um comentário no meio\r\n"
      "1100015|||Alta Floresta D'Oeste - RO\r\n1100023|01012010|31122019|Ariquemes - RO\r\n"
      "1100023|01012021||Ariquemes de novo - RO\r\n";
  CodeTable table;
  std::string reason;
  ASSERT_TRUE(parseTable(TableKind::Municipio, text, table, reason)) << reason;
  EXPECT_EQ(table.size(), 3u);
  EXPECT_TRUE(table.contains(1100015, kAnyPeriod));
  EXPECT_TRUE(table.contains(1100023, {20150101, 20150131}));
  EXPECT_FALSE(table.contains(1100023, {20200101, 20200131})) << "between its two validities";
  EXPECT_TRUE(table.contains(1100023, {20210101, 20210131}));
  EXPECT_FALSE(table.contains(1100031, kAnyPeriod));
}

TEST(ReferenceFileForm, DatesAreCalendarDates) {
  EXPECT_EQ(parseDate("29022024"), 20240229u);
  EXPECT_EQ(parseDate("31122025"), 20251231u);
  for (const char* s : {"29022023", "31042024", "00012024", "01132024", "01002024", "1012024", "0101202A", ""}) {
    EXPECT_FALSE(parseDate(s)) << s;
  }
}

TEST_F(ReferenceTables, ValidatorsStaySoundWhileTablesAreReloaded) {
  TempFolder full;
  full.withShippedFiles();
  TempFolder small;
  small.withShippedFiles();
  writeFile(small.path() / "CFOP.res", "CODIGO|INICIO|FIM|TITULO|DESCRICAO\n5101|||N|Venda\n");
  writeFile(small.path() / "MUNICIPIO.res", "CODIGO|INICIO|FIM|DESCRICAO\n2927408|||Salvador - BA\n");

  std::atomic<bool> stop{false};
  std::atomic<int> wrong{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 3; ++t) {
    readers.emplace_back([&] {
      while (!stop.load()) {
        // In both sets: always valid. In the full set only: either verdict. In neither: never.
        if (!validateValues("vCOD_CFOP", "5101") || !validateValues("vCod_Municipio", "2927408")) ++wrong;
        validateValues("vCOD_CFOP", "5.301");
        if (validateValues("vCOD_CFOP", "1100") || validateValues("vCod_Municipio", "2927409")) ++wrong;
      }
    });
  }
  std::string reason;
  for (int i = 0; i < 40; ++i) {
    EXPECT_TRUE(loadReferenceTables((i % 2 ? small : full).bytes(), reason)) << reason;
    setFilePeriod("01012025", "31012025");
    clearFilePeriod();
  }
  stop = true;
  for (auto& t : readers) t.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace escrivania
