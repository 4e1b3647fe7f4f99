// Centring a window over another: the platform's side of the arithmetic in centering.cpp.
#include "centering.h"

void CenterWindowOver(HWND window, HWND over) {
    RECT w, o;
    GetWindowRect(window, &w);
    GetWindowRect(over, &o);
    // The whole display, task bar included.
    HDC hdc = GetDC(window);
    int screenW = GetDeviceCaps(hdc, HORZRES);
    int screenH = GetDeviceCaps(hdc, VERTRES);
    ReleaseDC(window, hdc);
    int x = CenteredCoordinate(o.left, o.right - o.left, w.right - w.left, screenW);
    int y = CenteredCoordinate(o.top, o.bottom - o.top, w.bottom - w.top, screenH);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
