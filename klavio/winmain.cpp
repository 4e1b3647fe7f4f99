// Entry of Klavio: register the class, show the window, run the loop.
#include <windows.h>

#include "klavio.h"
#include "msgloop.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    // Start-up failures end the program quietly.
    if (!RegisterKlavioClasses(hInstance))
        return 0;
    HWND hwnd = CreateKlavioWindow(hInstance);
    if (hwnd == nullptr)
        return 0;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);
    return RunMessageLoop();
}
