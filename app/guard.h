// Runs library code and catches a failure it raises instead of returning.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace app {

// The failure's message when the code raised one, else nothing.
std::optional<std::string> runGuarded(const std::function<void()>& code);

}  // namespace app
