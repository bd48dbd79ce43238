// The guard around library calls: C++ exceptions everywhere, structured exceptions on 32-bit Windows.
#include "guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(Guard, ReturnsNothingWhenTheCodeReturns) {
  int runs = 0;
  EXPECT_EQ(app::runGuarded([&] { ++runs; }), std::nullopt);
  EXPECT_EQ(runs, 1);
}

TEST(Guard, ReportsCppExceptionsByTheirMessage) {
  EXPECT_EQ(app::runGuarded([] { throw std::runtime_error("Access violation at address 0040A1B2"); }),
            "Access violation at address 0040A1B2");
  EXPECT_EQ(app::runGuarded([] { throw 42; }), "Exceção externa na chamada da biblioteca");
}

TEST(Guard, InnerGuardCatchesFirstAndTheOuterSeesNothing) {
  std::optional<std::string> inner;
  const auto outer = app::runGuarded([&] {
    inner = app::runGuarded([] { throw std::runtime_error("dentro"); });
    throw std::runtime_error("fora");
  });
  EXPECT_EQ(inner, "dentro");
  EXPECT_EQ(outer, "fora");
}

#if defined(_WIN32) && defined(__i386__)

__attribute__((noinline)) void raiseStructured(DWORD code) { RaiseException(code, 0, 0, nullptr); }

__attribute__((noinline)) void writeThroughNull() {
  volatile int* p = nullptr;
  *p = 1;
}

TEST(Guard, StructuredExceptionsAreReportedByCode) {
  EXPECT_EQ(app::runGuarded([] { raiseStructured(0x0EEDFADE); }), "Exceção externa 0EEDFADE");
  EXPECT_EQ(app::runGuarded([] { raiseStructured(0xE0000001); }), "Exceção externa E0000001");
  EXPECT_EQ(app::runGuarded(writeThroughNull), "Exceção externa C0000005");
}

// The handler chain is left as it was: later C++ exceptions, structured exceptions and nested guards
// all still behave.
TEST(Guard, HandlerChainIsRestoredAfterEachKindOfExit) {
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(app::runGuarded([] { raiseStructured(0xE0000002); }), "Exceção externa E0000002");
    EXPECT_EQ(app::runGuarded([] { throw std::runtime_error("c++"); }), "c++");
    EXPECT_EQ(app::runGuarded([] {}), std::nullopt);
  }
  std::optional<std::string> inner;
  int after = 0;
  const auto outer = app::runGuarded([&] {
    inner = app::runGuarded([] { raiseStructured(0xE0000003); });
    ++after;
    raiseStructured(0xE0000004);
  });
  EXPECT_EQ(inner, "Exceção externa E0000003");
  EXPECT_EQ(after, 1);
  EXPECT_EQ(outer, "Exceção externa E0000004");
  // Outside any guard a C++ exception still finds its handler.
  EXPECT_THROW(throw std::runtime_error("x"), std::runtime_error);
}

// The frames between the guard and the raise get their clean-up: a structured handler of an inner
// frame (as the library's own try-finally) sees the unwind.
int unwindSeen = 0;
extern "C" EXCEPTION_DISPOSITION __cdecl countUnwind(EXCEPTION_RECORD* record, void*, CONTEXT*, void*) {
  if (record->ExceptionFlags & EXCEPTION_UNWINDING) ++unwindSeen;
  return ExceptionContinueSearch;
}

__attribute__((noinline)) void raiseUnderInnerFrame() {
  struct {
    void* next;
    void* handler;
  } registration{nullptr, reinterpret_cast<void*>(&countUnwind)};
  asm volatile("movl %%fs:0, %0" : "=r"(registration.next));
  asm volatile("movl %0, %%fs:0" : : "r"(&registration) : "memory");
  raiseStructured(0xE0000005);
}

TEST(Guard, FramesCrossedByTheFailureRunTheirUnwind) {
  unwindSeen = 0;
  EXPECT_EQ(app::runGuarded(raiseUnderInnerFrame), "Exceção externa E0000005");
  EXPECT_EQ(unwindSeen, 1);
}

#endif

}  // namespace
