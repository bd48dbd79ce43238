// The fixture of the library tests: folders of their own, calls by name and the files written.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include "calls.h"
#include "escrivania.h"
#include "support.h"

namespace libtest {

// Each test has output and input folders of its own, the input holding the reference files, and
// leaves no file open behind it.
class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = dir_.path() / "saida";
    in_ = dir_.path() / "entrada";
    fs::create_directories(out_);
    fs::create_directories(in_);
    copyReferenceFiles(in_);
  }
  void TearDown() override { Finaliza_SPED(); }

  // A text alive until the end of the test; the empty string is the null text.
  esc::Text text(std::string_view bytes) {
    if (bytes.empty()) return nullptr;
    return texts_.emplace_back(bytes).get();
  }
  std::int32_t start() { return Inicia_SPED(text(out_.string()), text(in_.string())); }

  // Calls the named function with these texts (as many as it takes; missing ones are null).
  std::int32_t call(std::string_view function, const Args& args) {
    const Callable* c = findCallable(function);
    if (!c) {
      ADD_FAILURE() << "no function " << function;
      return -2;
    }
    EXPECT_LE(args.size(), static_cast<std::size_t>(c->argc)) << function;
    std::vector<esc::Text> texts(static_cast<std::size_t>(c->argc) + 1, nullptr);
    for (std::size_t i = 0; i < args.size() && i < texts.size(); ++i) texts[i] = text(args[i]);
    return c->call(texts.data());
  }
  // The function with its valid sample values, one of them replaced.
  std::int32_t call(std::string_view function) { return call(function, valid(function)); }
  std::int32_t callWith(std::string_view function, std::size_t position, std::string value) {
    Args args = valid(function);
    args.at(position - 2) = std::move(value);  // position 02 is the first argument
    return call(function, args);
  }
  static Args valid(std::string_view function) {
    const auto& records = validRecords();
    const auto it = records.find(function);
    return it == records.end() ? Args{} : it->second;
  }
  // Calls each function with its valid values and expects 0 from all.
  void expectWritten(std::initializer_list<std::string_view> functions) {
    for (std::string_view f : functions) EXPECT_EQ(call(f), 0) << f << "\n" << errors();
  }
  // Record 0000 of layout `version` (COD_VER), for the first month that the version is in force.
  static Args header(const std::string& version) {
    Args h = valid("Registro0000");
    h[0] = version;
    const int v = std::atoi(version.c_str());
    if (v >= 2 && v <= 20 && v != 19) {
      const int year = v <= 4 ? 2007 + v : v <= 6 ? 2012 : 2006 + v;
      const std::string month = v == 6 ? "07" : "01";
      h[2] = "01" + month + std::to_string(year);
      h[3] = "28" + month + std::to_string(year);
    }
    return h;
  }
  // Opens a file in layout `version` and block 0.
  void openFile(const std::string& version = "019") {
    ASSERT_EQ(start(), 0);
    ASSERT_EQ(call("Registro0000", header(version)), 0) << errors();
    ASSERT_EQ(call("Registro0001"), 0) << errors();
  }

  fs::path file(std::string_view name) const { return out_ / name; }
  std::string partial() const { return readFile(file(kTemporaryName)); }
  std::string finished() const { return readFile(file(kFinalName)); }
  std::string errors() const { return esc::toUtf8(readFile(file(kErrorName))); }
  std::vector<std::string> errorLines() const { return splitLines(errors()); }
  // Closes the file (it keeps its temporary name unless 9999 was written) and gives its lines.
  std::vector<std::string> closeAndReadPartial() {
    Finaliza_SPED();
    return splitLines(partial());
  }

  TempDir dir_;
  fs::path out_;
  fs::path in_;
  std::deque<RawText> texts_;
};

}  // namespace libtest
