// Start-up check of a real program: startcheck EXE CLASS SHOTNAME
// Starts EXE, waits for its main window of class CLASS, saves a screenshot, closes the
// window as a user would (WM_CLOSE, once the window takes input) and succeeds only when the
// program exits with code 0.
#include "modalscript.h"
#include "screencap.h"
#include "startprog.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: startcheck EXE CLASS SHOTNAME\n");
        return 2;
    }
    std::string exe = argv[1];
    StartedProgram p = StartProgramUnderTest(exe, argv[2]);
    if (!p.pi.hProcess) {
        fprintf(stderr, "could not start %s (error %lu)\n", exe.c_str(), GetLastError());
        return 1;
    }
    if (!p.hwnd) {
        fprintf(stderr, "no window of class %s appeared\n", argv[2]);
        WaitForExit(p, 0);
        return 1;
    }
    PumpFor(1000);
    // A window under a modal dialog (a splash) takes no close from the user until it ends.
    PumpUntil([&] { return IsWindowEnabled(p.hwnd) != FALSE; }, 10000);
    std::string title = WindowText(p.hwnd);
    std::string shot = SaveWindowPng(p.hwnd, argv[3]);
    printf("window \"%s\" of class %s; screenshot %s\n", title.c_str(), argv[2], shot.c_str());
    PostMessageA(p.hwnd, WM_CLOSE, 0, 0);
    int code = WaitForExit(p);
    printf("exit code %d\n", code);
    return code == 0 ? 0 : 1;
}
