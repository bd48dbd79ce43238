// The Win32 console window under Wine on a virtual display: driven from this program as a person
// would (clicks, keys, the right button), with its dialogs read back and a picture of every page.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include <functional>
#include <thread>

#include "process.h"
#include "screenshot.h"

namespace wine_tests {
namespace {

using namespace std::chrono_literals;

std::wstring classOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// A window's text, asked of the window itself (GetWindowText does not for another process's controls).
std::wstring textOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::string utf8(const std::wstring& text) {
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// Polls until found returns a window or the time is up.
HWND waitFor(const std::function<HWND()>& found, std::chrono::milliseconds limit = 20s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  do {
    if (HWND hwnd = found()) return hwnd;
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < end);
  return nullptr;
}

struct Search {
  DWORD pid;  // 0 for child windows
  const wchar_t* className;
  std::wstring text;  // empty: any
  std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM p) {
  auto& s = *reinterpret_cast<Search*>(p);
  if (s.pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != s.pid || !IsWindowVisible(hwnd)) return TRUE;
  }
  if (_wcsicmp(classOf(hwnd).c_str(), s.className) == 0 && (s.text.empty() || textOf(hwnd) == s.text))
    s.found.push_back(hwnd);
  return TRUE;
}

// The visible top-level windows of a process with this class.
std::vector<HWND> topLevel(DWORD pid, const wchar_t* className) {
  Search search{pid, className, {}, {}};
  EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> children(HWND parent, const wchar_t* className, const std::wstring& text = {}) {
  Search search{0, className, text, {}};
  EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct Dialog {
  std::string caption;
  std::string text;
  bool icon = false;
  bool operator==(const Dialog&) const = default;
};

void PrintTo(const Dialog& d, std::ostream* os) {
  *os << "{" << d.caption << " | " << d.text << " | " << (d.icon ? "icon" : "no icon") << "}";
}

class ConsoleWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    CreateDirectoryW(buildFolder(ESC_SCREENSHOT_DIR).c_str(), nullptr);
  }

  void SetUp() override {
    shipProgram(folder, L"escrivania-console.exe", recordingFolder() + L"\\Escrivania.dll");
    environment.set(L"ESC_RECORDING_LOG", folder / L"calls.log");
  }

  void TearDown() override {
    if (!process) return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
      for (HWND dialog : topLevel(pid, L"#32770")) PostMessageW(dialog, WM_CLOSE, 0, 0);
      if (form) PostMessageW(form, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process, 10000) == WAIT_TIMEOUT) TerminateProcess(process, 1);
    }
    CloseHandle(process);
  }

  // Starts the console and waits for its main window.
  void start() {
    process = startProgram(folder / L"escrivania-console.exe");
    ASSERT_NE(process, nullptr);
    pid = GetProcessId(process);
    // The first window of a fresh Wine prefix waits for its font cache.
    form = waitFor(
        [&] {
          auto found = topLevel(pid, L"TForm1");
          return found.empty() ? nullptr : found[0];
        },
        90s);
    ASSERT_NE(form, nullptr) << "the console window did not open";
    // Settled: the edit boxes were filled when the window was shown.
    waitFor([&] { return textOf(edit(0)) != L"Edit1" ? form : nullptr; });
  }

  HWND edit(int index) {
    auto edits = children(form, L"Edit");
    return index < static_cast<int>(edits.size()) ? edits[static_cast<std::size_t>(index)] : nullptr;
  }

  HWND button(const std::wstring& caption) {
    auto found = children(form, L"Button", caption);
    return found.empty() ? nullptr : found[0];
  }

  void press(const std::wstring& caption) {
    HWND b = button(caption);
    ASSERT_NE(b, nullptr) << utf8(caption);
    PostMessageW(b, BM_CLICK, 0, 0);
  }

