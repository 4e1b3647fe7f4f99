// Entry of Umvar: register the class, show the window, run the loop.
#include <windows.h>

#include "msgloop.h"
#include "umvar.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    hInst = hInstance;
    // Start-up failures end the program quietly.
    if (!RegisterUmvarClasses(hInstance))
        return 0;
    HWND hwnd = CreateUmvarWindow(hInstance);
    if (hwnd == nullptr)
        return 0;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);
    return RunMessageLoop();
}
