#include "helpengine.h"

std::vector<HelpCall> helpCalls;
BOOL helpAnswer = TRUE;

BOOL WINAPI FakeWinHelp(HWND hwnd, LPCSTR file, UINT command, ULONG_PTR data) {
    // Help on help carries no keyword: whatever data comes with it is not read as a text.
    std::string text = "(none)";
    if (data != 0)
        text = command == HELP_HELPONHELP ? "?" : reinterpret_cast<const char*>(data);
    helpCalls.push_back({hwnd, file, file, command, text});
    return helpAnswer;
}

MainRun RunMainPressingF1(HelpEngineRoutine& engine, const std::function<int()>& winMain,
                          const std::function<HWND()>& mainWindow,
                          const std::function<HWND(HWND)>& whileShown) {
    engine = FakeWinHelp;
    helpAnswer = TRUE;
    helpCalls.clear();
    const MainRun run = RunMainUntilClosed(
        winMain, mainWindow,
        [&](HWND window) { PostMessageA(whileShown(window), WM_KEYDOWN, VK_F1, 1); },
        [] { return !helpCalls.empty(); });
    engine = WinHelpA;
    return run;
}
