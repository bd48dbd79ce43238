// The validators as the library exports them: the sample values of the console's validation page,
// hostile arguments, and the reference files that Inicia_SPED loads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "escrivania.h"

namespace {

namespace fs = std::filesystem;

using Verdict = std::uint8_t (*)(esc::Text, esc::Text);

struct Exported {
  const char* name;
  Verdict call;
};

#define ESC_CALL_1(name) ((void)b, name(a))
#define ESC_CALL_2(name) name(a, b)
const Exported kExported[] = {
#define ESC_VALIDATOR(name, argc) \
  {#name, [](esc::Text a, esc::Text b) -> std::uint8_t { return ESC_CALL_##argc(name); }},
#include "functions.def"
};

std::uint8_t call(const char* name, esc::Text a, esc::Text b = nullptr) {
  for (const Exported& e : kExported) {
    if (std::string_view(e.name) == name) return e.call(a, b);
  }
  ADD_FAILURE() << "no exported validator " << name;
  return 0;
}

struct Sample {
  const char* function;
  const char* argument;
  bool valid;
};

// Each validation button's function and sample argument, with the verdict of our library (with the
// reference files beside the library and no file open).
// clang-format off
const Sample kSamples[] = {
    {"vCEP", "40301110", true},
    {"vUF", "DF", true},
    {"vCPF", "73190456216", true},
    {"vCNPJ", "11222333000181", true},
    {"vInd_tipo_operacao", "01", false},
    {"vMovimento", "01", false},
    {"vCod_Municipio", "11002050", false},
    {"vInd_origem", "02", false},
    {"vCOD_CFOP", "5.301", true},
    {"vCod_Leiaute", "002", true},
    {"vInd_tipo_transporte", "05", false},
    {"vInd_origem_processo", "06", false},
    {"vCOD_NCM", "010111000", false},
    {"vCOD_PAIS", "01", false},
    {"vInd_emitente_titulo", "1", true},
    {"vInd_tipo_referencia_base", "1", true},
    {"vCod_modelo_documento_fiscal_4_1_1", "01", true},
    {"vCod_classific_item_4_4_2", "01", true},
    {"vInd_natureza_frete", "1", true},
    {"vInd_emitente_documento_fiscal", "1", true},
    {"vCod_situacao_documento_fiscal", "01", true},
    {"vInd_tipo_receita", "1", true},
    {"vInd_tipo_titulo_credito", "03", true},
    {"vInd_tipo_veiculo_transportador", "08", false},
    {"vInd_tipo_transporte_carga_coletada", "09", false},
    {"vInd_tipo_servico_prestado", "10", false},
    {"vIND_PERFIL", "A", true},
    {"vIND_ATIV", "1", true},
    {"vInd_tipo_frete", "1", true},
    {"vCOD_FIN", "1", true},
    {"vIND_MOV", "1", true},
    {"vTIPO_ITEM", "01", true},
    {"vIND_OPER", "1", true},
    {"vIND_PGTO", "01", false},
    {"vCOD_DOC_IMP", "1", true},
    {"vIND_APUR", "1", true},
    {"vTP_PROD", "1", true},
    {"vIND_ARM", "1", true},
    {"vIND_VEIC_OPER", "1", true},
    {"vIND_FRT_RED", "1", true},
    {"vIND_NAV", "1", true},
    {"vIND_TFA", "1", true},
    {"vIND_REC", "1", true},
    {"vIND_MOV_ST", "1", true},
    {"vIND_AJ", "1", true},
    {"vIND_DOC", "1", true},
    {"vIND_PROP", "1", true},
    {"vIND_DOC_Informe_tipo_documento", "1", true},
    {"vTP_CHC", "01", true},
    {"vTIPO_MEDICAO", "1", true},
    {"vIDENT_MERC", "1", true},
    {"vCOD_NAT_CC", "02", true},
    {"vIND_CTA", "S", true},
    {"vTIPO_MOV", "SI", true},
    {"vCOD_DISP", "01", true},
    {"vTP_LIGACAO", "1", true},
    {"vCOD_GRUPO_TENSAO", "2", false},
    {"vTP_ASSINANTE", "1", true},
    {"vOPER", "1", true},
    {"vIND_APUR_ICMS", "3", true},
    {"vCST_ICMS", "900", true},
    {"vCST_IPI", "01", true},
    {"vCST_PIS", "01", true},
    {"vCST_COFINS", "01", true},
    {"vIND_PGTO_ANT", "9", true},
    {"vIND_DED", "9", true},
    {"vIND_PROC", "9", true},
    {"vIND_OBR", "9", false},
    {"vIND_PROF", "0", true},
    {"vIND_ESC", "0", true},
    {"vIND_SOC", "0", true},
    {"vFIN_DOCe", "1", true},
    {"vIND_DEST", "1", true},
    {"vTP_RESIDUO", "01", true},
    {"vCLAS_ESTAB_IND", "01", true},
    {"vCOD_DA", "0", true},
    {"vIND_TP_LEIAUTE", "0", true},
    {"vFIN_DOCe2", "0", true},
    {"vTIPO_FAT", "0", true},
    {"vIND_PREPAGO", "0", true},
};
// clang-format on

TEST(ExportedValidators, VerdictsOnTheConsolesSampleValues) {
  ASSERT_EQ(std::size(kSamples), 80u);  // and vInscEst, with two arguments
  for (const Sample& s : kSamples)
    EXPECT_EQ(call(s.function, s.argument) != 0, s.valid) << s.function << " " << s.argument;
  EXPECT_EQ(vInscEst(nullptr, nullptr), 0) << "the page passes two empty texts";
  EXPECT_NE(vInscEst("ISENTO", "DF"), 0);
  EXPECT_NE(vInscEst("0730000100109", "DF"), 0);
}

TEST(ExportedValidators, TitleCfopsAreInvalidWithTheShippedTables) {
  // Before any file is opened the library reads the tables beside itself.
  EXPECT_EQ(vCOD_CFOP("1100"), 0);
  EXPECT_EQ(vCOD_CFOP("5399"), 0) << "not in the CFOP table";
  EXPECT_EQ(vCod_Municipio("5300009"), 0) << "keeps the check digit, but no such municipality";
  EXPECT_NE(vCod_Municipio("5300108"), 0);
}

TEST(ExportedValidators, HostileArgumentsNeverCrashAndAreInvalid) {
  const std::string huge(1 << 20, '1');
  const std::string hugeLetters(1 << 20, 'A');
  const char bytes[] = {'\x01', '\x7F', '\x80', '\x81', '\xFF', '|', '\n', '\0'};
  const std::vector<esc::Text> hostile = {nullptr, "",    huge.c_str(), hugeLetters.c_str(), bytes, "|", "   ", "\xE7",
                                          "0|1",   "1\n", "1 "};
  ASSERT_EQ(std::size(kExported), 81u);
  for (const Exported& e : kExported) {
    for (esc::Text a : hostile) {
      for (esc::Text b : {esc::Text(nullptr), esc::Text("SP"), a}) EXPECT_EQ(e.call(a, b), 0) << e.name;
    }
  }
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("escrivania-exports-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
             std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  std::string text() const { return path_.string(); }

 private:
  fs::path path_;
};

TEST(ExportedValidators, IniciaSpedRefusesMissingOrMalformedTablesAndUsesTheOnesItLoads) {
  const fs::path shipped = ESC_SHIPPED_TABLES;
  TempFolder output;
  TempFolder input;
  for (const char* f : {"CFOP.res", "NCM.res", "MUNICIPIO.res"}) fs::copy_file(shipped / f, input.path() / f);

  const std::string out = output.text();
  std::string in = input.text();
  EXPECT_EQ(Inicia_SPED(out.c_str(), in.c_str()), -1) << "PAIS.res is missing";

  std::ofstream(input.path() / "PAIS.res") << "CODIGO|INICIO|FIM|DESCRICAO\n01058|||BRASIL\n1058|||BRASIL\n";
  EXPECT_EQ(Inicia_SPED(out.c_str(), in.c_str()), -1) << "PAIS.res is malformed";

  std::ofstream(input.path() / "PAIS.res", std::ios::trunc) << "CODIGO|INICIO|FIM|DESCRICAO\n01058|||BRASIL\n";
  std::ofstream(input.path() / "CFOP.res", std::ios::trunc) << "CODIGO|INICIO|FIM|TITULO|DESCRICAO\n5101|||N|Venda\n";
  ASSERT_EQ(Inicia_SPED(out.c_str(), in.c_str()), 0);
  EXPECT_NE(vCOD_CFOP("5101"), 0);
  EXPECT_EQ(vCOD_CFOP("5.301"), 0) << "not in the table loaded by Inicia_SPED";
  EXPECT_NE(vCOD_PAIS("1058"), 0);
  EXPECT_EQ(vCOD_PAIS("00132"), 0);
  Finaliza_SPED();

  // Back to the shipped tables for whatever runs next.
  in = shipped.string();
  ASSERT_EQ(Inicia_SPED(out.c_str(), in.c_str()), 0);
  Finaliza_SPED();
  EXPECT_NE(vCOD_CFOP("5.301"), 0);
}

}  // namespace
