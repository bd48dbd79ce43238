// escrivania-run: the console without a window, for scripts and tests.
#include <iostream>
#include <string>
#include <vector>

#include "runner.h"

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include "unicode.h"

int main() {
  // Arguments in UTF-8 whatever the system's code page; output byte for byte as on Linux.
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; argv && i < argc; ++i) args.push_back(win32::utf8(argv[i]));
  LocalFree(argv);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return headless::run(args, win32::programPath(), std::cout, std::cerr);
}
#else
#include <filesystem>

int main(int argc, char** argv) {
  std::error_code ec;
  std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  if (ec) self = argv[0];
  const std::vector<std::string> args(argv + 1, argv + argc);
  return headless::run(args, self, std::cout, std::cerr);
}
#endif
