#include "keyinput.h"

#include <vector>

#include "modalscript.h"

void TypeKey(WORD vk, bool alt, bool shift, bool ctrl) {
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.wScan = static_cast<WORD>(MapVirtualKeyA(k, 0));
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (ctrl)
        key(VK_CONTROL, false);
    if (shift)
        key(VK_SHIFT, false);
    if (alt)
        key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (alt)
        key(VK_MENU, true);
    if (shift)
        key(VK_SHIFT, true);
    if (ctrl)
        key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

bool ActivateWindow(HWND hwnd) {
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    SetFocus(hwnd);
    return PumpUntil([hwnd] { return GetForegroundWindow() == hwnd; }, 2000);
}
