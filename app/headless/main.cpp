// escrivania-run: the console without a window, for scripts and tests.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "runner.h"

int main(int argc, char** argv) {
  std::error_code ec;
  std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  if (ec) self = argv[0];
  const std::vector<std::string> args(argv + 1, argv + argc);
  return headless::run(args, self, std::cout, std::cerr);
}
