// The coded fields: each validator accepts exactly its field's value list of the layout, and the
// dated values only in the periods the layout gives them.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "reference_tables.h"
#include "validators.h"

namespace escrivania {
namespace {

struct ListCase {
  const char* validator;
  const char* values;  // blank-separated, as the layout lists them
};

// clang-format off
const ListCase kLists[] = {
    {"vInd_tipo_operacao", "0 1"},
    {"vMovimento", "0 1"},
    {"vInd_origem", "0 1 2 3 4 5 6 7 8"},
    {"vInd_tipo_transporte", "0 1 2 3 4 5 9"},
    {"vInd_origem_processo", "0 1 2 3 9"},
    {"vInd_emitente_titulo", "0 1"},
    {"vInd_tipo_referencia_base", "0 1 2 3 4"},
    {"vCod_modelo_documento_fiscal_4_1_1",
     "01 1B 02 2D 2E 04 06 07 08 8B 09 10 11 13 14 15 16 18 21 22 26 27 28 29 55 57 59 60 62 63 65 66 67"},
    {"vCod_classific_item_4_4_2", "00 01 02 03 04 05 06 07 20 21 22 23 24 25 26 27 80 90 91 92 93 94 95 96 97 99"},
    {"vInd_natureza_frete", "0 1"},
    {"vInd_emitente_documento_fiscal", "0 1"},
    {"vCod_situacao_documento_fiscal", "00 01 02 03 04 05 06 07 08"},
    {"vInd_tipo_receita", "0 1"},
    {"vInd_tipo_titulo_credito", "00 01 02 03 99"},
    {"vInd_tipo_veiculo_transportador", "0 1"},
    {"vInd_tipo_transporte_carga_coletada", "0 1 2 3 4 5 9"},
    {"vInd_tipo_servico_prestado", "0 1 2 3 4 9"},
    {"vIND_PERFIL", "A B C"},
    {"vIND_ATIV", "0 1"},
    {"vInd_tipo_frete", "0 1 2 3 4 9"},
    {"vCOD_FIN", "0 1"},
    {"vIND_MOV", "0 1"},
    {"vTIPO_ITEM", "00 01 02 03 04 05 06 07 08 09 10 99"},
    {"vIND_OPER", "0 1"},
    {"vIND_PGTO", "0 1 2 9"},
    {"vCOD_DOC_IMP", "0 1"},
    {"vIND_APUR", "0 1"},
    {"vTP_PROD", "0 1 2"},
    {"vIND_ARM", "0 1"},
    {"vIND_VEIC_OPER", "0 1 2 3 9"},
    {"vIND_FRT_RED", "0 1 2 9"},
    {"vIND_NAV", "0 1"},
    {"vIND_TFA", "0 1 2 9"},
    {"vIND_REC", "0 1 2 3 4 5 9"},
    {"vIND_MOV_ST", "0 1"},
    {"vIND_AJ", "0 1"},
    {"vIND_DOC", "0 1 2 3 9"},
    {"vIND_PROP", "0 1 2"},
    {"vIND_DOC_Informe_tipo_documento", "0 1 2"},
    {"vTP_CHC", "01 02 03 04 06 07 08 09 10 11 12 13 14 16 17 18 19 20 91 92 93 99"},
    {"vTIPO_MEDICAO", "0 1"},
    {"vIDENT_MERC", "1 2"},
    {"vCOD_NAT_CC", "01 02 03 04 05 09"},
    {"vIND_CTA", "S A"},
    {"vTIPO_MOV", "SI IM IA CI MC BA AT PE OT"},
    {"vCOD_DISP", "00 01 02 03 04 05"},
    {"vTP_LIGACAO", "1 2 3"},
    {"vCOD_GRUPO_TENSAO", "01 02 03 04 05 06 07 08 09 10 11 12 13 14"},
    {"vTP_ASSINANTE", "1 2 3 4 5 6"},
    {"vOPER", "0 1 2"},
    {"vIND_APUR_ICMS", "3 4 5 6 7 8"},
    {"vCST_IPI", "00 01 02 03 04 05 49 50 51 52 53 54 55 99"},
    {"vCST_PIS", "01 02 03 04 05 06 07 08 09 49 50 51 52 53 54 55 56 60 61 62 63 64 65 66 67 70 71 72 73 74 75 98 99"},
    {"vCST_COFINS", "01 02 03 04 05 06 07 08 09 49 50 51 52 53 54 55 56 60 61 62 63 64 65 66 67 70 71 72 73 74 75 98 99"},
    {"vIND_PGTO_ANT", "0 1 9"},
    {"vIND_DED", "0 1 2 9"},
    {"vIND_PROC", "0 1 2 9"},
    {"vIND_OBR", "0 1 2"},
    {"vIND_PROF", "0 1"},
    {"vIND_ESC", "0 1"},
    {"vIND_SOC", "0 1"},
    {"vFIN_DOCe", "1 2 3"},
    {"vIND_DEST", "1 2 9"},
    {"vTP_RESIDUO", "01 02 03 04"},
    {"vCLAS_ESTAB_IND", "00 01 02 03 04 05 06 07 08 09"},
    {"vCOD_DA", "0 1"},
    {"vIND_TP_LEIAUTE", "0 1 2"},
    {"vFIN_DOCe2", "0 3 4"},
    {"vTIPO_FAT", "0 1 2"},
    {"vIND_PREPAGO", "0 1"},
    {"vCod_Leiaute", "002 003 004 005 006 007 008 009 010 011 012 013 014 015 016 017 018 019 020"},
};
// clang-format on

std::set<std::string> words(const char* list) {
  std::set<std::string> out;
  std::istringstream in(list);
  for (std::string w; in >> w;) out.insert(w);
  return out;
}

// Every text of the lengths of the list's values over digits and upper-case letters (digits only
// for three characters): the values themselves and all their neighbours.
std::vector<std::string> candidates(const std::set<std::string>& values) {
  static const std::string kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::set<std::size_t> lengths;
  for (const auto& v : values) lengths.insert(v.size());
  std::vector<std::string> out = {"", " ", "00", "000", "0000"};
  for (std::size_t n : lengths) {
    if (n == 1) {
      for (char a : kChars) out.push_back({a});
    } else if (n == 2) {
      for (char a : kChars)
        for (char b : kChars) out.push_back({a, b});
    } else {
      for (int i = 0; i < 1000; ++i) out.push_back(std::string(3 - std::to_string(i).size(), '0') + std::to_string(i));
    }
  }
  for (const auto& v : values) {
    out.push_back(" " + v);
    out.push_back(v + " ");
    out.push_back(v + "0");
    out.push_back("0" + v);
    std::string lower = v;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    out.push_back(lower);
  }
  return out;
}

class CodedFields : public ::testing::Test {
 protected:
  void SetUp() override { resetReferenceStateForTesting({}); }
  void TearDown() override { clearFilePeriod(); }
};

TEST_F(CodedFields, EachValidatorAcceptsExactlyItsValueList) {
  for (const ListCase& c : kLists) {
    ASSERT_TRUE(isValidator(c.validator)) << c.validator;
    const std::set<std::string> values = words(c.values);
    for (const std::string& text : candidates(values)) {
      EXPECT_EQ(validateValues(c.validator, text) != 0, values.contains(text)) << c.validator << " \"" << text << '"';
    }
  }
}

TEST_F(CodedFields, IcmsTaxSituationIsOriginAndTableBOrCsosn) {
  const std::set<std::string> tableB = words("00 10 20 30 40 41 50 51 60 70 90");
  const std::set<std::string> csosn = words("101 102 103 201 202 203 300 400 500 900");
  for (int i = 0; i < 1000; ++i) {
    const std::string s = std::string(3 - std::to_string(i).size(), '0') + std::to_string(i);
    const bool expected = (s[0] <= '8' && tableB.contains(s.substr(1))) || csosn.contains(s);
    EXPECT_EQ(validateValues("vCST_ICMS", s) != 0, expected) << s;
  }
  for (const char* s : {"", "00", "0000", " 000", "0 00", "A00"}) EXPECT_EQ(validateValues("vCST_ICMS", s), 0) << s;
}

struct PeriodCase {
  const char* validator;
  const char* value;
  const char* start;
  const char* end;
  bool valid;
};

// clang-format off
const PeriodCase kPeriods[] = {
    // Origins 3 to 8 since 2013, in the origin field and in the ICMS tax situation.
    {"vInd_origem", "3", "01122012", "31122012", false},
    {"vInd_origem", "3", "01012013", "31012013", true},
    {"vInd_origem", "2", "01122012", "31122012", true},
    {"vCST_ICMS", "800", "01062011", "30062011", false},
    {"vCST_ICMS", "800", "01062015", "30062015", true},
    {"vCST_ICMS", "200", "01062011", "30062011", true},
    // Document situations 04 and 05 end with 2022.
    {"vCod_situacao_documento_fiscal", "04", "01122022", "31122022", true},
    {"vCod_situacao_documento_fiscal", "04", "01012023", "31012023", false},
    {"vCod_situacao_documento_fiscal", "05", "01012023", "31012023", false},
    {"vCod_situacao_documento_fiscal", "00", "01012023", "31012023", true},
    // Models: CT-e OS from April 2017, BP-e from 2018, NF3e from 2020.
    {"vCod_modelo_documento_fiscal_4_1_1", "67", "01032017", "31032017", false},
    {"vCod_modelo_documento_fiscal_4_1_1", "67", "01042017", "30042017", true},
    {"vCod_modelo_documento_fiscal_4_1_1", "63", "01122017", "31122017", false},
    {"vCod_modelo_documento_fiscal_4_1_1", "66", "01012020", "31012020", true},
    {"vCod_modelo_documento_fiscal_4_1_1", "55", "01012009", "31012009", true},
    // Freight by own transport (3, 4) since 2018.
    {"vInd_tipo_frete", "4", "01122017", "31122017", false},
    {"vInd_tipo_frete", "4", "01012018", "31012018", true},
    // Payment "2 - others" since July 2012; the older form keeps 9.
    {"vIND_PGTO", "2", "01062012", "30062012", false},
    {"vIND_PGTO", "2", "01072012", "31072012", true},
    {"vIND_PGTO", "9", "01072025", "31072025", true},
    {"vIND_PGTO_ANT", "9", "01072025", "31072025", true},
    // Separate ICMS apurações 4 to 6 since 2014.
    {"vIND_APUR_ICMS", "6", "01122013", "31122013", false},
    {"vIND_APUR_ICMS", "8", "01012014", "31012014", true},
    // Document codes added in 2018.
    {"vIND_DOC", "3", "01012017", "31012017", false},
    {"vIND_DOC", "3", "01012018", "31012018", true},
    {"vIND_DOC_Informe_tipo_documento", "2", "01012017", "31012017", false},
    // The layout version is the one in force on the final date of the file.
    {"vCod_Leiaute", "002", "01012009", "31012009", true},
    {"vCod_Leiaute", "002", "01012010", "31012010", false},
    {"vCod_Leiaute", "005", "01062012", "30062012", true},
    {"vCod_Leiaute", "006", "01062012", "30062012", false},
    {"vCod_Leiaute", "006", "01072012", "31072012", true},
    {"vCod_Leiaute", "019", "01122025", "31122025", true},
    {"vCod_Leiaute", "020", "01012026", "31012026", true},
    {"vCod_Leiaute", "020", "01012030", "31012030", true},
    {"vCod_Leiaute", "019", "01012026", "31012026", false},
};
// clang-format on

TEST_F(CodedFields, DatedValuesFollowTheOpenFilesPeriod) {
  for (const PeriodCase& c : kPeriods) {
    setFilePeriod(c.start, c.end);
    EXPECT_EQ(validateValues(c.validator, c.value) != 0, c.valid)
        << c.validator << " \"" << c.value << "\" in " << c.start << "-" << c.end;
    clearFilePeriod();
    EXPECT_NE(validateValues(c.validator, c.value), 0) << c.validator << " \"" << c.value << "\" with no file open";
  }
}

TEST_F(CodedFields, AnUnusablePeriodCountsAsNoPeriod) {
  for (const auto& [start, end] : {std::pair{"31022020", "31032020"}, std::pair{"01032020", ""},
                                   std::pair{"01032021", "01022021"}, std::pair{"0103202", "31032020"}}) {
    setFilePeriod(start, end);
    EXPECT_NE(validateValues("vCod_Leiaute", "002"), 0) << start << "-" << end;
    EXPECT_NE(validateValues("vCod_Leiaute", "020"), 0) << start << "-" << end;
  }
}

TEST_F(CodedFields, UnknownValidatorsAndMissingArgumentsAreInvalid) {
  EXPECT_EQ(validateValues("vNOPE", "1"), 0);
  EXPECT_EQ(validateValues("", "1"), 0);
  EXPECT_EQ(validateValues("vind_oper", "1"), 0);
  EXPECT_EQ(validate("vIND_OPER", {}), 0);
  EXPECT_EQ(validate("vIND_OPER", {nullptr}), 0);
  EXPECT_EQ(validate("vInscEst", {"110042490114"}), 0);
  EXPECT_NE(validate("vInscEst", {"110042490114", "SP"}), 0);
  EXPECT_NE(validate("vIND_OPER", {"1"}), 0);
}

}  // namespace
}  // namespace escrivania
