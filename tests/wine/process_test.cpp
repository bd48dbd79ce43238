// The Windows programs as processes: what crosses into Escrivania.dll, raised failures, our library
// writing a file, and the loader refusing a program whose libraries are missing.
#include "process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "function_table.h"
#include "pages.h"
#include "recording.h"
#include "runner.h"

namespace wine_tests {
namespace {

constexpr DWORD kDllNotFound = 0xC0000135;

// One call as the recording Escrivania.dll logged it in the program under test.
struct LoggedArg {
  bool null = true;
  int codePage = 0, elementSize = 0, refCount = 0, length = 0;
  std::string bytes;
};
struct LoggedCall {
  std::string function;
  std::vector<LoggedArg> args;
};

std::vector<LoggedCall> readLog(const std::wstring& file) {
  std::vector<LoggedCall> calls;
  std::istringstream in(readFile(file));
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    LoggedCall call;
    std::string count, field;
    std::getline(fields, call.function, '\t');
    std::getline(fields, count, '\t');
    while (std::getline(fields, field, '\t')) {
      LoggedArg arg;
      if (field != "null") {
        arg.null = false;
        const std::size_t colon = field.find(':');
        std::sscanf(field.substr(0, colon).c_str(), "%d,%d,%d,%d", &arg.codePage, &arg.elementSize, &arg.refCount,
                    &arg.length);
        for (std::size_t i = colon + 1; i + 1 < field.size(); i += 2)
          arg.bytes += static_cast<char>(std::stoi(field.substr(i, 2), nullptr, 16));
      }
      call.args.push_back(arg);
    }
    EXPECT_EQ(std::to_string(call.args.size()), count) << line;
    calls.push_back(std::move(call));
  }
  return calls;
}

std::vector<std::string> namesOf(const std::vector<LoggedCall>& calls) {
  std::vector<std::string> names;
  for (const auto& c : calls) names.push_back(c.function);
  return names;
}

std::string utf8(const std::wstring& text) {
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

class EscrivaniaRun : public ::testing::Test {
 protected:
  void SetUp() override {
    shipProgram(folder, L"escrivania-run.exe", recordingFolder() + L"\\Escrivania.dll");
    environment.set(L"ESC_RECORDING_LOG", log());
  }
  std::wstring program() const { return folder / L"escrivania-run.exe"; }
  std::wstring log() const { return folder / L"calls.log"; }

  Folder folder;
  Environment environment;
};

// Every button once, through the real DLL boundary (plain names, __stdcall), against the same
// presses in this process through the recording double: the same calls with the same bytes, every
// text with a correct header, and the same dialogs.
TEST_F(EscrivaniaRun, EveryButtonPassesTheSameBytesAsTheConsoleCore) {
  std::vector<std::wstring> args = {L"--output", L"C:\\Saída\\Ação €", L"--input", L"C:\\Entrada"};
  for (const app::Page* page : pages::kInnerPages)
    for (const app::Button& b : page->buttons) args.push_back(wide(std::string(b.component)));

  const Outcome child = runProgram(program(), args);
  ASSERT_TRUE(child.finished);
  EXPECT_EQ(child.exitCode, 0u);

  std::vector<std::string> utf8Args;
  for (const auto& a : args) utf8Args.push_back(utf8(a));
  recording::reset();
  std::ostringstream out, err;
  EXPECT_EQ(headless::run(utf8Args, "C:\\Programa\\escrivania-run.exe", out, err), 0);
  EXPECT_EQ(child.out, out.str());
  const std::vector<recording::Call> expected = recording::calls();

  const std::vector<LoggedCall> logged = readLog(log());
  ASSERT_EQ(logged.size(), expected.size());
  std::set<std::string> functions;
  for (std::size_t i = 0; i < logged.size(); ++i) {
    const LoggedCall& got = logged[i];
    const recording::Call& want = expected[i];
    functions.insert(got.function);
    ASSERT_EQ(got.function, want.function);
    ASSERT_EQ(got.args.size(), want.args.size()) << got.function;
    for (std::size_t k = 0; k < got.args.size(); ++k) {
      const LoggedArg& a = got.args[k];
      SCOPED_TRACE(got.function + " argument " + std::to_string(k + 1));
      ASSERT_EQ(a.null, !want.args[k].has_value());
      if (a.null) continue;
      EXPECT_EQ(a.bytes, *want.args[k]);
      EXPECT_EQ(a.codePage, 1252);
      EXPECT_EQ(a.elementSize, 1);
      EXPECT_EQ(a.refCount, -1);
      EXPECT_EQ(a.length, static_cast<int>(a.bytes.size()));
    }
  }
  // Every exported function was called, and the directories arrived in Windows-1252.
  EXPECT_EQ(functions.size(), std::size(esc::kFunctions));
  ASSERT_EQ(logged.at(0).function, "Inicia_SPED");
  EXPECT_EQ(logged[0].args.at(0).bytes,
            "C:\\Sa\xED"
            "da\\A\xE7\xE3o \x80");
  EXPECT_EQ(logged[0].args.at(1).bytes, "C:\\Entrada");
}

TEST_F(EscrivaniaRun, EmptyDirectoryIsANullPointer) {
  const Outcome child = runProgram(program(), {L"--output", L"", L"Button21"});
  ASSERT_TRUE(child.finished);
  const auto logged = readLog(log());
  ASSERT_EQ(namesOf(logged), (std::vector<std::string>{"Inicia_SPED", "Registro0000"}));
  EXPECT_TRUE(logged[0].args.at(0).null);
  EXPECT_FALSE(logged[0].args.at(1).null);
}

// A structured exception raised by the library: "Registro 0005" catches it and shows "erro"; anywhere
// else the default report names it, the canned sequence stops at that step, and the program goes on.
TEST_F(EscrivaniaRun, RaisedFailureIsReportedAndStopsTheSequence) {
  environment.set(L"ESC_RECORDING_RAISE", L"Registro0005,Registro0150");
  const Outcome child =
      runProgram(program(), {L"--output", L"C:\\S", L"Sequencia0000000504500460046509901", L"Registro C001"});
  ASSERT_TRUE(child.finished);
  EXPECT_EQ(child.exitCode, 0u);
  EXPECT_EQ(child.out,
            "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": \"erro\"}\n"
            "{\"dialog\": \"error\", \"icon\": \"error\", \"caption\": \"escrivania-run\", \"text\": \"Exceção "
            "externa 0EEDFADE\"}\n");
  EXPECT_EQ(namesOf(readLog(log())),
            (std::vector<std::string>{"Inicia_SPED", "Registro0000", "Registro0001", "Registro0005", "Registro0100",
                                      "Registro0150", "RegistroC001"}));
}

TEST_F(EscrivaniaRun, FaultInsideTheLibraryIsReportedAndTheProgramGoesOn) {
  environment.set(L"ESC_RECORDING_FAULT", L"Registro0001");
  environment.set(L"ESC_RECORDING_RESULTS", L"Registro0002=-1");
  const Outcome child = runProgram(program(), {L"--output", L"C:\\S", L"Registro 0001", L"Registro 0002"});
  ASSERT_TRUE(child.finished);
  EXPECT_EQ(child.out,
            "{\"dialog\": \"error\", \"icon\": \"error\", \"caption\": \"escrivania-run\", \"text\": \"Exceção "
            "externa C0000005\"}\n"
            "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": \"Erro na "
            "chamada do Registro 0002, verifique o erro em C:\\\\S\"}\n");
}

// Our Escrivania.dll, shipped as in the ZIP, writes a complete file from the canned sequence.
TEST(OurLibrary, CannedSequenceWritesACompleteFile) {
  Folder folder;
  shipProgram(folder, L"escrivania-run.exe", binFolder() + L"\\Escrivania.dll");
  for (const wchar_t* table : {L"CFOP.res", L"NCM.res", L"MUNICIPIO.res", L"PAIS.res"})
    folder.copy(binFolder() + L"\\" + table);
  const std::wstring output = folder / L"saída";
  CreateDirectoryW(output.c_str(), nullptr);

  const Outcome child =
      runProgram(folder / L"escrivania-run.exe", {L"--output", output, L"Sequencia0000000504500460046509901"});
  ASSERT_TRUE(child.finished);
  EXPECT_EQ(child.exitCode, 0u);
  // The console's sample values break some field rules: those records are written and reported.
  // Its C100 is a voided number (COD_SIT 05), so its C170 and C190 are refused and not written.
  // The run ends with the closing message.
  std::string expected;
  for (const char* caption : {"Registro 0000", "Registro 0200", "Registro C100", "Registro C170", "Registro C190"})
    expected +=
        "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": " +
        headless::jsonString("Erro na chamada do " + std::string(caption) + ", verifique o erro em " + utf8(output)) +
        "}\n";
  expected += "{\"dialog\": \"message\", \"icon\": \"none\", \"caption\": \"escrivania-run\", \"text\": " +
              headless::jsonString("Verifique os arquivo de saída em " + utf8(output)) + "}\n";
  EXPECT_EQ(child.out, expected);

  // The finished file under its final name, its counts filled.
  const std::string content = readFile(output + L"\\EFD_ICMS_IPI.txt");
  EXPECT_EQ(content.rfind("|0000|015|0|01062013|30062013|Nome empresarial|11222333000181|", 0), 0u);
  EXPECT_NE(content.find("\r\n|C100|"), std::string::npos);
  EXPECT_EQ(content.find("\r\n|C170|"), std::string::npos);
  EXPECT_NE(content.find("\r\n|9900|9900|28|\r\n"), std::string::npos);
  EXPECT_TRUE(content.ends_with("\r\n|9999|55|\r\n"));
  EXPECT_FALSE(readFile(output + L"\\EFD_ICMS_IPI_erros.txt").empty());
}

// The loader binds both libraries before the program runs: without either, the program does not
// start. (A library lacking one function stops it on Windows too; Wine's loader binds a missing
// function to a stub instead, so that case rests on the import tables below.)
TEST(Loader, ProgramsDoNotStartWithoutEitherLibrary) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  for (const wchar_t* program : {L"escrivania-run.exe", L"escrivania-console.exe"}) {
    for (const wchar_t* missing : {L"Escrivania.dll", L"borlndmm.dll"}) {
      SCOPED_TRACE(utf8(std::wstring(program) + L" without " + missing));
      Folder folder;
      shipProgram(folder, program, binFolder() + L"\\Escrivania.dll");
      ASSERT_TRUE(DeleteFileW((folder / missing).c_str()));
      const Outcome child = runProgram(folder / program, {L"--list"}, 20000);
      EXPECT_TRUE(child.finished);
      EXPECT_EQ(child.exitCode, kDllNotFound);
      EXPECT_EQ(child.out, "");
    }
  }
}

// The export table of a DLL and the import table of a program, read from their mapped images.
const IMAGE_DATA_DIRECTORY& directory(HMODULE module, int entry) {
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[entry];
}

std::set<std::string> exportedNames(HMODULE module) {
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      base + directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
  auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::set<std::string> out;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) out.insert(reinterpret_cast<const char*>(base + names[i]));
  return out;
}

