// Saves what the screen shows of a window as a PNG file, through the system's imaging component.
#pragma once

#include <windows.h>

#include <string>

namespace wine_tests {

// True when the file was written.
bool saveScreenshot(HWND window, const std::wstring& file);

}  // namespace wine_tests
