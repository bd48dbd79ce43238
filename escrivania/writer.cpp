#include "writer.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "validators.h"

namespace escrivania {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFileName = "EFD_ICMS_IPI.txt";
constexpr const char* kErrorFileName = "EFD_ICMS_IPI_erros.txt";

struct State {
  std::mutex mutex;
  std::string outputDir;  // of the last Inicia_SPED that named a usable directory
  std::ofstream file;
  std::vector<std::pair<std::string, int>> perRecord;  // in order of first appearance
  std::map<char, int> perBlock;
  int lines = 0;
};

State& state() {
  static State s;
  return s;
}

void appendError(State& s, const std::string& text) {
  if (s.outputDir.empty()) return;
  std::ofstream err(fs::path(s.outputDir) / kErrorFileName, std::ios::binary | std::ios::app);
  err << text << "\r\n";
}

bool writableDirectory(const std::string& dir) {
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir, ec)) return false;
  const fs::path probe = fs::path(dir) / ".escrivania-probe";
  {
    std::ofstream f(probe, std::ios::binary);
    if (!f) return false;
  }
  fs::remove(probe, ec);
  return true;
}

void count(State& s, const std::string& reg) {
  ++s.lines;
  ++s.perBlock[reg[0]];
  for (auto& [r, n] : s.perRecord)
    if (r == reg) return void(++n);
  s.perRecord.emplace_back(reg, 1);
}

void writeLine(State& s, const std::string& reg, const std::vector<std::string>& fields) {
  std::string line = "|" + reg + "|";
  for (const auto& f : fields) line += f + "|";
  line += "\r\n";
  s.file.write(line.data(), static_cast<std::streamsize>(line.size()));
  count(s, reg);
}

int countOf(const State& s, const std::string& reg) {
  for (const auto& [r, n] : s.perRecord)
    if (r == reg) return n;
  return 0;
}

}  // namespace

std::int32_t start(esc::Text outputDir, esc::Text inputDir) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  if (s.file.is_open()) s.file.close();
  const std::string out(esc::bytes(outputDir));
  const std::string in(esc::bytes(inputDir));
  if (!writableDirectory(out)) return -1;
  s.outputDir = out;
  std::string reason;
  if (!loadReferenceTables(in, reason)) {
    appendError(s, "Inicia_SPED: " + reason);
    return -1;
  }
  s.file.open(fs::path(out) / kFileName, std::ios::binary | std::ios::trunc);
  s.perRecord.clear();
  s.perBlock.clear();
  s.lines = 0;
  if (!s.file) {
    appendError(s, "Inicia_SPED: não foi possível criar o arquivo " + std::string(kFileName));
    return -1;
  }
  return 0;
}

std::int32_t finish() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  if (!s.file.is_open()) return -1;
  s.file.close();
  return 0;
}

std::int32_t writeRecord(const char* function, std::initializer_list<esc::Text> args) {
  State& s = state();
  std::lock_guard lock(s.mutex);
  const std::string reg = std::string(function).substr(8, 4);  // "Registro" + code
  if (!s.file.is_open()) {
    appendError(s, "Registro " + reg + ": nenhum arquivo aberto; chame Inicia_SPED antes.");
    return -1;
  }
  if (reg == "9900") {
    std::vector<std::string> regs;
    for (const auto& [r, n] : s.perRecord) regs.push_back(r);
    for (const char* closing : {"9900", "9990", "9999"})
      if (countOf(s, closing) == 0) regs.emplace_back(closing);
    const int total9900 = static_cast<int>(regs.size()) + countOf(s, "9900");
    for (const auto& r : regs) {
      const int n = r == "9900" ? total9900 : (r == "9990" || r == "9999") ? 1 : countOf(s, r);
      writeLine(s, reg, {r, std::to_string(n)});
    }
  } else if (reg == "9999") {
    writeLine(s, reg, {std::to_string(s.lines + 1)});
  } else if (reg == "9990") {
    writeLine(s, reg, {std::to_string(s.perBlock['9'] + 2)});
  } else if (reg.ends_with("990")) {
    writeLine(s, reg, {std::to_string(s.perBlock[reg[0]] + 1)});
  } else {
    std::vector<std::string> fields;
    for (esc::Text t : args) fields.emplace_back(esc::bytes(t));
    writeLine(s, reg, fields);
  }
  s.file.flush();
  return s.file ? 0 : -1;
}

}  // namespace escrivania
