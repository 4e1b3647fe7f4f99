// Inside wintest: the search among top-level windows that finding a dialog of this thread
// and the window of a started program share.
#pragma once

#include <windows.h>

// What a search looks for: a visible window of the class (and the title, unless NULL), of
// the process when pid is not 0. found receives the first match.
struct WindowSearch {
    DWORD pid;
    const char* cls;
    const char* title;
    HWND found;
};

// An EnumWindows / EnumThreadWindows callback; lp is a WindowSearch*.
BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp);
