// Entry of Lorvex: register the main window class, load the menu and accelerators, show the
// main window and run the message loop.
#include <windows.h>

#include "mainwnd.h"
#include "msgloop.h"
#include "startup_box.h"

namespace {

MSG msg; // the record of the message loop

// The start-up steps up to the main window; false at the first that fails.
bool StartUp(HINSTANCE hInstance, HINSTANCE hPrevInstance, HACCEL& hAccel) {
    if (hPrevInstance == nullptr && !RegisterLorvexClasses(hInstance))
        return false;
    if (!LoadMenuAndAccelerators(hInstance, hAccel))
        return false;
    hwndMain = CreateMainWindow(hInstance);
    return hwndMain != nullptr;
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
    hInst = hInstance;
    hModule = GetModuleHandleA(nullptr);
    hwndMain = nullptr;

    HACCEL hAccel = nullptr;
    if (!StartUp(hInstance, hPrevInstance, hAccel)) {
        ReportStartupFailure("Lorvex");
        return 0;
    }
    // The first WM_PAINT comes through the loop.
    ShowWindow(hwndMain, nCmdShow);
    // Accelerators go to the window each message is addressed to.
    return RunMessageLoop(msg, hAccel);
}
