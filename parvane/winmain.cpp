// Entry of Parvane: the window class registered for both window kinds, the main window with
// its start-up picture, the splash dialog, then the message loop.
#include "msgloop.h"
#include "parvane.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    hInst = hInstance;
    FillViewerClass(hInstance);
    if (!RegisterViewerClass(MAIN_CLASS))
        return 0;
    hwndMain = CreateMainWindow(hInstance);
    if (hwndMain == nullptr)
        return 0;
    ShowWindow(hwndMain, nCmdShow);
    UpdateWindow(hwndMain);
    if (!RegisterViewerClass(PICTURE_CLASS))
        return 0;
    // Without the table no key is translated.
    hAccel = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDR_Accel));
    ShowSplash();
    // Accelerators go to the main window whichever window has the key.
    return RunMessageLoop(hAccel, hwndMain);
}
