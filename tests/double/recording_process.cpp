// The recording library as Escrivania.dll for a program under test (Windows): settings come from
// the environment, and every call is appended to a log file as it arrives.
//
//   ESC_RECORDING_LOG      the log: one line per call, "name<TAB>count" then per argument a TAB
//                          and "null" or "codepage,elementsize,refcount,length:hexbytes"
//   ESC_RECORDING_RESULTS  "Registro0001=-1,Inicia_SPED=5": answers by function
//   ESC_RECORDING_RAISE    "Registro0005,Registro0150": these raise structured exception 0EEDFADE
//   ESC_RECORDING_FAULT    "RegistroC100": these write through a null pointer
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "recording.h"
#include "text.h"

namespace {

constexpr DWORD kRaisedCode = 0x0EEDFADE;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::set<std::string> names(const std::string& list) {
  std::set<std::string> out;
  std::istringstream in(list);
  for (std::string item; std::getline(in, item, ',');)
    if (!item.empty()) out.insert(item);
  return out;
}

std::set<std::string> raising, faulting;
std::string logFile;

void log(const recording::Call& call, const char* const* args, std::size_t count) {
  if (!logFile.empty()) {
    std::string line = call.function + "\t" + std::to_string(count);
    for (std::size_t i = 0; i < count; ++i) {
      line += '\t';
      if (!args[i]) {
        line += "null";
        continue;
      }
      const esc::TextHeader h = esc::header(args[i]);
      line += std::to_string(h.codePage) + "," + std::to_string(h.elementSize) + "," + std::to_string(h.refCount) +
              "," + std::to_string(h.length) + ":";
      for (unsigned char c : esc::bytes(args[i])) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", c);
        line += hex;
      }
    }
    line += '\n';
    if (FILE* f = std::fopen(logFile.c_str(), "ab")) {
      std::fwrite(line.data(), 1, line.size(), f);
      std::fclose(f);
    }
  }
  if (raising.count(call.function)) RaiseException(kRaisedCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  if (faulting.count(call.function)) *static_cast<volatile int*>(nullptr) = 0;
}

const bool kConfigured = [] {
  logFile = environment("ESC_RECORDING_LOG");
  raising = names(environment("ESC_RECORDING_RAISE"));
  faulting = names(environment("ESC_RECORDING_FAULT"));
  for (const std::string& item : names(environment("ESC_RECORDING_RESULTS"))) {
    const std::size_t eq = item.find('=');
    if (eq != std::string::npos) recording::setResult(item.substr(0, eq), std::atoi(item.c_str() + eq + 1));
  }
  recording::setObserver(log);
  return true;
}();

}  // namespace
