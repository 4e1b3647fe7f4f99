// A help engine for the tests, put in place of WinHelpA through a program's routine pointer:
// it records every request and answers with helpAnswer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "startprog.h"

// A help request as the engine received it.
struct HelpCall {
    HWND hwnd;
    std::string file;
    const char* fileAddress; // where the file name stood: a program-wide field outlives the call
    UINT command;
    std::string data; // the keyword; "(none)" without data, "?" for data beside help on help
};

extern std::vector<HelpCall> helpCalls;
extern BOOL helpAnswer; // TRUE at start

BOOL WINAPI FakeWinHelp(HWND hwnd, LPCSTR file, UINT command, ULONG_PTR data);

// A program's pointer to its help engine (WinHelpA, or FakeWinHelp in a test).
using HelpEngineRoutine = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);

// WinMain run until its window closes (RunMainUntilClosed) with FakeWinHelp, accepting, in
// `engine` meanwhile: once the window shows, whileShown(window) checks it and names the window
// that gets F1 (a key down, posted); when a help request has arrived, the window is closed.
// helpCalls then holds the requests, and engine is WinHelpA again.
MainRun RunMainPressingF1(HelpEngineRoutine& engine, const std::function<int()>& winMain,
                          const std::function<HWND()>& mainWindow,
                          const std::function<HWND(HWND)>& whileShown);
