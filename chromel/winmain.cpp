// Start-up of Chromel: the class, the main window and the message loop.
#include <windows.h>

#include "chromel.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    if (RegisterMixerClass(hInstance) == 0)
        return 0;
    HWND hwnd = CreateMixerWindow(hInstance);
    if (hwnd == nullptr)
        return 0;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);

    MSG msg{};
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        // -1 leaves msg undefined; there is nothing to dispatch, but the loop goes on.
        if (got == -1)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
