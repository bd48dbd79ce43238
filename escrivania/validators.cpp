// The 81 validators: identifier rules, reference-table look-ups and the value lists of the coded
// fields of the EFD ICMS/IPI layout. A list entry may carry the dates between which the layout
// accepts it; with a file open the entry must be valid on some day of the file's period, otherwise
// in any period.
#include "validators.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "identifiers.h"
#include "reference_tables.h"

namespace escrivania {
namespace {

struct Args {
  std::string_view first;
  std::string_view second;
};

using Check = bool (*)(const Args&);

// One accepted value of a coded field, with the days the layout accepts it.
struct Code {
  std::string_view value;
  std::uint32_t from = kNoStart;
  std::uint32_t to = kOpenEnd;
};

// A value of at most three characters as one number: its length, then its bytes.
constexpr std::uint32_t packed(std::string_view v) {
  std::uint32_t key = static_cast<std::uint32_t>(v.size());
  for (char c : v) key = (key << 8) | static_cast<unsigned char>(c);
  return key;
}

template <const auto& kList>
bool inList(const Args& a) {
  static constexpr auto kKeys = [] {
    std::array<std::uint32_t, std::size(kList)> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = packed(kList[i].value);
    return keys;
  }();
  static_assert(std::all_of(std::begin(kList), std::end(kList), [](const Code& c) { return c.value.size() <= 3; }));
  if (a.first.size() > 3) return false;
  const std::uint32_t key = packed(a.first);
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i] == key) return meets(kList[i].from, kList[i].to, currentPeriod());
  }
  return false;
}

bool allDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint32_t toNumber(std::string_view digits) {
  std::uint32_t n = 0;
  for (char c : digits) n = n * 10 + static_cast<std::uint32_t>(c - '0');
  return n;
}

// clang-format off

// Two-valued indicators whose codes are 0 and 1: IND_OPER, IND_EMIT, IND_MOV of the block
// openings and of C170, IND_ATIV, COD_FIN, IND_APUR, IND_ARM, IND_NAV, IND_NAT_FRT, IND_VEIC of
// D140, IND_REC of C510/1510, IND_MOV_ST, IND_AJ, TIPO_MEDICAO, COD_DOC_IMP, COD_DA, IND_PROF,
// IND_ESC, IND_SOC and IND_PREPAGO.
constexpr Code kZeroOne[] = {{"0"}, {"1"}};
// TP_PROD (C173), IND_PROP (H010), OPER (C105), IND_OBR (B460), IND_TP_LEIAUTE (K010),
// TIP_FAT (D700). OPER's "2" (refusal of receipt) came with a later guide whose start date the
// sources on hand do not give.
constexpr Code kZeroOneTwo[] = {{"0"}, {"1"}, {"2"}};
// IND_FRT_RED (D130), IND_TFA (D150), IND_DED (B460), IND_PROC of E112, E116, E250, E312, E316,
// 1922 and 1926.
constexpr Code kZeroOneTwoNine[] = {{"0"}, {"1"}, {"2"}, {"9"}};
// IDENT_MERC (0300).
constexpr Code kOneTwo[] = {{"1"}, {"2"}};
// TP_LIGACAO (C500, 1500) and FIN_DOCe of C500.
constexpr Code kOneTwoThree[] = {{"1"}, {"2"}, {"3"}};
// IND_DEST (C500).
constexpr Code kIndDest[] = {{"1"}, {"2"}, {"9"}};
// FIN_DOCe of D700 (NFCom): normal, substitution, adjustment.
constexpr Code kFinDoceNfcom[] = {{"0"}, {"3"}, {"4"}};

// Origin of the goods (table A of the ICMS tax situation): 3 to 8 since 2013.
constexpr Code kOrigem[] = {
    {"0"}, {"1"}, {"2"},
    {"3", 20130101}, {"4", 20130101}, {"5", 20130101}, {"6", 20130101}, {"7", 20130101}, {"8", 20130101}};
