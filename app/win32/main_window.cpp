#include "main_window.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <olectl.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <cctype>

#include "pages.h"
#include "unicode.h"

namespace win32 {

namespace win = app::window;

namespace {

// Control ids: fixed ones for the window's own controls, then one per button row, then menu items.
enum : int {
  kIdEdit1 = 100,
  kIdEdit2,
  kIdBitBtn1,
  kIdBitBtn2,
  kIdButton7,
  kIdButton95,
  kIdLabel29,
  kIdLabel30,
  kIdFirstRow = 1000,
  kIdFirstMenuItem = 5000,
};

// The tab control's page client area: inset 4 pixels at the sides and bottom, 24 at the top.
constexpr int kPageTop = 24;
constexpr int kPageSide = 4;

constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);

// Table texts join lines with "\n" or CR LF; the controls want CR LF.
std::wstring lines(std::string_view utf8) {
  std::wstring in = wide(utf8), out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] == L'\n' && (i == 0 || in[i - 1] != L'\r')) out += L'\r';
    out += in[i];
  }
  return out;
}

COLORREF colourOf(win::LabelColour c) {
  switch (c) {
    case win::LabelColour::Silver: return kSilver;
    case win::LabelColour::Red: return RGB(0xFF, 0, 0);
    case win::LabelColour::Blue: return RGB(0, 0, 0xFF);
    case win::LabelColour::WindowText: break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

// The resource holding a picture file of the tables: its name, upper case, without extension.
std::wstring resourceName(std::string_view file) {
  std::string name(file.substr(0, file.find('.')));
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
  return wide(name);
}

// Decodes a JPEG resource with the system's own picture support.
IPicture* loadPicture(HINSTANCE instance, const std::wstring& name) {
  HRSRC resource = FindResourceW(instance, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!resource) return nullptr;
  const DWORD size = SizeofResource(instance, resource);
  const void* bytes = LockResource(LoadResource(instance, resource));
  if (!bytes || size == 0) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))))
    picture = nullptr;
  stream->Release();
  return picture;
}

HWND rootOf(HWND hwnd) { return GetAncestor(hwnd, GA_ROOT); }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, std::string_view programPath)
    : instance_(instance), form_(*this, programPath) {}

MainWindow::~MainWindow() {
  for (auto& [hwnd, panel] : panels_)
    for (auto& [picture, rect] : panel.pictures) picture->Release();
  for (auto& [key, f] : fonts_) DeleteObject(f);
  if (folderIcon_) DestroyIcon(folderIcon_);
  if (folderImages_) ImageList_Destroy(folderImages_);
  if (white_) DeleteObject(white_);
}

HFONT MainWindow::font(int pixels, bool bold, bool underline, std::wstring_view family) {
  auto key = std::make_tuple(pixels, bold, underline, std::wstring(family));
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  HFONT f = CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                        std::wstring(family).c_str());
  fonts_.emplace(key, f);
  return f;
}

bool MainWindow::create() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  white_ = CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF));
  face_ = GetSysColorBrush(COLOR_BTNFACE);

  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = formProc;
  form.hInstance = instance_;
  form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  form.hbrBackground = face_;
  form.lpszClassName = kFormClass;
  WNDCLASSEXW panel = form;
  panel.lpfnWndProc = panelProc;
  panel.hbrBackground = nullptr;
  panel.lpszClassName = kPanelClass;
  if (!RegisterClassExW(&form) || !RegisterClassExW(&panel)) return false;

  // A fixed dialog frame with the close box only, sized for the client area, centred on the desktop.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, win::kClientWidth, win::kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  RECT desktop{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
  const int x = desktop.left + (desktop.right - desktop.left - width) / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  const std::wstring caption = wide(std::string(win::kCaptionStart) + std::string(win::kAuthorCredit));
  hwnd_ = CreateWindowExW(exStyle, kFormClass, caption.c_str(), style, x, y, width, height, nullptr, nullptr, instance_,
                          this);
  if (!hwnd_) return false;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  return true;
}

