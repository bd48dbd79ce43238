// What the library tests, the fuzz target and the benchmark share: texts of any bytes, folders of
// their own, the lines of a file and records whose every field is valid.
#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "text.h"

namespace libtest {

namespace fs = std::filesystem;

inline constexpr std::string_view kTemporaryName = "EFD_ICMS_IPI.txt.parcial";
inline constexpr std::string_view kFinalName = "EFD_ICMS_IPI.txt";
inline constexpr std::string_view kErrorName = "EFD_ICMS_IPI_erros.txt";

// A text of the library's form holding any bytes; the library sees them up to the first zero.
class RawText {
 public:
  explicit RawText(std::string_view bytes) : storage_(esc::kHeaderSize + bytes.size() + 1, '\0') {
    const esc::TextHeader h{esc::kCodePage, 1, esc::kConstantRefCount, static_cast<std::int32_t>(bytes.size())};
    std::memcpy(storage_.data(), &h.codePage, 2);
    std::memcpy(storage_.data() + 2, &h.elementSize, 2);
    std::memcpy(storage_.data() + 4, &h.refCount, 4);
    std::memcpy(storage_.data() + 8, &h.length, 4);
    std::memcpy(storage_.data() + esc::kHeaderSize, bytes.data(), bytes.size());
  }
  esc::Text get() const { return storage_.data() + esc::kHeaderSize; }

 private:
  std::vector<char> storage_;
};

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    for (;;) {
      path_ = fs::temp_directory_path() / ("escrivania-test-" + std::to_string(rd()) + std::to_string(rd()));
      if (fs::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Puts the four reference files of the library into the folder.
inline void copyReferenceFiles(const fs::path& to) {
  for (const char* name : {"CFOP.res", "NCM.res", "MUNICIPIO.res", "PAIS.res"})
    fs::copy_file(fs::path(ESC_REFERENCE_DIR) / name, to / name, fs::copy_options::overwrite_existing);
}

inline std::string readFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// The lines of a file whose lines end with CR LF; a text after the last CR LF is kept as a line.
inline std::vector<std::string> splitLines(std::string_view s) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < s.size()) {
    const std::size_t end = s.find("\r\n", at);
    if (end == std::string_view::npos) {
      lines.emplace_back(s.substr(at));
      break;
    }
    lines.emplace_back(s.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// The fields of one line "|A|B|": {"A", "B"}.
inline std::vector<std::string> splitFields(std::string_view line) {
  std::vector<std::string> fields;
  if (line.size() < 2 || line.front() != '|' || line.back() != '|') return fields;
  line = line.substr(1, line.size() - 2);
  std::size_t at = 0;
  for (;;) {
    const std::size_t bar = line.find('|', at);
    fields.emplace_back(line.substr(at, bar - at));
    if (bar == std::string_view::npos) break;
    at = bar + 1;
  }
  return fields;
}

using Args = std::vector<std::string>;

// Records whose every field is valid in layout 019 (period January 2025).
inline const std::map<std::string, Args, std::less<>>& validRecords() {
  static const std::map<std::string, Args, std::less<>> records = [] {
    std::map<std::string, Args, std::less<>> m;
    const std::string nfeKey = "29250111222333000181550010000001231000001234";
    const std::string nfcomKey = "29250111222333000181620010000000011000000011";
    m["Registro0000"] = {
        "019", "0", "01012025", "31012025", "Empresa Exemplo Ltda", "11222333000181", "", "BA", "12345663", "2927408",
        "",    "",  "A",        "1"};
    m["Registro0001"] = {"0"};
    m["Registro0015"] = {"BA", "12345663"};
    m["Registro0005"] = {"Exemplo",    "40170110", "Rua das Flores",        "10", "", "Centro",
                         "7132105555", "",         "contato@exemplo.com.br"};
    m["Registro0100"] = {"Contador Exemplo", "28461739078",    "BA012345", "",
                         "40170110",         "Rua das Flores", "10",       "",
                         "Centro",           "7132105555",     "",         "contador@exemplo.com.br",
                         "2927408"};
    m["Registro0150"] = {
        "P1", "Fornecedor Exemplo", "01058", "11444777000161", "", "", "2927408", "", "Rua B", "20", "", "Centro"};
    m["Registro0190"] = {"UN", "Unidade"};
    m["Registro0200"] = {"ITEM1", "Produto exemplo", "", "", "UN", "00", "01012100", "", "01", "", "18,00", ""};
    m["Registro0220"] = {"CX", "12", ""};
    m["Registro0220_2021"] = {"CX", "12"};
    m["Registro0400"] = {"VENDA", "Venda de mercadoria"};
    m["RegistroB001"] = {"1"};
    m["RegistroC001"] = {"0"};
    m["RegistroC100"] = {"1",      "0", "P1", "55", "00",     "1", "123", nfeKey, "15012025", "15012025",
                         "100,00", "0", "0",  "0",  "100,00", "9", "0",   "0",    "0",        "100,00",
                         "18,00",  "0", "0",  "0",  "0",      "0", "0",   "0"};
    m["RegistroC100_ANTES_ABR2012"] = m["RegistroC100"];
    m["RegistroC120"] = {"0", "DI123", "0", "0", ""};
    m["RegistroC170"] = {"1", "ITEM1",  "",      "1",     "UN", "100,00", "0", "0", "000", "5102",
                         "",  "100,00", "18,00", "18,00", "0",  "0",      "0", "0", "53",  "999",
                         "0", "0",      "0",     "01",    "0",  "0",      "",  "",  "0",   "01",
                         "0", "0",      "",      "",      "0",  "",       ""};
    m["RegistroC177"] = {"000001", "10"};
    m["RegistroC190"] = {"000", "5102", "18,00", "100,00", "100,00", "18,00", "0", "0", "0", "0", ""};
    m["RegistroD001"] = {"0"};
    m["RegistroD700"] = {"1",      "0",     "",  "62", "00", "1", "1", "15012025", "", "10,00",
                         "",       "10,00", "",  "",   "",   "",  "",  "",         "", "",
                         nfcomKey, "0",     "0", "",   "",   "",  "",  "",         "", "2927408"};
    m["RegistroE001"] = {"0"};
    m["RegistroE100"] = {"01012025", "31012025"};
    m["RegistroE110"] = {"18,00", "0", "0", "0", "0", "0", "0", "0", "0", "18,00", "0", "18,00", "0", "0"};
    m["RegistroE116"] = {"000", "18,00", "10022025", "1234", "", "", "", "", "012025"};
    m["RegistroE116_ANTES_JAN2011"] = {"000", "18,00", "10022025", "1234", "", "", "", ""};
    m["RegistroG001"] = {"1"};
    m["RegistroH001"] = {"0"};
    m["RegistroH005"] = {"31122024", "1000,00", "01"};
    m["RegistroH005_ANTES_JUL2012"] = {"31122024", "1000,00"};
    m["RegistroK001"] = {"1"};
    m["Registro1001"] = {"1"};
    m["Registro9001"] = {"0"};
    return m;
  }();
  return records;
}

}  // namespace libtest
