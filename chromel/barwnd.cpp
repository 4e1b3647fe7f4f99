// ScrollBarWndProc, the replacement procedure of the three bars: remembers the focused bar
// and moves the focus on Tab and Shift+Tab; everything else is the platform scroll bar's.
#include <windows.h>

#include "chromel.h"

LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_ID));
    if (id < 0 || id > 2 || pfnOrigBarProc[id] == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_SETFOCUS: iFocusBar = id; break;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            const int target = GetKeyState(VK_SHIFT) < 0 ? (id + 2) % 3 : (id + 1) % 3;
            SetFocus(GetDlgItem(GetParent(hwnd), target));
        }
        break;
    }
    return CallWindowProcA(pfnOrigBarProc[id], hwnd, message, wParam, lParam);
}
