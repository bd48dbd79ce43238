// The main window TForm1 with the Windows API, built from the window and page tables. Every event
// goes to the console core; this class only renders and implements the dialogs port.
#pragma once

#include <windows.h>
// clang-format off
#include <commctrl.h>
#include <ocidl.h>
// clang-format on

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "console.h"
#include "window.h"

namespace win32 {

// The window class names, which the GUI tests look for.
inline constexpr wchar_t kFormClass[] = L"TForm1";
inline constexpr wchar_t kPanelClass[] = L"TPanel";

class MainWindow final : public app::Dialogs {
 public:
  MainWindow(HINSTANCE instance, std::string_view programPath);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates and shows the window; false when the system refused.
  bool create();
  // Runs the message loop until the window is closed; the program's exit code.
  int run();

  // The window-system port.
  void showMessage(std::string_view text) override;
  void messageBox(std::string_view text, std::string_view caption, app::Icon icon) override;
  void showFailure(std::string_view message) override;
  std::optional<std::string> openFile(std::string_view initialFolder) override;
  void shellOpen(std::string_view target) override;
  void closeWindow() override;
  std::string edit1() const override;
  std::string edit2() const override;
  void setEdit1(std::string_view text) override;
  void setEdit2(std::string_view text) override;

 private:
  // A container window (panel or page): its background, optional raised edge and pictures.
  struct Panel {
    HWND hwnd = nullptr;
    HBRUSH background = nullptr;
    bool raised = false;
    std::vector<std::pair<IPicture*, app::Rect>> pictures;
  };
  struct LabelStyle {
    COLORREF colour;
    HBRUSH background;
    bool link;
  };
  // A tab control and the client windows of its pages.
  struct PageControl {
    HWND tabs = nullptr;
    std::vector<HWND> pages;
  };

  static LRESULT CALLBACK formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  void OnCreate();
  void OnShowWindow(bool shown);
  void OnCommand(int id, int code, HWND control);
  LRESULT OnNotify(const NMHDR& header);
  void OnContextMenu(int x, int y);
  HBRUSH OnCtlColor(HDC dc, HWND control);
  bool OnSetCursor(HWND under);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDestroy();
  void paintPanel(HWND hwnd);

  HWND makePanel(HWND parent, const app::Rect& rect, HBRUSH background, bool raised);
  HWND makeButton(HWND parent, std::string_view caption, const app::Rect& rect, HFONT font, int id, DWORD style = 0);
  HWND makeLabel(HWND parent, const app::window::Label& label, int dx, int dy, HBRUSH background, int defaultPixels,
                 int id = 0);
  PageControl makePageControl(HWND parent, const app::Rect& rect, const std::vector<std::string_view>& captions);
  void addTip(HWND control, std::string_view text);
  void addPicture(HWND panel, const app::window::Picture& picture);
  void buildSidePanel();
  void buildSpedPage(HWND page);
  void buildContactPage(HWND page);
  void buildInnerPage(HWND page, const app::Page& table);
  void showPage(PageControl& control, int index);
  bool translateKey(MSG& message);
  HFONT font(int pixels, bool bold = false, bool underline = false, std::wstring_view family = L"MS Sans Serif");

  HINSTANCE instance_;
  app::TForm1 form_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND edit1_ = nullptr;
  HWND edit2_ = nullptr;
  PageControl pageControl1_;
  PageControl pageControl2_;
  HICON folderIcon_ = nullptr;
  HIMAGELIST folderImages_ = nullptr;
  HBRUSH white_ = nullptr;
  HBRUSH face_ = nullptr;
  bool shown_ = false;
  std::map<std::tuple<int, bool, bool, std::wstring>, HFONT> fonts_;
  std::map<HWND, Panel> panels_;
  std::map<HWND, LabelStyle> labels_;
  std::map<int, const app::Button*> buttons_;  // control id -> row
  std::map<HWND, const app::Button*> greyButtons_;
};

}  // namespace win32