// Imported names by library, lower-cased library names.
std::map<std::string, std::set<std::string>> importedNames(HMODULE module) {
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
      base + directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
  std::map<std::string, std::set<std::string>> out;
  for (; d->Name; ++d) {
    std::string dll = reinterpret_cast<const char*>(base + d->Name);
    for (char& c : dll) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA32*>(
        base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
    for (; thunk->u1.AddressOfData; ++thunk) {
      if (IMAGE_SNAP_BY_ORDINAL32(thunk->u1.Ordinal)) {
        out[dll].insert("#" + std::to_string(IMAGE_ORDINAL32(thunk->u1.Ordinal)));
      } else {
        out[dll].insert(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + thunk->u1.AddressOfData)->Name);
      }
    }
  }
  return out;
}

TEST(Exports, OurLibraryExportsThe360PlainNamesAndNothingElse) {
  HMODULE dll = LoadLibraryExW((binFolder() + L"\\Escrivania.dll").c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(dll, nullptr);
  std::set<std::string> expected;
  for (const auto& f : esc::kFunctions) expected.emplace(f.name);
  EXPECT_EQ(exportedNames(dll), expected);
  FreeLibrary(dll);
}

// Both programs bind every function they call by plain name, and the memory manager's entry points.
TEST(Imports, ProgramsImportTheLibraryAndTheMemoryManagerByName) {
  for (const wchar_t* program : {L"escrivania-run.exe", L"escrivania-console.exe"}) {
    HMODULE exe = LoadLibraryExW((binFolder() + L"\\" + program).c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(exe, nullptr);
    const auto imports = importedNames(exe);
    ASSERT_TRUE(imports.count("escrivania.dll"));
    ASSERT_TRUE(imports.count("borlndmm.dll"));
    for (const std::string& name : imports.at("escrivania.dll")) EXPECT_NE(esc::findFunction(name), nullptr) << name;
    EXPECT_EQ(imports.at("escrivania.dll").size(), std::size(esc::kFunctions));
    EXPECT_EQ(imports.at("borlndmm.dll"), (std::set<std::string>{"FreeMemory", "GetMemory"}));
    // Nothing of the C++ runtime comes from a DLL that a bare Windows lacks.
    for (const auto& [dll, names] : imports)
      EXPECT_TRUE(dll.rfind("lib", 0) != 0) << utf8(program) << " imports " << dll;
    FreeLibrary(exe);
  }
}

// The memory manager's entry points take their arguments in registers.
using GetMemoryFn = void* __attribute__((regparm(1))) (*)(int);
using FreeMemoryFn = int __attribute__((regparm(1))) (*)(void*);
using ReallocMemoryFn = void* __attribute__((regparm(2))) (*)(void*, int);

template <typename Fn>
Fn entryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TEST(MemoryManager, AllocatesResizesAndFrees) {
  HMODULE mm = LoadLibraryW((binFolder() + L"\\borlndmm.dll").c_str());
  ASSERT_NE(mm, nullptr);
  auto getMemory = entryPoint<GetMemoryFn>(mm, "GetMemory");
  auto freeMemory = entryPoint<FreeMemoryFn>(mm, "FreeMemory");
  auto reallocMemory = entryPoint<ReallocMemoryFn>(mm, "ReallocMemory");
  ASSERT_TRUE(getMemory && freeMemory && reallocMemory);
  auto* block = static_cast<char*>(getMemory(100));
  ASSERT_NE(block, nullptr);
  std::memset(block, 'x', 100);
  block = static_cast<char*>(reallocMemory(block, 100000));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(std::string(block, 100), std::string(100, 'x'));
  EXPECT_EQ(freeMemory(block), 0);
  EXPECT_EQ(getMemory(-1), nullptr);
  EXPECT_EQ(freeMemory(nullptr), 0);
  FreeLibrary(mm);
}

}  // namespace
}  // namespace wine_tests
