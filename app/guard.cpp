#include "guard.h"

#include <cstdio>
#include <exception>

#ifdef _WIN32
#include <windows.h>
#endif

namespace app {

namespace {

std::string describe(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Exceção externa na chamada da biblioteca";
  }
}

#if defined(_WIN32) && defined(__i386__)

// A library built with another compiler reports a failure as a structured exception, and a fault
// inside it (a bad pointer) arrives the same way. Neither is a C++ exception, so the guard also
// puts a frame-based handler on the thread's handler chain (fs:[0]) for the length of the call.
// The handler lets the frames it crosses run their own clean-up (RtlUnwind), then jumps back into
// the guard with the exception's code.
struct Registration {
  Registration* next;
  void* handler;
};

struct Frame {
  Registration registration;  // first: the system hands the handler this address
  void* jump[5];              // __builtin_setjmp's buffer
  DWORD code;
};

Registration* chainHead() {
  Registration* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}

void setChainHead(Registration* head) { asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }

// RtlUnwind is free to change the registers a C function keeps; this wrapper saves them for its caller.
__attribute__((noinline)) void unwindTo(Frame* frame, EXCEPTION_RECORD* record) {
  asm volatile("" : : : "ebx", "esi", "edi", "memory");
  RtlUnwind(frame, nullptr, record, nullptr);
}

extern "C" EXCEPTION_DISPOSITION __cdecl guardHandler(EXCEPTION_RECORD* record, void* establisher, CONTEXT*, void*) {
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
  auto* frame = static_cast<Frame*>(establisher);
  frame->code = record->ExceptionCode;
  unwindTo(frame, record);
  __builtin_longjmp(frame->jump, 1);
}

// Runs call(argument) under the handler; the code of a structured exception it raised, or 0.
__attribute__((noinline)) DWORD callUnderHandler(void (*call)(void*) noexcept, void* argument) {
  Frame frame{};
  frame.registration.handler = reinterpret_cast<void*>(&guardHandler);
  frame.registration.next = chainHead();
  if (__builtin_setjmp(frame.jump) == 0) {
    setChainHead(&frame.registration);
    call(argument);
    setChainHead(frame.registration.next);
    return 0;
  }
  // Back from the handler: the unwind left our registration at the head of the chain.
  setChainHead(frame.registration.next);
  return frame.code == 0 ? EXCEPTION_NONCONTINUABLE_EXCEPTION : frame.code;
}

std::string externalException(DWORD code) {
  char text[48];
  std::snprintf(text, sizeof text, "Exceção externa %08lX", static_cast<unsigned long>(code));
  return text;
}

#endif

}  // namespace

std::optional<std::string> runGuarded(const std::function<void()>& code) {
  struct Call {
    const std::function<void()>& code;
    std::exception_ptr failure;
  } call{code, nullptr};
  // C++ exceptions are caught inside the handler's frame: they must not unwind past it.
  auto run = [](void* argument) noexcept {
    auto& c = *static_cast<Call*>(argument);
    try {
      c.code();
    } catch (...) {
      c.failure = std::current_exception();
    }
  };
#if defined(_WIN32) && defined(__i386__)
  if (const DWORD raised = callUnderHandler(run, &call)) return externalException(raised);
#else
  run(&call);
#endif
  if (call.failure) return describe(call.failure);
  return std::nullopt;
}

}  // namespace app
