// Centring a window over another within the screen: the arithmetic here (centering.cpp,
// portable, in the library winapp_layout that the native tests reach), and under Windows the
// routine that moves the window with it (centering_window.cpp, in the library winapp).
#pragma once

// One coordinate of the centred position: the start of an extent `size` centred over
// [overStart, overStart + overSize), the offset truncated toward zero, then moved to 0 when
// negative, or else back inside a screen of `screen` pixels.
int CenteredCoordinate(int overStart, int overSize, int size, int screen);

#ifdef _WIN32
#include <windows.h>

// Moves window so that it is centred over `over` and kept on the screen (the whole display,
// task bar included), without changing its size or Z order.
void CenterWindowOver(HWND window, HWND over);
#endif
