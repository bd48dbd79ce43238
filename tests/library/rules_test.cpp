// The rules a record call is held to: one table of cases for the fields, one for the structure.
#include <algorithm>
#include <cctype>
#include <set>

#include "library_fixture.h"

namespace libtest {
namespace {

std::string testName(std::string_view what) {
  std::string name(what);
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

bool anyContains(const std::vector<std::string>& lines, std::string_view part) {
  for (const std::string& l : lines)
    if (l.find(part) != std::string::npos) return true;
  return false;
}

// -----------------------------------------------------------------------------------------------
// Fields: normalisation and checks. A content problem still writes the (normalised) line.

enum class Context { Block0, BlockC, ExitDocument, EntryDocument, E110 };

struct FieldCase {
  const char* what;
  Context context;
  const char* function;
  std::size_t position;  // 02 is the first argument
  const char* name;
  std::string value;
  std::int32_t result;
  std::string written;
  const char* rule;                                            // nullptr when the value is valid
  std::vector<std::pair<std::size_t, std::string>> also = {};  // other fields changed
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.what; }

class FieldRules : public LibraryTest, public ::testing::WithParamInterface<FieldCase> {
 protected:
  void enter(Context c) {
    openFile();
    if (c == Context::Block0) return;
    ASSERT_EQ(call("Registro0990"), 0);
    if (c == Context::E110) {
      expectWritten({"RegistroE001", "RegistroE100", "RegistroE110"});
      return;
    }
    ASSERT_EQ(call("RegistroC001"), 0);
    if (c == Context::ExitDocument) {
      ASSERT_EQ(call("RegistroC100"), 0) << errors();
    } else if (c == Context::EntryDocument) {
      ASSERT_EQ(callWith("RegistroC100", 2, "0"), 0) << errors();
    }
  }
};

TEST_P(FieldRules, NormaliseAndCheck) {
  const FieldCase& c = GetParam();
  enter(c.context);
  Args args = valid(c.function);
  args.at(c.position - 2) = c.value;
  for (const auto& [position, value] : c.also) args.at(position - 2) = value;
  const std::size_t reasonsBefore = errorLines().size();
  EXPECT_EQ(call(c.function, args), c.result);

  const std::vector<std::string> lines = closeAndReadPartial();
  const std::vector<std::string> fields = splitFields(lines.back());
  ASSERT_EQ(fields.at(0), std::string(c.function).substr(8, 4)) << "the line is written";
  EXPECT_EQ(fields.at(c.position - 1), c.written);

  std::vector<std::string> reasons = errorLines();
  reasons.erase(reasons.begin(), reasons.begin() + static_cast<std::ptrdiff_t>(reasonsBefore));
  std::erase_if(reasons, [](const std::string& l) { return l.starts_with("Finaliza_SPED"); });
  if (c.rule) {
    const std::string where = std::string("Registro ") + (c.function + 8) + ", linha " + std::to_string(lines.size()) +
                              ", campo " + (c.position < 10 ? "0" : "") + std::to_string(c.position) + " " + c.name +
                              ", valor ";
    ASSERT_FALSE(reasons.empty());
    EXPECT_NE(reasons.front().find(where), std::string::npos) << reasons.front();
    EXPECT_TRUE(anyContains(reasons, c.rule)) << errors();
  } else {
    EXPECT_TRUE(reasons.empty()) << errors();
  }
}

const std::string k101(101, 'a');
const std::string k255(255, 'x');
const std::string k256(256, 'x');

INSTANTIATE_TEST_SUITE_P(
    Writer, FieldRules,
    ::testing::Values(
        // Normalisation.
        FieldCase{"blanks around a text", Context::Block0, "Registro0150", 3, "NOME", "  Fornecedor \t", 0,
                  "Fornecedor", nullptr},
        FieldCase{"CNPJ punctuation", Context::Block0, "Registro0150", 5, "CNPJ", "11.444.777/0001-61", 0,
                  "11444777000161", nullptr},
        FieldCase{"CEP punctuation", Context::Block0, "Registro0005", 3, "CEP", "40170-110", 0, "40170110", nullptr},
        FieldCase{"CFOP with a dot", Context::ExitDocument, "RegistroC170", 11, "CFOP", "5.102", 0, "5102", nullptr},
        FieldCase{"date with slashes", Context::BlockC, "RegistroC100", 10, "DT_DOC", "15/01/2025", 0, "15012025",
                  nullptr},
        FieldCase{"leap day", Context::BlockC, "RegistroC100", 10, "DT_DOC", "29022024", 0, "29022024", nullptr},
        FieldCase{"month with a slash", Context::E110, "RegistroE116", 10, "MES_REF", "01/2025", 0, "012025", nullptr},
        FieldCase{"decimal point", Context::BlockC, "RegistroC100", 12, "VL_DOC", "1234.5", 0, "1234,5", nullptr},
        FieldCase{"Windows-1252 letters kept", Context::Block0, "Registro0150", 3, "NOME", "Jos\xE9 Concei\xE7\xE3o", 0,
                  "Jos\xE9 Concei\xE7\xE3o", nullptr},
        FieldCase{"text of 255 characters", Context::Block0, "Registro0190", 3, "DESCR", k255, 0, k255, nullptr},
        // Type.
        FieldCase{"letter in a number", Context::Block0, "Registro0150", 4, "COD_PAIS", "1058a", -1, "1058a",
                  "só algarismos"},
        FieldCase{"thousands separator", Context::Block0, "Registro0200", 12, "ALIQ_ICMS", "1.234,56", -1, "1.234,56",
                  "só algarismos"},
        FieldCase{"sign", Context::Block0, "Registro0200", 12, "ALIQ_ICMS", "-5", -1, "-5", "só algarismos"},
        FieldCase{"comma without a whole part", Context::Block0, "Registro0200", 12, "ALIQ_ICMS", ",5", -1, ",5",
                  "só algarismos"},
        FieldCase{"date that does not exist", Context::BlockC, "RegistroC100", 10, "DT_DOC", "30022025", -1, "30022025",
                  "data inválida"},
        FieldCase{"date in another form", Context::BlockC, "RegistroC100", 10, "DT_DOC", "2025-01-15", -1, "2025-01-15",
                  "data inválida"},
        FieldCase{"month 13", Context::E110, "RegistroE116", 10, "MES_REF", "132025", -1, "132025", "mês inválido"},
        // Decimals.
        FieldCase{"too many decimals", Context::Block0, "Registro0200", 12, "ALIQ_ICMS", "18,555", -1, "18,555",
                  "no máximo 2 casa(s) decimal(is)"},
        FieldCase{"decimals where none are allowed", Context::Block0, "Registro0200", 7, "TIPO_ITEM", "0,5", -1, "0,5",
                  "campo numérico sem casas decimais"},
        // Size.
        FieldCase{"exact size", Context::Block0, "Registro0150", 5, "CNPJ", "1144477700016", -1, "1144477700016",
                  "deve ter exatamente 14 caracteres (tem 13)"},
        FieldCase{"maximum size of a text", Context::Block0, "Registro0150", 3, "NOME", k101, -1, k101,
                  "deve ter no máximo 100 caracteres (tem 101)"},
        FieldCase{"maximum size of a number with its comma", Context::Block0, "Registro0200", 12, "ALIQ_ICMS",
                  "1234,56", -1, "1234,56", "deve ter no máximo 6 caracteres (tem 7)"},
        FieldCase{"text without a size holds 255", Context::Block0, "Registro0190", 3, "DESCR", k256, -1, k256,
                  "deve ter no máximo 255 caracteres (tem 256)"},
        // Required, forbidden, and entry or exit.
        FieldCase{"required and empty", Context::Block0, "Registro0150", 10, "END", "", -1, "",
                  "campo obrigatório não preenchido"},
        FieldCase{"required and blank", Context::Block0, "Registro0150", 10, "END", "   ", -1, "",
                  "campo obrigatório não preenchido"},
        FieldCase{"filled where it must not be", Context::Block0, "Registro0200", 5, "COD_ANT_ITEM", "X1", -1, "X1",
                  "não deve ser preenchido"},
        FieldCase{"date of exit may be empty in an exit", Context::BlockC, "RegistroC100", 11, "DT_E_S", "", 0, "",
                  nullptr},
        FieldCase{"date of entry is required in an entry",
                  Context::BlockC,
                  "RegistroC100",
                  11,
                  "DT_E_S",
                  "",
                  -1,
                  "",
                  "campo obrigatório não preenchido",
                  {{2, "0"}}},
        FieldCase{"import document under an entry", Context::EntryDocument, "RegistroC120", 2, "COD_DOC_IMP", "", -1,
                  "", "campo obrigatório não preenchido"},
        FieldCase{"import document under an exit", Context::ExitDocument, "RegistroC120", 2, "COD_DOC_IMP", "", 0, "",
                  nullptr},
        // Coded fields, judged by the library's validators.
        FieldCase{"CNPJ check digits", Context::Block0, "Registro0150", 5, "CNPJ", "11444777000162", -1,
                  "11444777000162", "valor recusado pela validação vCNPJ."},
        FieldCase{"CFOP title", Context::ExitDocument, "RegistroC170", 11, "CFOP", "5100", -1, "5100",
                  "valor recusado pela validação vCOD_CFOP."},
        FieldCase{"municipality abroad", Context::Block0, "Registro0150", 8, "COD_MUN", "9999999", 0, "9999999",
                  nullptr},
        FieldCase{"state registration of the record's state", Context::Block0, "Registro0015", 3, "IE_ST", "12345678",
                  -1, "12345678", "valor recusado pela validação vInscEst (UF_ST \"BA\")."},
        FieldCase{"payment 2 in C100", Context::BlockC, "RegistroC100", 13, "IND_PGTO", "2", 0, "2", nullptr},
        FieldCase{"payment 2 in C100 before April 2012", Context::BlockC, "RegistroC100_ANTES_ABR2012", 13, "IND_PGTO",
                  "2", -1, "2", "valor recusado pela validação vIND_PGTO_ANT."},
        // Characters that would break the line are left out of it.
        FieldCase{"field separator", Context::Block0, "Registro0150", 10, "END", "Rua|B", -1, "RuaB",
                  "contém o separador de campos \"|\""},
        FieldCase{"control characters", Context::Block0, "Registro0150", 10, "END",
                  "Rua\x01"
                  "B\r\nC",
                  -1, "RuaBC", "contém caracteres de controle"}),
    [](const auto& info) { return testName(info.param.what); });

// -----------------------------------------------------------------------------------------------
// Structure: a record out of place writes nothing, and its line is kept in the error file.

struct StructureCase {
  const char* what;
  std::vector<std::string> steps;  // record codes; all but the last are written
  const char* rule;
};

void PrintTo(const StructureCase& c, std::ostream* os) { *os << c.what; }

class StructureRules : public LibraryTest, public ::testing::WithParamInterface<StructureCase> {};

TEST_P(StructureRules, RefuseWithoutWriting) {
  const StructureCase& c = GetParam();
  ASSERT_EQ(start(), 0);
  for (std::size_t i = 0; i + 1 < c.steps.size(); ++i)
    ASSERT_EQ(call("Registro" + c.steps[i]), 0) << c.steps[i] << "\n" << errors();
  EXPECT_EQ(call("Registro" + c.steps.back()), -1);

  // Every step before the last wrote one line, but 9900, which writes one per record type present
  // plus those of 9900, 9990 and 9999.
  std::set<std::string> types;
  std::size_t expected = 0;
  for (std::size_t i = 0; i + 1 < c.steps.size(); ++i) {
    expected += c.steps[i] == "9900" ? types.size() + 3 : 1;
    types.insert(c.steps[i]);
  }
  const bool complete = Finaliza_SPED() == 0;
  const std::vector<std::string> lines = splitLines(complete ? finished() : partial());
  EXPECT_EQ(lines.size(), expected);

  const std::string where =
      "Registro " + c.steps.back() + " (não gravado, após a linha " + std::to_string(lines.size()) + "): ";
  const std::vector<std::string> reasons = errorLines();
  EXPECT_TRUE(anyContains(reasons, where + c.rule)) << errors();
  EXPECT_TRUE(anyContains(reasons, where + "linha recebida \"|" + c.steps.back() + "|")) << errors();
}

INSTANTIATE_TEST_SUITE_P(
    Writer, StructureRules,
    ::testing::Values(
        StructureCase{"first record not 0000", {"0001"}, "o arquivo deve começar pelo registro 0000."},
        StructureCase{"second 0000", {"0000", "0001", "0000"}, "o registro 0000 só pode ser o primeiro do arquivo."},
        StructureCase{"record before its block opens",
                      {"0000", "0005"},
                      "o registro 0005 pertence ao bloco 0, que não está aberto."},
        StructureCase{"record of another block",
                      {"0000", "0001", "0990", "E001", "C100"},
                      "o registro C100 pertence ao bloco C, que não está aberto."},
        StructureCase{"block opened inside another",
                      {"0000", "0001", "C001"},
                      "o bloco 0 ainda está aberto: encerre-o com o registro 0990 antes de abrir o bloco C."},
        StructureCase{"blocks out of order",
                      {"0000", "0001", "0990", "D001", "D990", "C001"},
                      "o bloco C não pode vir depois do bloco D (ordem dos blocos: 0, B, C, D, E, G, H, K, 1, 9)."},
        StructureCase{"block written twice", {"0000", "0001", "0990", "0001"}, "o bloco 0 já foi gravado"},
        StructureCase{"block closed twice", {"0000", "0001", "0990", "0990"}, "o bloco 0 já foi encerrado."},
        StructureCase{"block closed before it opens",
                      {"0000", "0001", "0990", "C990"},
                      "o bloco C não está aberto (falta o registro C001)."},
        StructureCase{"child without its parent",
                      {"0000", "0001", "0990", "C001", "C170"},
                      "o registro C170 só pode vir abaixo de um registro C100 (seu registro pai)."},
        StructureCase{"child after a sibling of its parent",
                      {"0000", "0001", "0150", "0190", "0175"},
                      "o registro 0175 só pode vir abaixo de um registro 0150 (seu registro pai)."},
        StructureCase{"children out of layout order",
                      {"0000", "0001", "0990", "C001", "C100", "C190", "C170"},
                      "fora da ordem do leiaute: o registro C170 não pode vir depois do registro C190 sob o mesmo "
                      "registro C100."},
        StructureCase{"one-per-parent record repeated",
                      {"0000", "0001", "0990", "E001", "E100", "E110", "E110"},
                      "o registro E110 só pode aparecer 1 vez sob cada registro E100."},
        StructureCase{"one-per-file record repeated",
                      {"0000", "0001", "0005", "0005"},
                      "o registro 0005 só pode aparecer 1 vez sob cada registro 0001."},
        StructureCase{"9900 outside block 9",
                      {"0000", "0001", "0990", "9900"},
                      "o bloco 9 não está aberto (falta o registro 9001)."},
        StructureCase{"9900 twice",
                      {"0000", "0001", "0990", "9001", "9900", "9900"},
                      "as linhas 9900 já foram gravadas: Registro9900 vale uma vez por arquivo."},
        StructureCase{"9990 without 9900",
                      {"0000", "0001", "0990", "9001", "9990"},
                      "o registro 9990 só pode vir depois das linhas 9900 (chame Registro9900 antes)."},
        StructureCase{"9999 with a block open",
                      {"0000", "0001", "9999"},
                      "o bloco 0 ainda está aberto: encerre-o com o registro 0990."},
        StructureCase{"9999 without block 9",
                      {"0000", "0001", "0990", "9999"},
                      "o registro 9999 só pode vir depois do encerramento do bloco 9 (9990)."},
        StructureCase{"anything after 9999",
                      {"0000", "0001", "0990", "9001", "9900", "9990", "9999", "9001"},
                      "nada pode ser gravado depois do registro 9999."}),
    [](const auto& info) { return testName(info.param.what); });

// A document that COD_SIT voids (cancelled 02, late 03, denied 04, number voided 05) keeps only the
// fields that identify it, leaves the others empty and has no child records.
TEST_F(LibraryTest, VoidedDocumentsKeepOnlyTheFieldsThatIdentifyThem) {
  openFile("016");  // 2022: denied and voided documents were still reported
  ASSERT_EQ(call("Registro0990"), 0);
  ASSERT_EQ(call("RegistroC001"), 0);
  const Args sample = valid("RegistroC100");
  const std::string key = sample[7];  // CHV_NFE
  const auto voided = [&](const std::string& situation, const std::string& chv) {
    Args a(sample.size());
    for (const std::size_t kept : {0, 1, 3, 4, 5, 6}) a[kept] = sample[kept];  // IND_OPER ... NUM_DOC
    a[4] = situation;
    a[7] = chv;
    return a;
  };
  for (const auto& [situation, chv] :
       {std::pair<std::string, std::string>{"02", key}, {"03", key}, {"04", key}, {"05", ""}}) {
    EXPECT_EQ(call("RegistroC100", voided(situation, chv)), 0) << situation << "\n" << errors();
    EXPECT_EQ(call("RegistroC170"), -1) << situation;
  }
  const std::vector<std::string> lines = closeAndReadPartial();
  ASSERT_EQ(lines.size(), 8u);  // 0000, 0001, 0990, C001 and the four C100: no C170 under any of them
  EXPECT_EQ(lines[4], "|C100|1|0||55|02|1|123|" + key + "|||||||||||||||||||||");
  EXPECT_EQ(lines[7], "|C100|1|0||55|05|1|123||||||||||||||||||||||");
  EXPECT_TRUE(anyContains(errorLines(),
                          "Registro C170 (não gravado, após a linha 5): o registro C170 não pode vir "
                          "abaixo de um registro C100 de documento cancelado, denegado ou de numeração "
                          "inutilizada (COD_SIT 02, 03, 04 ou 05)."))
      << errors();
}

TEST_F(LibraryTest, VoidedDocumentsWithOtherFieldsFilledAreToldWhichToLeaveEmpty) {
  openFile("016");
  ASSERT_EQ(call("Registro0990"), 0);
  ASSERT_EQ(call("RegistroC001"), 0);
  Args full = valid("RegistroC100");
  full[4] = "02";
  EXPECT_EQ(call("RegistroC100", full), -1);  // the line is still written, so the file keeps its shape
  full[4] = "05";
  EXPECT_EQ(call("RegistroC100", full), -1);
  Args regular = valid("RegistroC100");
  regular[8] = "";  // DT_DOC
  EXPECT_EQ(call("RegistroC100", regular), -1);
  const std::vector<std::string> reasons = errorLines();
  EXPECT_TRUE(anyContains(reasons,
                          "Registro C100, linha 5, campo 10 DT_DOC, valor \"15012025\": em documento com "
                          "COD_SIT 02 (cancelado) este campo fica vazio."))
      << errors();
  EXPECT_TRUE(
      anyContains(reasons, "Registro C100, linha 6, campo 09 CHV_NFE, valor \"" + full[7] +
                               "\": em documento com COD_SIT 05 (numeração inutilizada) este campo fica vazio."))
      << errors();
  EXPECT_FALSE(anyContains(reasons, "linha 6, campo 07 SER"));  // identifying fields stay as they were
  // Any other situation keeps the layout's rules: a regular document has a date.
  EXPECT_TRUE(anyContains(reasons, "Registro C100, linha 7, campo 10 DT_DOC, valor \"\": campo obrigatório"))
      << errors();

  // Transport documents too (D100: SUB and CHV_CTE).
  ASSERT_EQ(call("RegistroC990"), 0);
  ASSERT_EQ(call("RegistroD001"), 0);
  Args d100(24);
  d100[0] = "0", d100[1] = "1", d100[3] = "57", d100[4] = "05", d100[5] = "1", d100[6] = "2", d100[7] = "77";
  EXPECT_EQ(call("RegistroD100", d100), 0) << errors();
}

TEST_F(LibraryTest, RecordsWithoutAFileAreRefusedWithTheirReason) {
  EXPECT_EQ(call("Registro0000"), -1);  // never started: no folder to tell it in
  openFile();
  Finaliza_SPED();
  const std::size_t before = errorLines().size();
  EXPECT_EQ(call("Registro0001"), -1);
  EXPECT_EQ(call("Registro9999"), -1);
  const std::vector<std::string> reasons = errorLines();
  ASSERT_EQ(reasons.size(), before + 2);
  EXPECT_EQ(reasons[before], "Registro 0001: nenhum arquivo aberto; chame Inicia_SPED antes.");
}

}  // namespace
}  // namespace libtest
