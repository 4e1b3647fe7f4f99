#include "wndsearch.h"

#include <cstring>

#include "modalscript.h"

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp) {
    WindowSearch* d = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if ((d->pid != 0 && pid != d->pid) || !IsWindowVisible(hwnd))
        return TRUE;
    char cls[256] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, d->cls) != 0)
        return TRUE;
    if (d->title && WindowText(hwnd) != d->title)
        return TRUE;
    // Windows enumerates top-level windows in Z order, topmost first: the first visible
    // match is the one the user would see in front.
    d->found = hwnd;
    return FALSE;
}