  // The message dialog the console shows next, read and closed with OK.
  Dialog nextDialog() {
    HWND dialog = waitFor([&] {
      auto found = topLevel(pid, L"#32770");
      return found.empty() ? nullptr : found[0];
    });
    if (!dialog) return {"(none)", "", false};
    Dialog d{utf8(textOf(dialog)), utf8(textOf(GetDlgItem(dialog, 0xFFFF))), false};
    for (HWND s : children(dialog, L"Static"))
      if ((GetWindowLongW(s, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(s, STM_GETICON, 0, 0)) d.icon = true;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    waitFor([&] { return IsWindow(dialog) ? nullptr : form; });
    return d;
  }

  bool noDialogFor(std::chrono::milliseconds time) {
    return waitFor(
               [&] {
                 auto found = topLevel(pid, L"#32770");
                 return found.empty() ? nullptr : found[0];
               },
               time) == nullptr;
  }

  // The outer (index 0) or inner (index 1) page control.
  HWND tabs(int which) {
    for (HWND t : children(form, WC_TABCONTROLW))
      if ((GetParent(t) == form) == (which == 0)) return t;
    return nullptr;
  }

  // Clicks a tab where the tab control shows it, as the mouse would.
  void clickTab(HWND control, int index) {
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT r{};
    SendMessageW(control, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    waitFor([&] { return SendMessageW(control, TCM_GETCURSEL, 0, 0) == index ? control : nullptr; });
    std::this_thread::sleep_for(300ms);  // painted
  }

  void screenshot(const std::wstring& name) {
    SetForegroundWindow(form);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(saveScreenshot(form, buildFolder(ESC_SCREENSHOT_DIR) + L"\\" + name + L".png")) << utf8(name);
  }

  std::vector<std::string> calledFunctions() {
    std::vector<std::string> names;
    std::string log = readFile(folder / L"calls.log");
    for (std::size_t at = 0; at < log.size();) {
      const std::size_t end = log.find('\n', at);
      names.push_back(log.substr(at, log.find('\t', at) - at));
      at = end == std::string::npos ? log.size() : end + 1;
    }
    return names;
  }

  Folder folder;
  Environment environment;
  HANDLE process = nullptr;
  DWORD pid = 0;
  HWND form = nullptr;
};

TEST_F(ConsoleWindow, OpensCentredWithAFixedDialogFrameAndFilledDirectories) {
  start();
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 1010);
  EXPECT_EQ(client.bottom, 838);
  const LONG style = GetWindowLongW(form, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(utf8(textOf(form)), "Utilizando a Escrivania.dll :: por Projeto Escrivania Livre");

  RECT frame, desktop;
  GetWindowRect(form, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
  EXPECT_NEAR((frame.left + frame.right) / 2, (desktop.left + desktop.right) / 2, 2);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, (desktop.top + desktop.bottom) / 2, 2);

  // The program's drive and folder.
  EXPECT_EQ(textOf(edit(0)), folder.path().substr(0, 3));
  EXPECT_EQ(textOf(edit(1)), folder.path());
  // Every button of the eleven pages, and the two exit buttons.
  EXPECT_NE(button(L"Registro 0000"), nullptr);
  EXPECT_NE(button(L"IND_PREPAGO"), nullptr);
  EXPECT_EQ(children(form, L"Button", L"Sai&r").size(), 2u);
}

TEST_F(ConsoleWindow, PressReportsAReturnedErrorInAPlainMessage) {
  environment.set(L"ESC_RECORDING_RESULTS", L"Registro0001=-1,Registro0002=7");
  start();
  SetWindowTextW(edit(0), L"C:\\Saída");
  press(L"Registro 0001");
  EXPECT_EQ(nextDialog(),
            (Dialog{"escrivania-console", "Erro na chamada do Registro 0001, verifique o erro em C:\\Saída"}));
  press(L"Registro 0002");
  EXPECT_EQ(nextDialog(), (Dialog{"escrivania-console", "Retorno desconhecido"}));
  press(L"Registro 0990");
  EXPECT_TRUE(noDialogFor(1s));
  EXPECT_EQ(calledFunctions(), (std::vector<std::string>{"Registro0001", "Registro0002", "Registro0990"}));
}

TEST_F(ConsoleWindow, OpeningFailureShowsTheErrorBoxThenTheRecordReport) {
  environment.set(L"ESC_RECORDING_RESULTS", L"Inicia_SPED=-1,Registro0000=-1");
  start();
  SetWindowTextW(edit(0), L"C:\\Saída");
  SetWindowTextW(edit(1), L"C:\\Ação");
  press(L"Registro 0000");
  EXPECT_EQ(nextDialog(), (Dialog{"Atenção", "Erro durante chamada da função Inicia_SPED.", true}));
  EXPECT_EQ(nextDialog(),
            (Dialog{"escrivania-console", "Erro na chamada do Registro 0000, verifique o erro em C:\\Saída"}));
  // The typed directories reached the library in Windows-1252, output first.
  const std::string log = readFile(folder / L"calls.log");
  EXPECT_EQ(log.substr(0, log.find('\n')), "Inicia_SPED\t2\t1252,1,-1,8:433a5c5361ed6461\t1252,1,-1,7:433a5c41e7e36f");
}

// A structured exception raised by the library: the default report with the error icon, and the
// console goes on; "Registro 0005" catches its own and shows "erro".
TEST_F(ConsoleWindow, RaisedFailuresAreReportedAndTheConsoleGoesOn) {
  environment.set(L"ESC_RECORDING_RAISE", L"Registro0002,Registro0005");
  start();
  press(L"Registro 0002");
  EXPECT_EQ(nextDialog(), (Dialog{"escrivania-console", "Exceção externa 0EEDFADE", true}));
  press(L"Registro 0005");
  EXPECT_EQ(nextDialog(), (Dialog{"escrivania-console", "erro"}));
  press(L"Registro 9999");
  EXPECT_EQ(nextDialog().text, "Verifique os arquivo de saída em " + utf8(textOf(edit(0))));
}

TEST_F(ConsoleWindow, ValidationAndVersionButtons) {
  environment.set(L"ESC_RECORDING_RESULTS", L"vCNPJ=0,Info_Versao=300");
  start();
  clickTab(tabs(1), 10);
  press(L"Versão da DLL");
  EXPECT_EQ(nextDialog(), (Dialog{"escrivania-console", "300"}));
  press(L"CNPJ");
  const Dialog verdict = nextDialog();
  EXPECT_FALSE(verdict.icon);
  EXPECT_NE(verdict.text, "");
  EXPECT_EQ(calledFunctions(), (std::vector<std::string>{"Info_Versao", "vCNPJ"}));
}

// The right button opens PopupMenu1; its one item runs the thirty steps of the canned sequence.
TEST_F(ConsoleWindow, PopupMenuRunsTheCannedSequence) {
  start();
  HWND page = GetWindow(tabs(1), GW_CHILD);
  PostMessageW(page, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(650, 500));
  PostMessageW(page, WM_RBUTTONUP, 0, MAKELPARAM(650, 500));
  HWND menu = waitFor([&] {
    auto found = topLevel(pid, L"#32768");
    return found.empty() ? nullptr : found[0];
  });
  ASSERT_NE(menu, nullptr) << "no popup menu";
  screenshot(L"popup-menu");
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(nextDialog().text, "Verifique os arquivo de saída em " + utf8(textOf(edit(0))));
  const auto called = calledFunctions();
  ASSERT_EQ(called.size(), 32u);
  EXPECT_EQ(called.front(), "Inicia_SPED");
  EXPECT_EQ(called.back(), "Finaliza_SPED");
}

// A browse button opens the common file-open dialog in the program's folder; the confirmed file's
// full path replaces the edit box, and cancelling leaves it as it was.
TEST_F(ConsoleWindow, BrowseButtonsFillTheirBoxWithTheChosenFile) {
  start();
  auto browse = [&](int which, bool confirm) {
    std::vector<HWND> buttons;
    for (HWND b : children(form, L"Button"))
      if (textOf(b).empty() && (GetWindowLongW(b, GWL_STYLE) & BS_ICON)) buttons.push_back(b);
    ASSERT_EQ(buttons.size(), 2u);
    PostMessageW(buttons[static_cast<std::size_t>(which)], BM_CLICK, 0, 0);
    HWND dialog = waitFor([&] {
      auto found = topLevel(pid, L"#32770");
      return found.empty() ? nullptr : found[0];
    });
    ASSERT_NE(dialog, nullptr);
    std::this_thread::sleep_for(500ms);
    if (confirm) {
      HWND name = GetDlgItem(dialog, 0x47C);  // the file name box (a combo box with an edit)
      if (!name) name = GetDlgItem(dialog, 0x480);
      ASSERT_NE(name, nullptr);
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"novo.txt"));
    }
    PostMessageW(dialog, WM_COMMAND, confirm ? IDOK : IDCANCEL, 0);
    waitFor([&] { return IsWindow(dialog) ? nullptr : form; });
  };
  browse(1, true);
  EXPECT_EQ(textOf(edit(1)), folder / L"novo.txt");
  const std::wstring before = textOf(edit(0));
  browse(0, false);
  EXPECT_EQ(textOf(edit(0)), before);
}

TEST_F(ConsoleWindow, AltRClosesTheWindow) {
  start();
  PostMessageW(edit(0), WM_SYSCHAR, L'r', 1 << 29);
  EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(calledFunctions().empty());
}

TEST_F(ConsoleWindow, TheExitButtonClosesTheWindow) {
  start();
  press(L"Sai&r");
  EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
}

// A picture of every page, to look at; and a multi-line tool tip.
TEST_F(ConsoleWindow, ScreenshotOfEveryPage) {
  start();
  HWND inner = tabs(1);
  const int pages = static_cast<int>(SendMessageW(inner, TCM_GETITEMCOUNT, 0, 0));
  ASSERT_EQ(pages, 11);
  for (int i = 0; i < pages; ++i) {
    clickTab(inner, i);
    screenshot(L"page-" + std::to_wstring(i + 1));
  }
  clickTab(tabs(0), 1);
  screenshot(L"contact");
  clickTab(tabs(0), 0);
  clickTab(inner, 3);  // Bloco C, whose buttons carry tips of several lines
  HWND tipped = button(L"Registro C100");
  ASSERT_NE(tipped, nullptr);
  RECT r;
  GetWindowRect(tipped, &r);
  SetCursorPos(r.left + 5, r.top + 5);
  std::this_thread::sleep_for(100ms);
  SetCursorPos(r.left + 10, r.top + 10);
  std::this_thread::sleep_for(1500ms);
  screenshot(L"tooltip");
}

}  // namespace
}  // namespace wine_tests
