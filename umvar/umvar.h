// Umvar: a window that lists the names of the process's environment variables and shows the
// value of the selected one.
#pragma once

#include <windows.h>

#include "seams.h"

// The two controls of the main window.
#define IDC_NAME_LIST 1
#define IDC_VALUE_LINE 2

extern HINSTANCE hInst;
extern HWND hwndNameList;
extern HWND hwndValueLine;

// The allocator of the value buffer; LocalAlloc, which a test replaces to see the program
// end when the buffer cannot be had.
extern LocalAllocRoutine valueAllocate;

LRESULT CALLBACK EnvWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Adds the name of every listed variable of the process environment to the list box.
void ListEnvNames(HWND list);

// Registers the window class Umvar; false when the system refuses it.
bool RegisterUmvarClasses(HINSTANCE hInstance);
// Creates the (hidden) main window; NULL on failure.
HWND CreateUmvarWindow(HINSTANCE hInstance);
