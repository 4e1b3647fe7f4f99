// Entry of Parvane: both window classes, the main window with its start-up picture, the
// splash dialog, then the message loop.
#include "msgloop.h"
#include "parvane.h"
#include "splashdlg.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    hInst = hInstance;
    // Start-up failures end the program quietly.
    if (!RegisterParvaneClasses(hInstance))
        return 0;
    hwndMain = CreateParvaneWindow(hInstance);
    if (hwndMain == nullptr)
        return 0;
    ShowWindow(hwndMain, nCmdShow);
    UpdateWindow(hwndMain);
    // Without the table no key is translated.
    hAccel = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDR_Accel));
    ShowSplash();
    // Accelerators go to the main window whichever window has the key.
    return RunMessageLoop(hAccel, hwndMain);
}
