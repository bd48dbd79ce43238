// A recording stand-in for the record-writer library: it exports the same 360 functions, keeps
// every call with its argument bytes, and answers or raises as a test tells it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#if defined(_WIN32)
#define RECORDING_API __declspec(dllexport)
#else
#define RECORDING_API __attribute__((visibility("default")))
#endif

namespace recording {

struct Call {
  std::string function;
  std::vector<std::optional<std::string>> args;  // Windows-1252 bytes; nullopt for a null pointer
  bool headersWellFormed = true;                 // every non-null text carried a correct header
};

// Forgets calls and every setting: results 0, verdicts 1, nothing raises.
RECORDING_API void reset();
RECORDING_API std::vector<Call> calls();
RECORDING_API std::vector<std::string> functionNames();  // calls() reduced to the names
// The answer of every record and housekeeping function not set by name.
RECORDING_API void setDefaultResult(std::int32_t result);
RECORDING_API void setResult(std::string_view function, std::int32_t result);
RECORDING_API void setDefaultVerdict(std::uint8_t verdict);
// From now on, a call of this function records itself and then throws std::runtime_error.
RECORDING_API void raiseIn(std::string_view function, std::string message);

// Sees every call with its argument pointers as they arrived, after it was recorded and before it
// answers; it may raise. For a recording library loaded by a program under test.
using Observer = void (*)(const Call& call, const char* const* args, std::size_t count);
RECORDING_API void setObserver(Observer observer);

}  // namespace recording
