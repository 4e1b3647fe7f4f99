// Entry of Parvane: the main window with its start-up picture, the picture windows' class,
// the splash dialog, then the message loop.
#include "msgloop.h"
#include "parvane.h"
#include "splashdlg.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    hInst = hInstance;
    // Start-up failures end the program quietly.
    if (!RegisterParvaneClass(hInstance))
        return 0;
    hwndMain = CreateParvaneWindow(hInstance);
    if (hwndMain == nullptr)
        return 0;
    ShowWindow(hwndMain, nCmdShow);
    UpdateWindow(hwndMain);
    if (!RegisterPictureClass())
        return 0;
    // Without the table no key is translated.
    hAccel = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDR_Accel));
    ShowSplash();
    // Accelerators go to the main window whichever window has the key.
    return RunMessageLoop(hAccel, hwndMain);
}
