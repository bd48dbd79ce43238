#include "process.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <filesystem>
#include <fstream>
#include <sstream>

namespace wine_tests {

std::wstring wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::wstring buildFolder(const char* linuxPath) {
  std::wstring path = L"Z:" + wide(linuxPath);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::wstring binFolder() { return buildFolder(ESC_TEST_BIN_DIR); }
std::wstring recordingFolder() { return buildFolder(ESC_TEST_RECORDING_DIR); }

Folder::Folder() {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ =
      std::wstring(temp) + L"escrivania-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  CreateDirectoryW(path_.c_str(), nullptr);
}

Folder::~Folder() {
  // Double zero-terminated, as the shell wants it.
  std::wstring from = path_ + L'\0';
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

void Folder::copy(const std::wstring& from, std::wstring name) const {
  if (name.empty()) name = from.substr(from.find_last_of(L"\\/") + 1);
  CopyFileW(from.c_str(), (*this / name).c_str(), FALSE);
}

void shipProgram(const Folder& folder, const std::wstring& program, const std::wstring& library) {
  folder.copy(binFolder() + L"\\" + program);
  folder.copy(binFolder() + L"\\borlndmm.dll");
  folder.copy(library, L"Escrivania.dll");
}

void Environment::set(const wchar_t* name, const std::wstring& value) {
  SetEnvironmentVariableW(name, value.c_str());
  names_.emplace_back(name);
}

Environment::~Environment() {
  for (const auto& name : names_) SetEnvironmentVariableW(name.c_str(), nullptr);
}

namespace {

std::wstring quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

}  // namespace

Outcome runProgram(const std::wstring& program, const std::vector<std::wstring>& args, DWORD timeoutMs) {
  std::wstring command = quoted(program);
  for (const auto& a : args) command += L" " + quoted(a);

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  Outcome outcome;
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                      &process)) {
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
    outcome.exitCode = GetLastError();
    return outcome;
  }
  CloseHandle(writeEnd);
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) outcome.out.append(buffer, n);
  CloseHandle(readEnd);
  outcome.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
  if (!outcome.finished) TerminateProcess(process.hProcess, 1);
  GetExitCodeProcess(process.hProcess, &outcome.exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return outcome;
}

HANDLE startProgram(const std::wstring& program) {
  std::wstring command = quoted(program);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

std::string readFile(const std::wstring& file) {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace wine_tests
