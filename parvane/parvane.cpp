// Start-up of Parvane: the window class of both window kinds, the main window with its menu,
// and the splash dialog. WinMain (winmain.cpp) runs these steps in order.
#include "parvane.h"

#include "splash_dlg.h"
#include "viewer_wnd.h"

HINSTANCE hInst = nullptr;
HMENU hMenu = nullptr;
HWND hwndMain = nullptr;
HACCEL hAccel = nullptr;
WNDCLASSA wc;

void FillViewerClass(HINSTANCE hInstance) {
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ViewerWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = MAIN_CLASS;
}

bool RegisterViewerClass(const char* className) {
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE hInstance) {
    // Without its menu the window simply has no menu bar.
    hMenu = LoadMenuA(hInstance, "ParvaneMenu");
    return CreateWindowExA(0, MAIN_CLASS, MAIN_TITLE, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           hMenu, hInstance, nullptr);
}

void ShowSplash() {
    // A template that cannot be loaded gives -1 at once: the splash is skipped.
    DialogBoxParamA(hInst, MAKEINTRESOURCEA(IDD_Splash), hwndMain, SplashDlgProc, 0);
}
