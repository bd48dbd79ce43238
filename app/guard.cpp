#include "guard.h"

#include <exception>

namespace app {

std::optional<std::string> runGuarded(const std::function<void()>& code) {
  try {
    code();
    return std::nullopt;
  } catch (const std::exception& e) {
    return std::string(e.what());
  } catch (...) {
    return std::string("Exceção externa na chamada da biblioteca");
  }
}

}  // namespace app