int MainWindow::run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (translateKey(message)) continue;
    if (hwnd_ && IsDialogMessageW(hwnd_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the inner pages, as the tab strips take no keyboard focus.
bool MainWindow::translateKey(MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
  if (!hwnd_ || rootOf(message.hwnd) != hwnd_) return false;
  PageControl& control = TabCtrl_GetCurSel(pageControl1_.tabs) == 0 ? pageControl2_ : pageControl1_;
  const int count = static_cast<int>(control.pages.size());
  const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
  const int next = (TabCtrl_GetCurSel(control.tabs) + step) % count;
  TabCtrl_SetCurSel(control.tabs, next);
  showPage(control, next);
  return true;
}

LRESULT CALLBACK MainWindow::formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

// Panels and pages paint themselves and pass what their controls report on to the main window.
LRESULT CALLBACK MainWindow::panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CONTEXTMENU: return SendMessageW(rootOf(hwnd), message, wParam, lParam);
    case WM_SETCURSOR:
      if (SendMessageW(rootOf(hwnd), message, wParam, lParam)) return TRUE;
      break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(rootOf(hwnd), GWLP_USERDATA))) {
        self->paintPanel(hwnd);
        return 0;
      }
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0); break;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU: OnContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DESTROY: OnDestroy(); return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCreate() {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font(11)), FALSE);
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
  // Tool tips of several lines break at their CR LF only within a maximum width.
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
  SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font(11)), FALSE);

  pageControl1_ = makePageControl(hwnd_, win::kPageControl1, {win::kSpedTab, win::kContactTab});
  buildSpedPage(pageControl1_.pages[0]);
  buildContactPage(pageControl1_.pages[1]);
  buildSidePanel();
  showPage(pageControl1_, 0);
}

void MainWindow::OnShowWindow(bool shown) {
  if (shown && !shown_) {
    shown_ = true;
    form_.FormShow();
  }
}

void MainWindow::OnCommand(int id, int code, HWND) {
  if (id >= kIdFirstMenuItem) {
    const auto items = app::popupMenu1();
    const std::size_t index = static_cast<std::size_t>(id - kIdFirstMenuItem);
    if (index < items.size()) (form_.*items[index].handler)();
    return;
  }
  if (code != BN_CLICKED) return;  // STN_CLICKED has the same code
  switch (id) {
    case kIdBitBtn1: return form_.BitBtn1Click();
    case kIdBitBtn2: return form_.BitBtn2Click();
    case kIdButton7:
    case kIdButton95: return form_.Button7Click();
    case kIdLabel29: return form_.Label29Click();
    case kIdLabel30: return form_.Label30Click();
  }
  if (auto it = buttons_.find(id); it != buttons_.end()) form_.click(*it->second);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return 0;
  for (PageControl* control : {&pageControl1_, &pageControl2_})
    if (header.hwndFrom == control->tabs) showPage(*control, TabCtrl_GetCurSel(control->tabs));
  return 0;
}

void MainWindow::OnContextMenu(int x, int y) {
  const auto items = app::popupMenu1();
  if (items.empty()) return;
  if (x == -1 && y == -1) {  // from the keyboard: at the window's centre
    RECT r;
    GetWindowRect(hwnd_, &r);
    x = (r.left + r.right) / 2;
    y = (r.top + r.bottom) / 2;
  }
  HMENU menu = CreatePopupMenu();
  for (std::size_t i = 0; i < items.size(); ++i)
    AppendMenuW(menu, MF_STRING, kIdFirstMenuItem + static_cast<UINT_PTR>(i), wide(items[i].caption).c_str());
  const int chosen =
      static_cast<int>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (chosen) OnCommand(chosen, 0, nullptr);
}

HBRUSH MainWindow::OnCtlColor(HDC dc, HWND control) {
  if (auto it = labels_.find(control); it != labels_.end()) {
    SetTextColor(dc, it->second.colour);
    SetBkMode(dc, TRANSPARENT);
    return it->second.background;
  }
  // Group boxes and buttons take the colour of the panel they stand on.
  auto panel = panels_.find(GetParent(control));
  HBRUSH background = panel != panels_.end() ? panel->second.background : face_;
  SetBkColor(dc, background == white_ ? RGB(0xFF, 0xFF, 0xFF) : GetSysColor(COLOR_BTNFACE));
  return background;
}

bool MainWindow::OnSetCursor(HWND under) {
  auto it = labels_.find(under);
  if (it == labels_.end() || !it->second.link) return false;
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649) /* IDC_HAND */));
  return true;
}

// The grey buttons: drawn by us, since a push button ignores the text colour it is given.
void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  auto it = greyButtons_.find(item.hwndItem);
  if (it == greyButtons_.end()) return;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const std::wstring caption = wide(it->second->caption);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, kGrey);
  HGDIOBJ old = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  RECT text = r;
  if (pressed) OffsetRect(&text, 1, 1);
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(item.hDC, old);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(item.hDC, &r);
  }
}

void MainWindow::OnDestroy() {
  hwnd_ = nullptr;
  PostQuitMessage(0);
}

void MainWindow::paintPanel(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  auto it = panels_.find(hwnd);
  FillRect(dc, &client, it != panels_.end() ? it->second.background : face_);
  if (it != panels_.end()) {
    if (it->second.raised) DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
    for (auto& [picture, rect] : it->second.pictures) {
      OLE_XSIZE_HIMETRIC w = 0;
      OLE_YSIZE_HIMETRIC h = 0;
      picture->get_Width(&w);
      picture->get_Height(&h);
      picture->Render(dc, rect.left, rect.top, rect.width, rect.height, 0, h, w, -h, nullptr);
    }
  }
  EndPaint(hwnd, &ps);
}