// IND_CARGA of C115 and D161 (kind of transport).
constexpr Code kIndCarga[] = {{"0"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"9"}};
// IND_PROC of C111, which alone has 3 - SECEX/SRF.
constexpr Code kIndProcC111[] = {{"0"}, {"1"}, {"2"}, {"3"}, {"9"}};
// IND_MED of C173: reference of the ICMS-ST base of a medicine.
constexpr Code kIndMed[] = {{"0"}, {"1"}, {"2"}, {"3"}, {"4"}};
// Table 4.1.1, document models of the ICMS. Start dates where the guide gives them: CT-e OS from
// April 2017, BP-e from 2018, NF3e from 2020.
constexpr Code kModelos[] = {
    {"01"}, {"1B"}, {"02"}, {"2D"}, {"2E"}, {"04"}, {"06"}, {"07"}, {"08"}, {"8B"}, {"09"}, {"10"},
    {"11"}, {"13"}, {"14"}, {"15"}, {"16"}, {"18"}, {"21"}, {"22"}, {"26"}, {"27"}, {"28"}, {"29"},
    {"55"}, {"57"}, {"59"}, {"60"}, {"62"}, {"63", 20180101}, {"65"}, {"66", 20200101},
    {"67", 20170401}};
// Table 4.4.2, consumption classes of piped water (COD_CONS of documents of model 29).
constexpr Code kConsumoAgua[] = {
    {"00"}, {"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"06"}, {"07"},
    {"20"}, {"21"}, {"22"}, {"23"}, {"24"}, {"25"}, {"26"}, {"27"},
    {"80"},
    {"90"}, {"91"}, {"92"}, {"93"}, {"94"}, {"95"}, {"96"}, {"97"},
    {"99"}};
// Table 4.1.2, situation of the document; 04 (denied) and 05 (number voided) end with 2022.
constexpr Code kCodSit[] = {
    {"00"}, {"01"}, {"02"}, {"03"}, {"04", kNoStart, 20221231}, {"05", kNoStart, 20221231},
    {"06"}, {"07"}, {"08"}};
// IND_TIT of C140 (kind of credit title).
constexpr Code kIndTit[] = {{"00"}, {"01"}, {"02"}, {"03"}, {"99"}};
// IND_SERV of D530 (kind of communication service).
constexpr Code kIndServ[] = {{"0"}, {"1"}, {"2"}, {"3"}, {"4"}, {"9"}};
// IND_PERFIL of 0000.
constexpr Code kPerfil[] = {{"A"}, {"B"}, {"C"}};
// IND_FRT of C100 and D100; 3 and 4 (own transport) since 2018. The meaning of 0, 1 and 2 changed
// in 2012 and 2018, their codes did not.
constexpr Code kIndFrt[] = {{"0"}, {"1"}, {"2"}, {"3", 20180101}, {"4", 20180101}, {"9"}};
// TIPO_ITEM of 0200.
constexpr Code kTipoItem[] = {
    {"00"}, {"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"06"}, {"07"}, {"08"}, {"09"}, {"10"}, {"99"}};
// IND_PGTO of C100: 2 - others since July 2012; 9 - without payment stays valid.
constexpr Code kIndPgto[] = {{"0"}, {"1"}, {"2", 20120701}, {"9"}};
// IND_PGTO in the form before July 2012.
constexpr Code kIndPgtoAnt[] = {{"0"}, {"1"}, {"9"}};
// IND_VEIC_OPER of C175.
constexpr Code kIndVeicOper[] = {{"0"}, {"1"}, {"2"}, {"3"}, {"9"}};
// IND_REC of D510 (kind of revenue of communication services).
constexpr Code kIndRecD510[] = {{"0"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"9"}};
// IND_DOC of E530 (origin of the document of an IPI adjustment); 3 - fiscal document since 2018.
constexpr Code kIndDocE530[] = {{"0"}, {"1"}, {"2"}, {"3", 20180101}, {"9"}};
// IND_DOC of 1100 (export declaration); 2 - single export declaration (DU-E) since 2018.
constexpr Code kIndDoc1100[] = {{"0"}, {"1"}, {"2", 20180101}};
// TP_CHC of 1100 (kind of bill of lading).
constexpr Code kTpChc[] = {
    {"01"}, {"02"}, {"03"}, {"04"}, {"06"}, {"07"}, {"08"}, {"09"}, {"10"}, {"11"}, {"12"},
    {"13"}, {"14"}, {"16"}, {"17"}, {"18"}, {"19"}, {"20"}, {"91"}, {"92"}, {"93"}, {"99"}};
// COD_NAT_CC of 0500.
constexpr Code kNatCc[] = {{"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"09"}};
// IND_CTA of 0500: synthetic or analytic.
constexpr Code kIndCta[] = {{"S"}, {"A"}};
// TIPO_MOV of G125.
constexpr Code kTipoMov[] = {{"SI"}, {"IM"}, {"IA"}, {"CI"}, {"MC"}, {"BA"}, {"AT"}, {"PE"}, {"OT"}};
// COD_DISP of 1700.
constexpr Code kCodDisp[] = {{"00"}, {"01"}, {"02"}, {"03"}, {"04"}, {"05"}};
// COD_GRUPO_TENSAO of C500 and 1500.
constexpr Code kGrupoTensao[] = {
    {"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"06"}, {"07"}, {"08"}, {"09"}, {"10"}, {"11"}, {"12"},
    {"13"}, {"14"}};
// TP_ASSINANTE of D500.
constexpr Code kTpAssinante[] = {{"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}};
// IND_APUR_ICMS of 1900: apurações 4 to 6 (codes 6 to 8) since 2014.
constexpr Code kIndApurIcms[] = {{"3"}, {"4"}, {"5"}, {"6", 20140101}, {"7", 20140101}, {"8", 20140101}};
// Table 4.3.2, tax situation of the IPI.
constexpr Code kCstIpi[] = {
    {"00"}, {"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"49"},
    {"50"}, {"51"}, {"52"}, {"53"}, {"54"}, {"55"}, {"99"}};
// Tables 4.3.3 and 4.3.4, tax situation of the PIS and of the COFINS (the same codes).
constexpr Code kCstPisCofins[] = {
    {"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"06"}, {"07"}, {"08"}, {"09"}, {"49"},
    {"50"}, {"51"}, {"52"}, {"53"}, {"54"}, {"55"}, {"56"},
    {"60"}, {"61"}, {"62"}, {"63"}, {"64"}, {"65"}, {"66"}, {"67"},
    {"70"}, {"71"}, {"72"}, {"73"}, {"74"}, {"75"}, {"98"}, {"99"}};
// TP_RESIDUO of 1391.
constexpr Code kTpResiduo[] = {{"01"}, {"02"}, {"03"}, {"04"}};
// Table 4.5.5, classification of IPI taxpayers (CLAS_ESTAB_IND of 0002).
constexpr Code kClasEstab[] = {{"00"}, {"01"}, {"02"}, {"03"}, {"04"}, {"05"}, {"06"}, {"07"}, {"08"}, {"09"}};
// Layout versions (COD_VER of 0000): one a year from 002 in 2009, 005 and 006 splitting 2012.
constexpr Code kCodVer[] = {
    {"002", 20090101, 20091231}, {"003", 20100101, 20101231}, {"004", 20110101, 20111231},
    {"005", 20120101, 20120630}, {"006", 20120701, 20121231}, {"007", 20130101, 20131231},
    {"008", 20140101, 20141231}, {"009", 20150101, 20151231}, {"010", 20160101, 20161231},
    {"011", 20170101, 20171231}, {"012", 20180101, 20181231}, {"013", 20190101, 20191231},
    {"014", 20200101, 20201231}, {"015", 20210101, 20211231}, {"016", 20220101, 20221231},
    {"017", 20230101, 20231231}, {"018", 20240101, 20241231}, {"019", 20250101, 20251231},
    {"020", 20260101}};

// clang-format on

// The layout version must be the one in force on the file's final date.
bool codLeiaute(const Args& a) {
  const Period period = currentPeriod();
  const Period onEnd = period == kAnyPeriod ? kAnyPeriod : Period{period.to, period.to};
  for (const Code& c : kCodVer) {
    if (c.value == a.first) return meets(c.from, c.to, onEnd);
  }
  return false;
}

// ICMS tax situation: origin (table A) and taxation (table B), or for a Simples Nacional issuer the
// three-digit CSOSN.
bool cstIcms(const Args& a) {
  const std::string_view v = a.first;
  if (v.size() != 3 || !allDigits(v)) return false;
  static constexpr std::string_view kTableB[] = {"00", "10", "20", "30", "40", "41", "50", "51", "60", "70", "90"};
  static constexpr std::string_view kCsosn[] = {"101", "102", "103", "201", "202", "203", "300", "400", "500", "900"};
  if (std::find(std::begin(kCsosn), std::end(kCsosn), v) != std::end(kCsosn)) return true;
  if (std::find(std::begin(kTableB), std::end(kTableB), v.substr(1)) == std::end(kTableB)) return false;
  return inList<kOrigem>({v.substr(0, 1), {}});
}

bool municipio(const Args& a) {
  if (a.first.size() != 7 || !allDigits(a.first)) return false;
  if (const auto tables = currentTables()) return tables->municipio.contains(toNumber(a.first), currentPeriod());
  return isMunicipioByRule(a.first);
}

// CFOP: four digits, or the usual written form "5.301"; group titles are not codes.
bool cfop(const Args& a) {
  std::string_view v = a.first;
  char digits[4];
  if (v.size() == 5 && v[1] == '.') {
    digits[0] = v[0];
    std::copy(v.begin() + 2, v.end(), digits + 1);
  } else if (v.size() == 4) {
    std::copy(v.begin(), v.end(), digits);
  } else {
    return false;
  }
  const std::string_view code(digits, 4);
  if (!allDigits(code)) return false;
  if (const auto tables = currentTables()) return tables->cfop.contains(toNumber(code), currentPeriod());
  const bool title = code.substr(2) == "00" || code.substr(2) == "50";
  return std::string_view("123567").find(code[0]) != std::string_view::npos && !title;
}

bool ncm(const Args& a) {
  if (a.first.size() != 8 || !allDigits(a.first)) return false;
  if (const auto tables = currentTables()) return tables->ncm.contains(toNumber(a.first), currentPeriod());
  const std::uint32_t chapter = toNumber(a.first.substr(0, 2));
  return chapter >= 1 && chapter <= 97 && chapter != 77;
}

// Country (BACEN code): five digits, or four for the same code without its leading zero.
bool pais(const Args& a) {
  if ((a.first.size() != 5 && a.first.size() != 4) || !allDigits(a.first)) return false;
  const std::uint32_t code = toNumber(a.first);
  if (const auto tables = currentTables()) return tables->pais.contains(code, currentPeriod());
  return code != 0;
}

struct Validator {
  std::string_view name;
  Check check;
};

// clang-format off
constexpr Validator kValidators[] = {
    {"vCEP", [](const Args& a) { return isCep(a.first); }},
    {"vUF", [](const Args& a) { return isUf(a.first); }},
    {"vCPF", [](const Args& a) { return isCpf(a.first); }},
    {"vCNPJ", [](const Args& a) { return isCnpj(a.first); }},
    {"vInscEst", [](const Args& a) { return isInscricaoEstadual(a.first, a.second); }},
    {"vInd_tipo_operacao", inList<kZeroOne>},
    {"vMovimento", inList<kZeroOne>},
    {"vCod_Municipio", municipio},
    {"vInd_origem", inList<kOrigem>},
    {"vCOD_CFOP", cfop},
    {"vCod_Leiaute", codLeiaute},
    {"vInd_tipo_transporte", inList<kIndCarga>},
    {"vInd_origem_processo", inList<kIndProcC111>},
    {"vCOD_NCM", ncm},
    {"vCOD_PAIS", pais},
    {"vInd_emitente_titulo", inList<kZeroOne>},
    {"vInd_tipo_referencia_base", inList<kIndMed>},
    {"vCod_modelo_documento_fiscal_4_1_1", inList<kModelos>},
    {"vCod_classific_item_4_4_2", inList<kConsumoAgua>},
    {"vInd_natureza_frete", inList<kZeroOne>},
    {"vInd_emitente_documento_fiscal", inList<kZeroOne>},
    {"vCod_situacao_documento_fiscal", inList<kCodSit>},
    {"vInd_tipo_receita", inList<kZeroOne>},
    {"vInd_tipo_titulo_credito", inList<kIndTit>},
    {"vInd_tipo_veiculo_transportador", inList<kZeroOne>},
    {"vInd_tipo_transporte_carga_coletada", inList<kIndCarga>},
    {"vInd_tipo_servico_prestado", inList<kIndServ>},
    {"vIND_PERFIL", inList<kPerfil>},
    {"vIND_ATIV", inList<kZeroOne>},
    {"vInd_tipo_frete", inList<kIndFrt>},
    {"vCOD_FIN", inList<kZeroOne>},
    {"vIND_MOV", inList<kZeroOne>},
    {"vTIPO_ITEM", inList<kTipoItem>},
    {"vIND_OPER", inList<kZeroOne>},
    {"vIND_PGTO", inList<kIndPgto>},
    {"vCOD_DOC_IMP", inList<kZeroOne>},
    {"vIND_APUR", inList<kZeroOne>},
    {"vTP_PROD", inList<kZeroOneTwo>},
    {"vIND_ARM", inList<kZeroOne>},
    {"vIND_VEIC_OPER", inList<kIndVeicOper>},
    {"vIND_FRT_RED", inList<kZeroOneTwoNine>},
    {"vIND_NAV", inList<kZeroOne>},
    {"vIND_TFA", inList<kZeroOneTwoNine>},
    {"vIND_REC", inList<kIndRecD510>},
    {"vIND_MOV_ST", inList<kZeroOne>},
    {"vIND_AJ", inList<kZeroOne>},
    {"vIND_DOC", inList<kIndDocE530>},
    {"vIND_PROP", inList<kZeroOneTwo>},
    {"vIND_DOC_Informe_tipo_documento", inList<kIndDoc1100>},
    {"vTP_CHC", inList<kTpChc>},
    {"vTIPO_MEDICAO", inList<kZeroOne>},
    {"vIDENT_MERC", inList<kOneTwo>},
    {"vCOD_NAT_CC", inList<kNatCc>},
    {"vIND_CTA", inList<kIndCta>},
    {"vTIPO_MOV", inList<kTipoMov>},
    {"vCOD_DISP", inList<kCodDisp>},
    {"vTP_LIGACAO", inList<kOneTwoThree>},
    {"vCOD_GRUPO_TENSAO", inList<kGrupoTensao>},
    {"vTP_ASSINANTE", inList<kTpAssinante>},
    {"vOPER", inList<kZeroOneTwo>},
    {"vIND_APUR_ICMS", inList<kIndApurIcms>},
    {"vCST_ICMS", cstIcms},
    {"vCST_IPI", inList<kCstIpi>},
    {"vCST_PIS", inList<kCstPisCofins>},
    {"vCST_COFINS", inList<kCstPisCofins>},
    {"vIND_PGTO_ANT", inList<kIndPgtoAnt>},
    {"vIND_DED", inList<kZeroOneTwoNine>},
    {"vIND_PROC", inList<kZeroOneTwoNine>},
    {"vIND_OBR", inList<kZeroOneTwo>},
    {"vIND_PROF", inList<kZeroOne>},
    {"vIND_ESC", inList<kZeroOne>},
    {"vIND_SOC", inList<kZeroOne>},
    {"vFIN_DOCe", inList<kOneTwoThree>},
    {"vIND_DEST", inList<kIndDest>},
    {"vTP_RESIDUO", inList<kTpResiduo>},
    {"vCLAS_ESTAB_IND", inList<kClasEstab>},
    {"vCOD_DA", inList<kZeroOne>},
    {"vIND_TP_LEIAUTE", inList<kZeroOneTwo>},
    {"vFIN_DOCe2", inList<kFinDoceNfcom>},
    {"vTIPO_FAT", inList<kZeroOneTwo>},
    {"vIND_PREPAGO", inList<kZeroOne>},
};
// clang-format on

// Look-up by name through a hash of the length and four characters (the third and the last three,
// which tell all names apart), whose last multiplier is chosen at compile time so that no two names
// share a slot: one slot to read and one name to compare.
constexpr std::size_t kSlots = 1024;

constexpr std::size_t hashOf(std::string_view name, std::uint32_t multiplier) {
  const std::size_t n = name.size();
  if (n < 3) return 0;
  const auto at = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(name[i])); };
  const std::uint32_t h = static_cast<std::uint32_t>(n) * 0x9E3779B1u + at(2) * 0x85EBCA6Bu + at(n - 3) * 0xC2B2AE35u +
                          at(n - 2) * 0x27D4EB2Fu + at(n - 1) * multiplier;
  return (h ^ (h >> 15)) % kSlots;
}

constexpr std::uint32_t kMultiplier = [] {
  for (std::uint32_t m = 1; m < 2000; m += 2) {
    bool used[kSlots] = {};
    bool clash = false;
    for (const Validator& v : kValidators) {
      const std::size_t slot = hashOf(v.name, m);
      clash = clash || used[slot];
      used[slot] = true;
    }
    if (!clash) return m;
  }
  return 0u;
}();
static_assert(kMultiplier != 0, "no collision-free hash of the validator names");

// Index + 1 of the validator in each slot; 0 for none.
constexpr auto kSlotTable = [] {
  std::array<std::uint8_t, kSlots> slots{};
  for (std::size_t i = 0; i < std::size(kValidators); ++i) {
    slots[hashOf(kValidators[i].name, kMultiplier)] = static_cast<std::uint8_t>(i + 1);
  }
  return slots;
}();

constexpr const Validator* find(std::string_view name) {
  const std::uint8_t slot = kSlotTable[hashOf(name, kMultiplier)];
  if (slot == 0) return nullptr;
  const Validator* v = &kValidators[slot - 1];
  return v->name == name ? v : nullptr;
}

// Every validator that the library exports has a rule, and no rule is left without its export.
#define ESC_VALIDATOR(name, argc) static_assert(find(#name) != nullptr, #name " has no rule");
#include "functions.def"

constexpr std::size_t countExports() {
  std::size_t n = 0;
#define ESC_VALIDATOR(name, argc) ++n;
#include "functions.def"
  return n;
}
static_assert(countExports() == std::size(kValidators));

// The bytes of a text, at most one past the longest value any validator accepts, so that a huge
// text costs no more than a short one.
constexpr std::size_t kLongestValue = 64;
std::string_view boundedBytes(esc::Text t) {
  if (t == nullptr) return {};
  std::size_t n = 0;
  while (n <= kLongestValue && t[n] != '\0') ++n;
  return {t, n};
}

std::uint8_t run(const Validator* v, const Args& args) {
  if (v == nullptr) return 0;
  try {
    return v->check(args) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace

bool loadReferenceTables(std::string_view folder, std::string& reason) {
  try {
    const std::string utf8 = esc::toUtf8(folder);
    const std::filesystem::path path(std::u8string(utf8.begin(), utf8.end()));
    auto tables = readReferenceTables(path, reason);
    if (!tables) return false;
    installTables(std::move(tables));
    return true;
  } catch (const std::exception& e) {
    reason = std::string("arquivos de referência não puderam ser lidos: ") + e.what();
    return false;
  }
}

void setFilePeriod(std::string_view start, std::string_view end) {
  const auto from = parseDate(start);
  const auto to = parseDate(end);
  storePeriod(from && to && *from <= *to ? Period{*from, *to} : kAnyPeriod);
}

void clearFilePeriod() { storePeriod(kAnyPeriod); }

std::uint8_t validate(std::string_view validator, std::initializer_list<esc::Text> args) {
  Args values;
  auto it = args.begin();
  if (it != args.end()) values.first = boundedBytes(*it++);
  if (it != args.end()) values.second = boundedBytes(*it);
  return run(find(validator), values);
}

std::uint8_t validateValues(std::string_view validator, std::string_view first, std::string_view second) {
  return run(find(validator), {first, second});
}

bool isValidator(std::string_view validator) { return find(validator) != nullptr; }

}  // namespace escrivania
