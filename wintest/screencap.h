// Screen capture: what the screen shows of a window, as pixels or saved as a PNG under the
// build folder's screenshots/.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Saves what the screen shows of the window (frame included) as
// <build>/screenshots/<name>.png. Returns the path, or "" on failure.
std::string SaveWindowPng(HWND hwnd, const std::string& name);

// The pixels of a rectangle of a device context, row by row, as 0x00RRGGBB values.
std::vector<DWORD> CapturePixels(HDC source, int x, int y, int w, int h);

// The colour the screen shows at a point in client coordinates of hwnd.
COLORREF ScreenPixel(HWND hwnd, int x, int y);
