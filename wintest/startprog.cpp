#include "startprog.h"

#include <psapi.h>

#include "modalscript.h"
#include "wndsearch.h"

std::string WinePath(const std::string& path) {
    // Wine shows the Unix root as drive Z:.
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

HWND FindProcessWindow(DWORD pid, const char* className, const char* title) {
    WindowSearch d{pid, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

StartedProgram StartProgram(const std::string& exePath, const char* className, const char* title,
                            DWORD timeoutMs, const char* env) {
    StartedProgram p;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + exePath + "\"";
    std::string dir = exePath.substr(0, exePath.find_last_of("\\/") + 1);
    if (!CreateProcessA(exePath.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0,
                        const_cast<char*>(env), dir.empty() ? nullptr : dir.c_str(), &si, &p.pi))
        return p;
    PumpUntil(
        [&] {
            p.hwnd = FindProcessWindow(p.pi.dwProcessId, className, title);
            return p.hwnd != nullptr || WaitForSingleObject(p.pi.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return p;
}

StartedProgram StartProgramUnderTest(const std::string& exe, const char* className,
                                     const char* title, DWORD timeoutMs, const char* env) {
    std::string path = WinePath(exe);
    if (path.find_first_of("\\/") == std::string::npos) {
        // A bare name: the program is built into the folder of the test executable.
        char self[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string dir = self;
        path = dir.substr(0, dir.find_last_of("\\/") + 1) + path;
    }
    return StartProgram(path, className, title, timeoutMs, env);
}

int WaitForExit(StartedProgram& p, DWORD timeoutMs) {
    if (!p.pi.hProcess)
        return -1;
    int code = -1;
    bool ended = PumpUntil([&] { return WaitForSingleObject(p.pi.hProcess, 0) == WAIT_OBJECT_0; },
                           timeoutMs);
    if (ended) {
        DWORD c = 0;
        GetExitCodeProcess(p.pi.hProcess, &c);
        code = static_cast<int>(c);
    } else {
        TerminateProcess(p.pi.hProcess, 1);
    }
    CloseHandle(p.pi.hThread);
    CloseHandle(p.pi.hProcess);
    p.pi = PROCESS_INFORMATION{};
    return code;
}

MainRun RunMainUntilClosed(const std::function<int()>& winMain,
                           const std::function<HWND()>& mainWindow,
                           const std::function<void(HWND)>& whileShown,
                           const std::function<bool()>& handled) {
    MainRun run;
    run.ran = RunModal([&] { run.code = winMain(); },
                       {{[&]() -> HWND {
                             HWND w = mainWindow();
                             return w != nullptr && IsWindowVisible(w) ? w : nullptr;
                         },
                         [&](HWND w) {
                             run.shown = w;
                             whileShown(w);
                         }},
                        {[&]() -> HWND { return handled() ? run.shown : nullptr; },
                         [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }}});
    return run;
}

ProcessMemory CurrentMemory() {
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return {c.WorkingSetSize, c.PagefileUsage};
}
