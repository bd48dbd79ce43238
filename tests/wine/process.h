// Helpers of the Wine tests: the build's folders, throw-away program folders and child processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wine_tests {

// A folder of the build (its Linux path, as the build knows it) on Wine's drive Z:.
std::wstring buildFolder(const char* linuxPath);
std::wstring binFolder();        // programs, our libraries, the reference files
std::wstring recordingFolder();  // the recording double as Escrivania.dll

// A fresh folder in the temporary directory, removed with everything in it at the end.
class Folder {
 public:
  Folder();
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
  // Copies from into this folder under the name (the source's own name by default).
  void copy(const std::wstring& from, std::wstring name = {}) const;

 private:
  std::wstring path_;
};

// A program folder as we ship it: the program, borlndmm.dll and an Escrivania.dll.
void shipProgram(const Folder& folder, const std::wstring& program, const std::wstring& library);

struct Outcome {
  DWORD exitCode = 0;
  std::string out;  // standard output, bytes as written
  bool finished = false;
};

// Environment settings for the next child processes, undone when this object ends.
class Environment {
 public:
  void set(const wchar_t* name, const std::wstring& value);
  ~Environment();

 private:
  std::vector<std::wstring> names_;
};

// Runs the program with these arguments, waiting at most timeoutMs.
Outcome runProgram(const std::wstring& program, const std::vector<std::wstring>& args, DWORD timeoutMs = 60000);

// Starts the program without waiting; its process handle (closed by the caller).
HANDLE startProgram(const std::wstring& program);

std::string readFile(const std::wstring& file);
std::wstring wide(const std::string& utf8);

}  // namespace wine_tests
