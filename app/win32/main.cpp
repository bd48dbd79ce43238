// The console's program entry on Windows: the Windows API, no other toolkit.
// clang-format off
#include <windows.h>
#include <ole2.h>
// clang-format on

#include "main_window.h"
#include "unicode.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The pictures are decoded by the system's OLE picture support.
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  int status = 1;
  {
    win32::MainWindow window(instance, win32::programPath());
    if (window.create()) status = window.run();
  }
  if (ole) OleUninitialize();
  return status;
}
