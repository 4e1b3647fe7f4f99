// Started programs: a real executable started as a user starts it, its main window found by
// class and title, its exit awaited; a program's WinMain run in this process until its main
// window closes; the paths it sees under Wine, and the memory of this process for the
// benchmarks.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A path as the program sees it: a Unix path (as ctest and cmake hand them over) on Wine's
// drive Z:, any other unchanged.
std::string WinePath(const std::string& path);

// A visible top-level window of the process with the class className (and the title,
// unless title is NULL); NULL when there is none.
HWND FindProcessWindow(DWORD pid, const char* className, const char* title = nullptr);

// A started program: its process and its main window.
struct StartedProgram {
    PROCESS_INFORMATION pi{};
    HWND hwnd = nullptr;
};

// Starts exePath (environment block env, or the caller's when NULL) and waits up to
// timeoutMs for a visible top-level window of that process with the class className
// (and the title, unless title is NULL). hwnd stays NULL when none appeared.
StartedProgram StartProgram(const std::string& exePath, const char* className,
                            const char* title = nullptr, DWORD timeoutMs = 15000,
                            const char* env = nullptr);

// StartProgram for the program under test: exe is a bare file name in the folder of the test
// executable, where the build puts the programs, or a full (Unix or Windows) path.
StartedProgram StartProgramUnderTest(const std::string& exe, const char* className,
                                     const char* title = nullptr, DWORD timeoutMs = 15000,
                                     const char* env = nullptr);

// Waits for the process to end; returns its exit code, or -1 after a time-out (the process
// is then terminated). Closes the handles.
int WaitForExit(StartedProgram& p, DWORD timeoutMs = 10000);

// What WinMain did, called in this process as the process start-up calls it.
struct MainRun {
    bool ran = false;     // the steps all ran and WinMain returned in time (RunModal's result)
    HWND shown = nullptr; // its main window while it ran
    int code = -1;        // what WinMain returned
};

// Calls winMain() (which calls WinMain) and, once mainWindow() returns a visible window,
// whileShown(window): it checks what the window shows and posts the input the test makes.
// Once handled() holds, the window is closed as a user closes it (WM_CLOSE), which should end
// WinMain.
MainRun RunMainUntilClosed(const std::function<int()>& winMain,
                           const std::function<HWND()>& mainWindow,
                           const std::function<void(HWND)>& whileShown,
                           const std::function<bool()>& handled);

// The process's working set and committed bytes, for the benchmarks.
struct ProcessMemory {
    SIZE_T workingSet, committed;
};
ProcessMemory CurrentMemory();
