// escrivania-run: presses the console's buttons from the command line and prints every dialog.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace headless {

// Runs the command line (without the program name); returns the process's exit status.
int run(std::span<const std::string> args, std::string_view programPath, std::ostream& out, std::ostream& err);

// A JSON string literal of UTF-8 text.
std::string jsonString(std::string_view text);

}  // namespace headless
