#include "reference_tables.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <mutex>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace escrivania {
namespace {

namespace fs = std::filesystem;

// No real table comes near this; a larger file is refused rather than read into memory.
constexpr std::uintmax_t kMaxFileSize = 32u << 20;

struct Form {
  const char* file;
  const char* header;
  std::size_t codeDigits;
  std::size_t fields;
};

// clang-format off
constexpr Form kForms[] = {
    {"CFOP.res",      "CODIGO|INICIO|FIM|TITULO|DESCRICAO", 4, 5},
    {"NCM.res",       "CODIGO|INICIO|FIM|DESCRICAO",        8, 4},
    {"MUNICIPIO.res", "CODIGO|INICIO|FIM|DESCRICAO",        7, 4},
    {"PAIS.res",      "CODIGO|INICIO|FIM|DESCRICAO",        5, 4},
};
// clang-format on

const Form& formOf(TableKind kind) { return kForms[static_cast<int>(kind)]; }

bool allDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint32_t toNumber(std::string_view digits) {
  std::uint32_t n = 0;
  for (char c : digits) n = n * 10 + static_cast<std::uint32_t>(c - '0');
  return n;
}

// Whether the bytes are UTF-8 without control characters.
bool printableUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    if (b < 0x80) {
      if (b < 0x20 || b == 0x7F) return false;
    } else if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (s.size() - i <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::vector<std::string_view> split(std::string_view line, char sep) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find(sep, start);
    parts.push_back(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
}

std::string quoted(std::string_view s) {
  constexpr std::size_t kShown = 40;
  std::string out = "\"";
  out.append(s.substr(0, kShown));
  if (s.size() > kShown) out += "...";
  return out + "\"";
}

std::string displayPath(const fs::path& p) {
  const std::u8string u8 = p.u8string();
  return std::string(u8.begin(), u8.end());
}

struct State {
  std::mutex mutex;  // serialises loads and the one look into the module's folder
  std::atomic<std::shared_ptr<const ReferenceTables>> tables;
  std::atomic<bool> fallbackTried{false};
  std::atomic<std::uint64_t> period{(std::uint64_t{kNoStart} << 32) | kOpenEnd};
  bool overrideFolder = false;
  fs::path fallbackFolder;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

std::optional<std::uint32_t> parseDate(std::string_view ddmmaaaa) {
  if (ddmmaaaa.size() != 8 || !allDigits(ddmmaaaa)) return std::nullopt;
  const std::uint32_t day = toNumber(ddmmaaaa.substr(0, 2));
  const std::uint32_t month = toNumber(ddmmaaaa.substr(2, 2));
  const std::uint32_t year = toNumber(ddmmaaaa.substr(4, 4));
  if (year < 1000 || month < 1 || month > 12 || day < 1) return std::nullopt;
  constexpr std::uint32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const std::uint32_t last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  if (day > last) return std::nullopt;
  return year * 10000 + month * 100 + day;
}

bool CodeTable::contains(std::uint32_t code, Period period) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), code,
                             [](const Entry& e, std::uint32_t c) { return e.code < c; });
  for (; it != entries_.end() && it->code == code; ++it) {
    if (it->usable && meets(it->from, it->to, period)) return true;
  }
  return false;
}

bool CodeTable::listed(std::uint32_t code) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), code,
                             [](const Entry& e, std::uint32_t c) { return e.code < c; });
  return it != entries_.end() && it->code == code;
}

const char* fileName(TableKind kind) { return formOf(kind).file; }

bool parseTable(TableKind kind, std::string_view text, CodeTable& table, std::string& reason) {
  const Form& form = formOf(kind);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);

  struct Row {
    CodeTable::Entry entry;
    std::size_t line;
  };
  std::vector<Row> rows;
  bool headerSeen = false;
  std::size_t lineNo = 0;
  auto fail = [&](const std::string& why) {
    reason = "linha " + std::to_string(lineNo) + ": " + why;
    return false;
  };

  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;

    if (!headerSeen) {
      if (line != form.header) {
        return fail(std::string("esperado o cabeçalho de colunas \"") + form.header + "\", encontrado " + quoted(line));
      }
      headerSeen = true;
      continue;
    }

    const std::vector<std::string_view> f = split(line, '|');
    if (f.size() != form.fields) {
      return fail("esperados " + std::to_string(form.fields) + " campos separados por \"|\", encontrados " +
                  std::to_string(f.size()));
    }
    const std::string_view code = f[0];
    if (code.size() != form.codeDigits || !allDigits(code)) {
      return fail("o código " + quoted(code) + " não tem " + std::to_string(form.codeDigits) + " algarismos");
    }
    if (kind == TableKind::Cfop && std::string_view("123567").find(code[0]) == std::string_view::npos) {
      return fail("o CFOP " + quoted(code) + " não começa por 1, 2, 3, 5, 6 ou 7");
    }
    CodeTable::Entry entry{toNumber(code), kNoStart, kOpenEnd, true};
    if (!f[1].empty()) {
      const auto from = parseDate(f[1]);
      if (!from) return fail("data de início " + quoted(f[1]) + " inválida (use ddmmaaaa)");
      entry.from = *from;
    }
    if (!f[2].empty()) {
      const auto to = parseDate(f[2]);
      if (!to) return fail("data de fim " + quoted(f[2]) + " inválida (use ddmmaaaa)");
      entry.to = *to;
    }
    if (entry.from > entry.to) return fail("a data de início é posterior à data de fim");
    if (kind == TableKind::Cfop) {
      if (f[3] != "S" && f[3] != "N") return fail("a coluna TITULO deve ser S ou N, encontrado " + quoted(f[3]));
      entry.usable = f[3] == "N";
    }
    const std::string_view description = f.back();
    if (description.empty()) return fail("descrição vazia");
    if (!printableUtf8(description)) return fail("a descrição não é texto UTF-8 sem caracteres de controle");
    rows.push_back({entry, lineNo});
  }

  if (!headerSeen) {
    lineNo = 0;
    reason = std::string("cabeçalho de colunas \"") + form.header + "\" ausente";
    return false;
  }
  if (rows.empty()) {
    reason = "nenhum código na tabela";
    return false;
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return a.entry.code != b.entry.code ? a.entry.code < b.entry.code : a.entry.from < b.entry.from;
  });
  std::vector<CodeTable::Entry> entries;
  entries.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0 && rows[i].entry.code == rows[i - 1].entry.code && rows[i].entry.from <= rows[i - 1].entry.to) {
      reason = "linha " + std::to_string(std::max(rows[i].line, rows[i - 1].line)) + ": o código repete o da linha " +
               std::to_string(std::min(rows[i].line, rows[i - 1].line)) + " com vigência sobreposta";
      return false;
    }
    entries.push_back(rows[i].entry);
  }
  table = CodeTable(std::move(entries));
  return true;
}

