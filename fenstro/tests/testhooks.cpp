#include "testhooks.h"

#include <commctrl.h>

#include <atomic>

std::function<bool()> initHook;
std::function<void()> mainHook;

namespace {
std::atomic<bool> programDone{true};
}

bool INITIALSETTINGS() {
    return initHook ? initHook() : true;
}

void MainProgram() {
    if (mainHook)
        mainHook();
    programDone = true;
}

bool FenstroTest::Start(int show) {
    programDone = false;
    if (!FenstroStart(GetModuleHandleA(nullptr), show)) {
        programDone = true;
        return false;
    }
    FenstroStartProgram();
    return true;
}

bool FenstroTest::WaitForProgram(DWORD timeoutMs) {
    return PumpUntil([] { return programDone.load(); }, timeoutMs);
}

void FenstroTest::TearDown() {
    WaitForProgram(5000);
    HWND frame = FenstroFrame();
    if (frame && IsWindow(frame))
        DestroyWindow(frame);
    PumpFor(50); // takes the quit message and what is left on the queue
    FenstroReset();
    initHook = nullptr;
    mainHook = nullptr;
    WriteProfileStringA(PROGRAM_NAME, nullptr, nullptr);
}

std::string MenuText(HMENU menu, UINT pos) {
    char text[128] = "";
    GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
    return text;
}

std::string StatusText() {
    char text[256] = "";
    SendMessageA(FenstroStatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}
