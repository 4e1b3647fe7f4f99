// Entry of LorvexMDI: register the three classes, load the menus and accelerators, show the
// frame and run the message loop with the MDI system keys.
#include <windows.h>

#include "lorvexmdi.h"
#include "msgloop.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
    hInst = hInstance;
    hModule = GetModuleHandleA(nullptr);
    hwndFrame = nullptr;

    if (hPrevInstance == nullptr && !RegisterClasses(hInstance)) {
        ReportStartupFailure();
        return 0;
    }
    HACCEL hAccel = nullptr;
    if (!LoadMenusAndAccelerators(hInstance, hAccel)) {
        ReportStartupFailure();
        return 0;
    }
    hwndFrame = CreateFrameWindow(hInstance);
    if (hwndFrame == nullptr) {
        ReportStartupFailure();
        return 0;
    }
    ShowWindow(hwndFrame, nCmdShow);
    // Accelerators go to the frame whichever window the key was meant for; the MDI system
    // keys (Ctrl+F4, Ctrl+F6) to the client.
    return RunMessageLoop(hAccel, hwndFrame, hwndClient);
}
