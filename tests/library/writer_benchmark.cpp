// A large file through the library's exported functions (C170 lines under C100 parents, one C100
// per 100 items), against a plain buffered write of the very same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "calls.h"
#include "support.h"

namespace {

using namespace libtest;

constexpr std::int64_t kItemsPerDocument = 100;

// Resident memory of the process, in MiB.
double residentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

struct Texts {
  std::vector<RawText> owned;
  std::vector<esc::Text> args;
  explicit Texts(const Args& values) {
    owned.reserve(values.size());
    for (const std::string& v : values) args.push_back(v.empty() ? nullptr : owned.emplace_back(v).get());
  }
};

// The few records of the frame, through the same exported functions, by name.
bool call(std::string_view function) {
  Texts t(validRecords().at(std::string(function)));
  t.args.resize(ESC_MAX_ARGS + 1, nullptr);
  return findCallable(function)->call(t.args.data()) == 0;
}

// Writes the whole file; returns its path, or an empty path when a call failed.
fs::path writeThroughLibrary(const TempDir& dir, std::int64_t items) {
  const fs::path out = dir.path() / "saida", in = dir.path() / "entrada";
  fs::create_directories(out);
  fs::create_directories(in);
  copyReferenceFiles(in);
  const RawText outText(out.string()), inText(in.string());
  const Texts c100(validRecords().at("RegistroC100"));
  const Texts c170(validRecords().at("RegistroC170"));
  const esc::Text* d = c100.args.data();
  const esc::Text* a = c170.args.data();

  bool ok = Inicia_SPED(outText.get(), inText.get()) == 0 && call("Registro0000") && call("Registro0001") &&
            Registro0990() == 0 && call("RegistroC001");
  for (std::int64_t i = 0; ok && i < items; ++i) {
    if (i % kItemsPerDocument == 0)
      ok = RegistroC100(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9], d[10], d[11], d[12], d[13], d[14],
                        d[15], d[16], d[17], d[18], d[19], d[20], d[21], d[22], d[23], d[24], d[25], d[26], d[27]) == 0;
    ok = ok && RegistroC170(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13],
                            a[14], a[15], a[16], a[17], a[18], a[19], a[20], a[21], a[22], a[23], a[24], a[25], a[26],
                            a[27], a[28], a[29], a[30], a[31], a[32], a[33], a[34], a[35], a[36]) == 0;
  }
  ok = ok && RegistroC990() == 0 && call("Registro9001") && Registro9900() == 0 && Registro9990() == 0 &&
       Registro9999() == 0;
  ok = Finaliza_SPED() == 0 && ok;
  return ok ? out / "EFD_ICMS_IPI.txt" : fs::path();
}

std::int64_t recordsOf(std::int64_t items) { return items + (items + kItemsPerDocument - 1) / kItemsPerDocument; }

void BM_LibraryWrite(benchmark::State& state) {
  const std::int64_t items = state.range(0);
  const double before = residentMiB();
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    TempDir dir;
    const fs::path file = writeThroughLibrary(dir, items);
    if (file.empty()) {
      state.SkipWithError("a record call failed");
      return;
    }
    bytes = fs::file_size(file);
  }
  state.SetItemsProcessed(state.iterations() * recordsOf(items));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
  state.counters["file_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  state.counters["rss_growth_MiB"] = residentMiB() - before;
}

// What the plain writes repeat: the frame of a few lines around the documents, as the library
// wrote them, and the values of C100 and C170 as the library received them.
struct PlainInput {
  std::vector<std::string> head, tail;
  std::string c100, c170;  // the lines
  Texts c100Values{validRecords().at("RegistroC100")};
  Texts c170Values{validRecords().at("RegistroC170")};
  std::string expected;  // the library's file
};

bool readLibraryFile(std::int64_t items, PlainInput& in) {
  TempDir source;
  const fs::path file = writeThroughLibrary(source, items);
  if (file.empty()) return false;
  in.expected = readFile(file);
  const std::vector<std::string> lines = splitLines(in.expected);
  std::size_t i = 0;
  for (; !lines[i].starts_with("|C100|"); ++i) in.head.push_back(lines[i] + "\r\n");
  in.c100 = lines[i] + "\r\n";
  in.c170 = lines[i + 1] + "\r\n";
  std::size_t j = lines.size();
  while (!lines[j - 1].starts_with("|C170|")) --j;
  for (; j < lines.size(); ++j) in.tail.push_back(lines[j] + "\r\n");
  return true;
}

// One line formed from its values, as a program writing the file itself would: "|CODE|", then
// each value and its '|', then CR LF.
void formLine(std::string& line, std::string_view code, const std::vector<esc::Text>& values) {
  line.clear();
  line.push_back('|');
  line.append(code);
  line.push_back('|');
  for (const esc::Text v : values) {
    if (v) line.append(v);
    line.push_back('|');
  }
  line.append("\r\n");
}

// Writes the file through a stdio stream with the library's buffer size: the frame's lines as
// they are, and the documents either as ready lines or formed again from their values.
template <bool kFormLines>
void writePlain(const fs::path& path, std::int64_t items, const PlainInput& in, std::vector<char>& buffer) {
  std::FILE* f = std::fopen(path.string().c_str(), "wb");
  std::setvbuf(f, buffer.data(), _IOFBF, buffer.size());
  std::string line;
  line.reserve(1024);
  for (const std::string& l : in.head) std::fwrite(l.data(), 1, l.size(), f);
  for (std::int64_t k = 0; k < items; ++k) {
    if (kFormLines) {
      if (k % kItemsPerDocument == 0) {
        formLine(line, "C100", in.c100Values.args);
        std::fwrite(line.data(), 1, line.size(), f);
      }
      formLine(line, "C170", in.c170Values.args);
      std::fwrite(line.data(), 1, line.size(), f);
    } else {
      if (k % kItemsPerDocument == 0) std::fwrite(in.c100.data(), 1, in.c100.size(), f);
      std::fwrite(in.c170.data(), 1, in.c170.size(), f);
    }
  }
  for (const std::string& l : in.tail) std::fwrite(l.data(), 1, l.size(), f);
  std::fclose(f);
}

// The same bytes without the library: kFormLines false writes ready lines (a copy of bytes),
// true forms each document line from the values the library was given. Both are checked once,
// byte for byte, against the library's file before they are timed.
template <bool kFormLines>
void BM_PlainWrite(benchmark::State& state) {
  const std::int64_t items = state.range(0);
  PlainInput in;
  if (!readLibraryFile(items, in)) {
    state.SkipWithError("a record call failed");
    return;
  }
  std::vector<char> buffer(std::size_t{1} << 20);
  {
    TempDir dir;
    writePlain<kFormLines>(dir.path() / "plain.txt", items, in, buffer);
    if (readFile(dir.path() / "plain.txt") != in.expected) {
      state.SkipWithError("the plain write did not produce the same bytes");
      return;
    }
  }
  for (auto _ : state) {
    TempDir dir;
    writePlain<kFormLines>(dir.path() / "plain.txt", items, in, buffer);
  }
  state.SetItemsProcessed(state.iterations() * recordsOf(items));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(in.expected.size()));
}

BENCHMARK(BM_LibraryWrite)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWrite<false>)
    ->Name("BM_PlainWriteOfReadyLines")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PlainWrite<true>)
    ->Name("BM_PlainWriteFormingLines")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
