// Entry of LorvexMDI: register the three classes, load the menus and accelerators, show the
// frame and run the message loop with the MDI system keys.
#include <windows.h>

#include "lorvexmdi.h"
#include "msgloop.h"
#include "startup_box.h"

namespace {

// The start-up steps up to the frame; false at the first that fails.
bool StartUp(HINSTANCE hInstance, HINSTANCE hPrevInstance, HACCEL& hAccel) {
    if (hPrevInstance == nullptr && !RegisterLorvexMDIClasses(hInstance))
        return false;
    if (!LoadMenusAndAccelerators(hInstance, hAccel))
        return false;
    hwndFrame = CreateFrameWindow(hInstance);
    return hwndFrame != nullptr;
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
    hInst = hInstance;
    hModule = GetModuleHandleA(nullptr);
    hwndFrame = nullptr;

    HACCEL hAccel = nullptr;
    if (!StartUp(hInstance, hPrevInstance, hAccel)) {
        ReportStartupFailure("LorvexMDI");
        return 0;
    }
    ShowWindow(hwndFrame, nCmdShow);
    // Accelerators go to the frame whichever window the key was meant for; the MDI system
    // keys (Ctrl+F4, Ctrl+F6) to the client.
    return RunMessageLoop(hAccel, hwndFrame, hwndClient);
}
