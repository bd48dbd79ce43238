// Any input, any order, several threads: the library answers, explains every refusal and never
// mixes lines.
#include <atomic>
#include <functional>
#include <set>
#include <thread>

#include "library_fixture.h"

namespace libtest {
namespace {

using Robustness = LibraryTest;

std::string randomBytes(std::mt19937& rng, std::size_t size) {
  std::string s(size, '\0');
  for (char& c : s) c = static_cast<char>(1 + rng() % 255);  // anything but the ending zero
  return s;
}

// Calls every record function with the given argument texts; each answer is 0 or -1, and each -1
// adds to the error file.
void callEveryRecordFunction(LibraryTest& t, const fs::path& errorFile,
                             const std::function<std::vector<esc::Text>(const Callable&)>& argsFor) {
  for (const Callable& c : kCallables) {
    if (c.kind != esc::FunctionKind::Record) continue;
    std::error_code ec;
    const auto before = fs::exists(errorFile) ? fs::file_size(errorFile, ec) : 0;
    std::vector<esc::Text> args = argsFor(c);
    args.resize(static_cast<std::size_t>(c.argc) + 1, nullptr);
    const std::int32_t result = c.call(args.data());
    ASSERT_TRUE(result == 0 || result == -1) << c.name << " answered " << result;
    if (result == -1) {
      const auto after = fs::exists(errorFile) ? fs::file_size(errorFile, ec) : 0;
      EXPECT_GT(after, before) << c.name << " refused without a reason";
    }
  }
  (void)t;
}

TEST_F(Robustness, EveryRecordFunctionAnswersAnyArgumentsAndExplainsRefusals) {
  const fs::path errorFile = file(kErrorName);
  std::mt19937 rng(20250101);
  const RawText big(std::string(1 << 20, 'A'));

  // With no file open, then inside a file, then after it was abandoned.
  openFile();
  Finaliza_SPED();
  callEveryRecordFunction(*this, errorFile, [](const Callable&) { return std::vector<esc::Text>{}; });

  openFile();
  callEveryRecordFunction(*this, errorFile, [](const Callable&) { return std::vector<esc::Text>{}; });
  ASSERT_EQ(start(), 0);
  callEveryRecordFunction(*this, errorFile, [&](const Callable& c) {
    std::vector<esc::Text> args;
    for (int i = 0; i < c.argc; ++i) args.push_back(text(randomBytes(rng, rng() % 40)));
    return args;
  });
  ASSERT_EQ(start(), 0);
  int n = 0;
  callEveryRecordFunction(*this, errorFile, [&](const Callable& c) {
    std::vector<esc::Text> args(static_cast<std::size_t>(c.argc), nullptr);
    if (c.argc > 0 && n++ % 8 == 0) args.front() = args.back() = big.get();
    return args;
  });
  Finaliza_SPED();

  // The library still writes a correct file afterwards.
  openFile();
  expectWritten({"Registro0990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"});
  EXPECT_EQ(Finaliza_SPED(), 0);
  EXPECT_EQ(splitLines(finished()).back(), "|9999|13|");
}

TEST_F(Robustness, ValidatorsAnswerAnyArguments) {
  std::mt19937 rng(7);
  const RawText big(std::string(1 << 20, '9'));
  for (const Callable& c : kCallables) {
    if (c.kind != esc::FunctionKind::Validator) continue;
    std::vector<esc::Text> none(static_cast<std::size_t>(c.argc) + 1, nullptr);
    c.call(none.data());
    std::vector<esc::Text> odd;
    for (int i = 0; i <= c.argc; ++i) odd.push_back(text(randomBytes(rng, rng() % 20)));
    c.call(odd.data());
    std::vector<esc::Text> huge(static_cast<std::size_t>(c.argc) + 1, big.get());
    c.call(huge.data());
  }
  SUCCEED();  // reaching here without a crash is the point
}

// Lines written from several threads at once stay whole and are all there.
TEST_F(Robustness, ThreadsNeverInterleaveLines) {
  openFile();
  expectWritten({"Registro0990", "RegistroC001", "RegistroC100"});
  constexpr int kThreads = 4, kLinesEach = 2000;
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kLinesEach; ++i) {
        Args args = valid("RegistroC170");
        args[1] = "T" + std::to_string(t) + "I" + std::to_string(i);
        args[2] = std::string(static_cast<std::size_t>(1 + (i * 37 + t) % 200), static_cast<char>('a' + t));
        std::vector<RawText> texts;
        texts.reserve(args.size());
        std::vector<esc::Text> raw;
        for (const std::string& a : args) raw.push_back(a.empty() ? nullptr : texts.emplace_back(a).get());
        if (RegistroC170(raw[0], raw[1], raw[2], raw[3], raw[4], raw[5], raw[6], raw[7], raw[8], raw[9], raw[10],
                         raw[11], raw[12], raw[13], raw[14], raw[15], raw[16], raw[17], raw[18], raw[19], raw[20],
                         raw[21], raw[22], raw[23], raw[24], raw[25], raw[26], raw[27], raw[28], raw[29], raw[30],
                         raw[31], raw[32], raw[33], raw[34], raw[35], raw[36]) != 0)
          ++failures;
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(failures.load(), 0) << errors();
  expectWritten({"RegistroC190", "RegistroC990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"});
  ASSERT_EQ(Finaliza_SPED(), 0);

  const std::vector<std::string> lines = splitLines(finished());
  std::set<std::string> items;
  for (const std::string& line : lines) {
    const std::vector<std::string> f = splitFields(line);
    ASSERT_FALSE(f.empty()) << line;
    if (f[0] != "C170") continue;
    ASSERT_EQ(f.size(), 38u) << line;
    const int t = f[2][1] - '0';
    EXPECT_EQ(f[3], std::string(static_cast<std::size_t>(1 + (std::stoi(f[2].substr(3)) * 37 + t) % 200),
                                static_cast<char>('a' + t)));
    items.insert(f[2]);
  }
  EXPECT_EQ(items.size(), static_cast<std::size_t>(kThreads * kLinesEach));
  EXPECT_EQ(lines.back(), "|9999|" + std::to_string(lines.size()) + "|");
}

// Threads calling anything in any order, starts and ends included: no crash, no hang, and the
// library is sound afterwards.
TEST_F(Robustness, ThreadsCallingAnythingInAnyOrder) {
  const std::string out = out_.string(), in = in_.string();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      std::mt19937 rng(static_cast<unsigned>(t));
      const RawText outText(out), inText(in), junk("|x\x01y|");
      const esc::Text pool[] = {nullptr, outText.get(), inText.get(), junk.get()};
      for (int i = 0; i < 1500; ++i) {
        const Callable& c = kCallables[rng() % std::size(kCallables)];
        std::vector<esc::Text> args(static_cast<std::size_t>(c.argc) + 1);
        for (auto& a : args) a = pool[rng() % std::size(pool)];
        if (c.name == "Inicia_SPED") args = {outText.get(), inText.get()};
        c.call(args.data());
      }
    });
  }
  for (auto& th : threads) th.join();
  openFile();
  expectWritten({"Registro0990", "Registro9001", "Registro9900", "Registro9990", "Registro9999"});
  EXPECT_EQ(Finaliza_SPED(), 0);
}

}  // namespace
}  // namespace libtest
