// libFuzzer target: random sequences of calls of the library's exported functions with random
// arguments. Half of the steps follow a correct file with fuzzed values, so that deep states are
// reached; the others call anything. It stops (traps) when a record function answers other than
// 0 or -1, or refuses without adding a reason to the error file.
#include <fuzzer/FuzzedDataProvider.h>

#include <deque>

#include "calls.h"
#include "support.h"

namespace {

using namespace libtest;

// Reference files cut down to a few codes (those of the valid records among them), so that the
// many starts of a fuzzing run stay quick.
void writeSmallReferenceFiles(const fs::path& to) {
  const std::pair<const char*, std::vector<std::string>> files[] = {
      {"CFOP.res", {"5102|", "1102|", "5100|"}},
      {"NCM.res", {"01012100|"}},
      {"MUNICIPIO.res", {"2927408|", "5300108|"}},
      {"PAIS.res", {"01058|"}},
  };
  for (const auto& [name, keep] : files) {
    std::ifstream in(fs::path(ESC_REFERENCE_DIR) / name, std::ios::binary);
    std::ofstream out(to / name, std::ios::binary);
    bool pastHeader = false;  // comments, then the column header, are kept as they are
    int codes = 0;
    for (std::string line; std::getline(in, line);) {
      if (!pastHeader) {
        out << line << '\n';
        pastHeader = line.starts_with("CODIGO");
        continue;
      }
      bool wanted = codes < 20;
      for (const std::string& k : keep) wanted = wanted || line.starts_with(k);
      if (wanted && !line.starts_with("#")) {
        out << line << '\n';
        ++codes;
      }
    }
  }
}

struct Folders {
  TempDir root;
  fs::path out = root.path() / "saida";
  fs::path in = root.path() / "entrada";
  fs::path other = root.path() / "outra";
  Folders() {
    fs::create_directories(out);
    fs::create_directories(in);
    fs::create_directories(other);
    writeSmallReferenceFiles(in);
    // The cut-down files must still load, or the run would never get past Inicia_SPED.
    const RawText o(out.string()), i(in.string());
    if (Inicia_SPED(o.get(), i.get()) != 0) __builtin_trap();
    Finaliza_SPED();
  }
};

Folders& folders() {
  static Folders f;
  return f;
}

// A correct file, record by record.
constexpr std::string_view kSequence[] = {
    "Registro0000", "Registro0001", "Registro0005", "Registro0150", "Registro0190", "Registro0200",
    "Registro0220", "Registro0990", "RegistroC001", "RegistroC100", "RegistroC120", "RegistroC170",
    "RegistroC177", "RegistroC190", "RegistroC990", "RegistroD001", "RegistroD700", "RegistroD990",
    "RegistroE001", "RegistroE100", "RegistroE110", "RegistroE116", "RegistroE990", "RegistroH001",
    "RegistroH005", "RegistroH990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"};

constexpr std::string_view kValues[] = {"",      "0",   "1",        "00",         "019",       "015",
                                        "003",   "999", "01012025", "31/01/2025", "30022025",  "01/2025",
                                        "5.102", "1.5", "100,00",   "1.234,56",   "-1",        "|",
                                        "\x01",  " x ", "\xE7\xE3", "A",          "40170-110", "11.222.333/0001-81"};

std::string fuzzedValue(FuzzedDataProvider& p, const std::string& valid) {
  switch (p.ConsumeIntegralInRange(0, 5)) {
    case 0:
    case 1: return valid;
    case 2: return std::string(kValues[p.ConsumeIntegralInRange<std::size_t>(0, std::size(kValues) - 1)]);
    case 3: return std::string(p.ConsumeIntegralInRange<std::size_t>(0, 3000), 'x');
    default: return p.ConsumeRandomLengthString(64);
  }
}

std::uintmax_t sizeOf(const fs::path& p) {
  std::error_code ec;
  const std::uintmax_t n = fs::file_size(p, ec);
  return ec ? 0 : n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider p(data, size);
  Folders& f = folders();
  const fs::path errorFile = f.out / "EFD_ICMS_IPI_erros.txt";
  std::deque<RawText> texts;
  const auto text = [&](const std::string& s) -> esc::Text {
    return s.empty() ? nullptr : texts.emplace_back(s).get();
  };
  const std::string out = f.out.string(), in = f.in.string(), other = f.other.string();

  bool explainedInOut = p.ConsumeBool();  // whether the library tells its reasons in `out`
  if (explainedInOut) Inicia_SPED(text(out), text(in));
  std::size_t next = 0;
  while (p.remaining_bytes() > 0) {
    const Callable* c = nullptr;
    std::vector<esc::Text> args;
    if (p.ConsumeBool()) {
      c = findCallable(kSequence[next++ % std::size(kSequence)]);
      const auto& records = validRecords();
      const auto it = records.find(c->name);
      const Args valid = it == records.end() ? Args{} : it->second;
      for (int i = 0; i < c->argc; ++i)
        args.push_back(text(fuzzedValue(p, static_cast<std::size_t>(i) < valid.size() ? valid[i] : "")));
    } else {
      c = &kCallables[p.ConsumeIntegralInRange<std::size_t>(0, std::size(kCallables) - 1)];
      for (int i = 0; i < c->argc; ++i) args.push_back(text(fuzzedValue(p, "")));
      if (c->name == "Inicia_SPED") {
        const std::string* choices[] = {&out, &in, &other};
        const std::string& o = *choices[p.ConsumeIntegralInRange(0, 2)];
        args = {p.ConsumeBool() ? text(o) : nullptr, p.ConsumeBool() ? text(in) : text(other)};
        explainedInOut = args[0] && o == out;
        if (!args[0] || o == other) explainedInOut = false;
      }
      if (c->name == "Registro0000") next = 1;
    }
    args.resize(static_cast<std::size_t>(c->argc) + 1, nullptr);
    const std::uintmax_t before = sizeOf(errorFile);
    const std::int32_t result = c->call(args.data());
    if (c->kind == esc::FunctionKind::Record) {
      if (result != 0 && result != -1) __builtin_trap();
      if (result == -1 && explainedInOut && sizeOf(errorFile) <= before) __builtin_trap();
    }
  }
  Finaliza_SPED();
  return 0;
}
