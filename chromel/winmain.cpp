// Start-up of Chromel: the class, the main window and the message loop.
#include <windows.h>

#include "chromel.h"
#include "msgloop.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    if (RegisterMixerClass(hInstance) == 0)
        return 0;
    HWND hwnd = CreateMixerWindow(hInstance);
    if (hwnd == nullptr)
        return 0;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);
    return RunMessageLoop();
}