HWND MainWindow::makePanel(HWND parent, const app::Rect& r, HBRUSH background, bool raised) {
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                              r.left, r.top, r.width, r.height, parent, nullptr, instance_, nullptr);
  panels_[hwnd] = Panel{hwnd, background, raised, {}};
  return hwnd;
}

HWND MainWindow::makeButton(HWND parent, std::string_view caption, const app::Rect& r, HFONT f, int id, DWORD style) {
  HWND hwnd = CreateWindowExW(0, WC_BUTTONW, wide(caption).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | style, r.left, r.top, r.width,
                              r.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
  return hwnd;
}

HWND MainWindow::makeLabel(HWND parent, const win::Label& l, int dx, int dy, HBRUSH background, int defaultPixels,
                           int id) {
  const std::wstring text = lines(l.text);
  HFONT f = font(l.fontPixels ? l.fontPixels : defaultPixels, l.bold, false,
                 l.family.empty() ? std::wstring(L"MS Sans Serif") : wide(l.family));
  // A label does not wrap its lines: one sized to its text takes the text's extent, and one of
  // fixed size grows to it where the face installed is wider (about its centre when centred).
  HDC dc = GetDC(parent);
  HGDIOBJ old = SelectObject(dc, f);
  RECT extent{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(parent, dc);
  int left = l.rect.left + dx, width = l.rect.width, height = l.rect.height;
  if (!width || !height) {
    width = extent.right;
    height = extent.bottom;
  } else if (extent.right > width) {
    if (l.centred) left -= (extent.right - width) / 2;
    width = extent.right;
  }
  height = std::max<int>(height, extent.bottom);
  DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | (l.centred ? SS_CENTER : SS_LEFT);
  if (l.link != win::Link::None) style |= SS_NOTIFY;
  HWND hwnd = CreateWindowExW(0, WC_STATICW, text.c_str(), style, left, l.rect.top + dy, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
  labels_[hwnd] = LabelStyle{colourOf(l.colour), background, l.link != win::Link::None};
  return hwnd;
}

MainWindow::PageControl MainWindow::makePageControl(HWND parent, const app::Rect& r,
                                                    const std::vector<std::string_view>& captions) {
  PageControl control;
  // A control parent, so that the keyboard reaches the controls of its pages.
  control.tabs = CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left, r.top, r.width,
                                 r.height, parent, nullptr, instance_, nullptr);
  SendMessageW(control.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font(11)), FALSE);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    std::wstring caption = wide(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(control.tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    HWND page = makePanel(control.tabs, {kPageSide, kPageTop, r.width - 2 * kPageSide, r.height - kPageTop - kPageSide},
                          face_, false);
    ShowWindow(page, SW_HIDE);
    control.pages.push_back(page);
  }
  return control;
}

void MainWindow::showPage(PageControl& control, int index) {
  if (index < 0 || index >= static_cast<int>(control.pages.size())) return;
  TabCtrl_SetCurSel(control.tabs, index);
  for (std::size_t i = 0; i < control.pages.size(); ++i)
    ShowWindow(control.pages[i], static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

void MainWindow::addTip(HWND control, std::string_view text) {
  std::wstring tip = lines(text);
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.hinst = instance_;
  info.lpszText = tip.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void MainWindow::addPicture(HWND panel, const win::Picture& p) {
  if (IPicture* picture = loadPicture(instance_, resourceName(p.file)))
    panels_[panel].pictures.emplace_back(picture, p.rect);
}

void MainWindow::buildSidePanel() {
  HWND panel3 = makePanel(hwnd_, win::kPanel3, face_, true);
  HWND panel1 = makePanel(panel3, win::kPanel1, white_, false);
  for (const auto& l : win::kSideLabels) makeLabel(panel1, l, 0, 0, white_, 11);
  for (const auto& p : win::kSidePictures) addPicture(panel1, p);
  const auto& g = win::kGroupBox1;
  HWND group = makeButton(panel1, win::kGroupBox1Caption, g, font(11), 0, BS_GROUPBOX);
  SetWindowLongPtrW(group, GWL_STYLE, GetWindowLongPtrW(group, GWL_STYLE) & ~WS_TABSTOP);
  makeLabel(panel1, win::kLegend, g.left, g.top, white_, 11);
}

void MainWindow::buildSpedPage(HWND page) {
  // Button7 comes first, so that it leads the keyboard order and answers Alt+R; an empty window
  // region keeps it unseen beneath the inner page control, as on the original window.
  HWND button7 = makeButton(page, win::kExitCaption, win::kButton7, font(11, true), kIdButton7);
  SetWindowRgn(button7, CreateRectRgn(0, 0, 0, 0), FALSE);

  HWND panel2 = makePanel(page, win::kPanel2, face_, true);
  for (const auto& l : win::kDirectoryLabels) makeLabel(panel2, l, 0, 0, face_, 11);
  auto edit = [&](const app::Rect& r, int id) {
    HWND hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                r.left, r.top, r.width, r.height, panel2,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font(11)), FALSE);
    return hwnd;
  };
  edit1_ = edit(win::kEdit1, kIdEdit1);
  edit2_ = edit(win::kEdit2, kIdEdit2);
  SetWindowTextW(edit1_, L"Edit1");
  SetWindowTextW(edit2_, L"Edit2");

  // The open folder of the browse buttons: the left half of the bitmap, its lower-left pixel's colour
  // transparent.
  HBITMAP strip = static_cast<HBITMAP>(LoadImageW(instance_, L"PASTA", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (strip) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    const COLORREF transparent = GetPixel(dc, 0, 15);
    SelectObject(dc, old);
    DeleteDC(dc);
    folderImages_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    ImageList_AddMasked(folderImages_, strip, transparent);
    folderIcon_ = ImageList_GetIcon(folderImages_, 0, ILD_NORMAL);
    DeleteObject(strip);
  }
  for (auto [rect, id] : {std::pair{win::kBitBtn1, kIdBitBtn1}, std::pair{win::kBitBtn2, kIdBitBtn2}}) {
    HWND button = makeButton(panel2, "", rect, font(11), id, BS_ICON);
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(folderIcon_));
  }

  // Button95 stands above the inner page control, so it is made before it.
  makeButton(page, win::kExitCaption, win::kButton95, font(11, true), kIdButton95);

  std::vector<std::string_view> captions;
  for (const app::Page* table : pages::kInnerPages) captions.push_back(table->caption);
  pageControl2_ = makePageControl(page, win::kPageControl2, captions);
  for (std::size_t i = 0; i < pages::kInnerPages.size(); ++i)
    buildInnerPage(pageControl2_.pages[i], *pages::kInnerPages[i]);
  showPage(pageControl2_, 0);
}

void MainWindow::buildInnerPage(HWND page, const app::Page& table) {
  for (const app::Button& b : table.buttons) {
    const int id = kIdFirstRow + static_cast<int>(buttons_.size());
    const bool grey = b.colour == app::Colour::Grey;
    HWND button =
        makeButton(page, b.caption, b.rect, font(11, b.style == app::Style::Bold, b.style == app::Style::Underline), id,
                   grey ? BS_OWNERDRAW : BS_PUSHBUTTON);
    buttons_[id] = &b;
    if (grey) greyButtons_[button] = &b;
    if (b.tooltip.data()) addTip(button, b.tooltip);
  }
}

void MainWindow::buildContactPage(HWND page) {
  const auto& g = win::kGroupBox6;
  HWND group = makeButton(page, "", g, font(win::kGroupBox6FontPixels), 0, BS_GROUPBOX);
  SetWindowLongPtrW(group, GWL_STYLE, GetWindowLongPtrW(group, GWL_STYLE) & ~WS_TABSTOP);
  for (const auto& l : win::kContactLabels) {
    const int id = l.link == win::Link::Web ? kIdLabel29 : l.link == win::Link::Mail ? kIdLabel30 : 0;
    makeLabel(page, l, g.left, g.top, face_, win::kGroupBox6FontPixels, id);
  }
}

void MainWindow::showMessage(std::string_view text) {
  MessageBoxW(hwnd_, wide(text).c_str(), wide(form_.applicationTitle()).c_str(), MB_OK);
}

void MainWindow::messageBox(std::string_view text, std::string_view caption, app::Icon icon) {
  MessageBoxW(hwnd_, wide(text).c_str(), wide(caption).c_str(), MB_OK | (icon == app::Icon::Error ? MB_ICONERROR : 0));
}

void MainWindow::showFailure(std::string_view message) {
  MessageBoxW(hwnd_, wide(message).c_str(), wide(form_.applicationTitle()).c_str(), MB_OK | MB_ICONERROR);
}

std::optional<std::string> MainWindow::openFile(std::string_view initialFolder) {
  std::wstring folder = wide(initialFolder);
  std::wstring file(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd_;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return utf8(file);
}

void MainWindow::shellOpen(std::string_view target) {
  ShellExecuteW(hwnd_, nullptr, wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::closeWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

std::string MainWindow::edit1() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit1_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit1_, text.data(), static_cast<int>(text.size()))));
  return utf8(text);
}

std::string MainWindow::edit2() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit2_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit2_, text.data(), static_cast<int>(text.size()))));
  return utf8(text);
}

void MainWindow::setEdit1(std::string_view text) { SetWindowTextW(edit1_, wide(text).c_str()); }
void MainWindow::setEdit2(std::string_view text) { SetWindowTextW(edit2_, wide(text).c_str()); }

}  // namespace win32
