// Entry of Lorvex: register the main class, load menu and accelerators, show the main window
// and run the message loop.
#include <windows.h>

#include "mainwnd.h"
#include "msgloop.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
    hInst = hInstance;
    hModule = GetModuleHandleA(nullptr);
    hwndMain = nullptr;

    if (hPrevInstance == nullptr && !RegisterMainClass(hInstance)) {
        ReportStartupFailure();
        return 0;
    }
    SetNameField(menuName, "Lorvex");
    hMenu = LoadMenuA(hInstance, menuName);
    if (hMenu == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    SetNameField(accelName, "Lorvex");
    HACCEL hAccel = LoadAcceleratorsA(hInstance, accelName);
    if (hAccel == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    hwndMain = CreateMainWindow(hInstance);
    if (hwndMain == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    // The first WM_PAINT comes through the loop.
    ShowWindow(hwndMain, nCmdShow);
    // Accelerators go to the window each message is addressed to.
    return RunMessageLoop(msg, hAccel);
}
