#include "recording.h"

#include <map>
#include <mutex>
#include <stdexcept>

#define ESC_BUILDING_LIBRARY
#include "escrivania.h"

namespace recording {
namespace {

struct State {
  std::mutex mutex;
  std::vector<Call> calls;
  std::int32_t defaultResult = 0;
  std::uint8_t defaultVerdict = 1;
  std::map<std::string, std::int32_t, std::less<>> results;
  std::map<std::string, std::string, std::less<>> raises;
  Observer observer = nullptr;
};

State& state() {
  static State s;
  return s;
}

bool wellFormed(esc::Text t) {
  const esc::TextHeader h = esc::header(t);
  return h.codePage == esc::kCodePage && h.elementSize == 1 && h.refCount == esc::kConstantRefCount &&
         h.length == static_cast<std::int32_t>(esc::bytes(t).size());
}

// Records the call, then raises or answers.
std::int32_t record(const char* function, std::initializer_list<esc::Text> args, bool validator) {
  State& s = state();
  std::string raise;
  std::int32_t result;
  Observer observer;
  Call recorded;
  {
    std::lock_guard lock(s.mutex);
    Call call{function, {}, true};
    for (esc::Text t : args) {
      call.args.push_back(t ? std::optional<std::string>(esc::bytes(t)) : std::nullopt);
      if (t && !wellFormed(t)) call.headersWellFormed = false;
    }
    s.calls.push_back(call);
    recorded = std::move(call);
    observer = s.observer;
    if (auto r = s.raises.find(function); r != s.raises.end()) raise = r->second;
    auto it = s.results.find(function);
    result = it != s.results.end() ? it->second : validator ? s.defaultVerdict : s.defaultResult;
  }
  if (observer) observer(recorded, args.begin(), args.size());
  if (!raise.empty()) throw std::runtime_error(raise);
  return result;
}

}  // namespace

void reset() {
  State& s = state();
  std::lock_guard lock(s.mutex);
  s.calls.clear();
  s.results.clear();
  s.raises.clear();
  s.defaultResult = 0;
  s.defaultVerdict = 1;
}

std::vector<Call> calls() {
  std::lock_guard lock(state().mutex);
  return state().calls;
}

std::vector<std::string> functionNames() {
  std::vector<std::string> names;
  for (const Call& c : calls()) names.push_back(c.function);
  return names;
}

void setDefaultResult(std::int32_t result) {
  std::lock_guard lock(state().mutex);
  state().defaultResult = result;
}

void setResult(std::string_view function, std::int32_t result) {
  std::lock_guard lock(state().mutex);
  state().results[std::string(function)] = result;
}

void setDefaultVerdict(std::uint8_t verdict) {
  std::lock_guard lock(state().mutex);
  state().defaultVerdict = verdict;
}

void raiseIn(std::string_view function, std::string message) {
  std::lock_guard lock(state().mutex);
  state().raises[std::string(function)] = std::move(message);
}

void setObserver(Observer observer) {
  std::lock_guard lock(state().mutex);
  state().observer = observer;
}

}  // namespace recording

extern "C" {
#define ESC_RECORD(name, argc) \
  std::int32_t ESC_CALLCONV name(ESC_PARAMS_##argc) { return recording::record(#name, {ESC_ARGS_##argc}, false); }
#define ESC_VALIDATOR(name, argc)                                                        \
  std::uint8_t ESC_CALLCONV name(ESC_PARAMS_##argc) {                                    \
    return static_cast<std::uint8_t>(recording::record(#name, {ESC_ARGS_##argc}, true)); \
  }
#define ESC_CONTROL(name, argc) ESC_RECORD(name, argc)
#include "functions.def"
}