std::shared_ptr<const ReferenceTables> readReferenceTables(const fs::path& folder, std::string& reason) {
  if (folder.empty()) {
    reason = "pasta dos arquivos de referência não informada";
    return nullptr;
  }
  auto tables = std::make_shared<ReferenceTables>();
  const std::pair<TableKind, CodeTable*> parts[] = {{TableKind::Cfop, &tables->cfop},
                                                    {TableKind::Ncm, &tables->ncm},
                                                    {TableKind::Municipio, &tables->municipio},
                                                    {TableKind::Pais, &tables->pais}};
  for (const auto& [kind, table] : parts) {
    const fs::path file = folder / fileName(kind);
    const std::string where = std::string("arquivo de referência ") + fileName(kind);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
      reason = where + " não encontrado em " + displayPath(folder);
      return nullptr;
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size > kMaxFileSize) {
      reason = where + (ec ? " ilegível" : " grande demais") + " em " + displayPath(folder);
      return nullptr;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    std::ifstream in(file, std::ios::binary);
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
      reason = where + " ilegível em " + displayPath(folder);
      return nullptr;
    }
    std::string why;
    if (!parseTable(kind, text, *table, why)) {
      reason = where + " malformado em " + displayPath(folder) + ", " + why;
      return nullptr;
    }
  }
  return tables;
}

std::shared_ptr<const ReferenceTables> currentTables() {
  State& s = state();
  auto tables = s.tables.load(std::memory_order_acquire);
  if (tables || s.fallbackTried.load(std::memory_order_acquire)) return tables;

  std::lock_guard lock(s.mutex);
  if (!s.fallbackTried.load(std::memory_order_relaxed)) {
    const fs::path folder = s.overrideFolder ? s.fallbackFolder : moduleFolder();
    std::string ignored;
    if (!s.tables.load(std::memory_order_relaxed) && !folder.empty()) {
      if (auto found = readReferenceTables(folder, ignored))
        s.tables.store(std::move(found), std::memory_order_release);
    }
    s.fallbackTried.store(true, std::memory_order_release);
  }
  return s.tables.load(std::memory_order_acquire);
}

void installTables(std::shared_ptr<const ReferenceTables> tables) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.tables.store(std::move(tables), std::memory_order_release);
  s.fallbackTried.store(true, std::memory_order_release);
}

Period currentPeriod() {
  const std::uint64_t packed = state().period.load(std::memory_order_acquire);
  return {static_cast<std::uint32_t>(packed >> 32), static_cast<std::uint32_t>(packed)};
}

void storePeriod(Period period) {
  state().period.store((std::uint64_t{period.from} << 32) | period.to, std::memory_order_release);
}

fs::path moduleFolder() {
#ifdef _WIN32
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&moduleFolder), &module)) {
    return {};
  }
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0) return {};
    if (n < name.size()) {
      name.resize(n);
      break;
    }
    if (name.size() >= 32768) return {};
    name.resize(name.size() * 2);
  }
  return fs::path(name).parent_path();
#else
  Dl_info info{};
  std::error_code ec;
  if (dladdr(reinterpret_cast<void*>(&moduleFolder), &info) == 0 || info.dli_fname == nullptr) return {};
  const fs::path file = fs::absolute(fs::path(info.dli_fname), ec);
  return ec ? fs::path() : file.parent_path();
#endif
}

void resetReferenceStateForTesting(const fs::path& folder) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.tables.store(nullptr);
  s.fallbackTried.store(false);
  s.overrideFolder = true;
  s.fallbackFolder = folder;
  s.period.store((std::uint64_t{kNoStart} << 32) | kOpenEnd);
}

}  // namespace escrivania
