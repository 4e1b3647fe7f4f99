// Umvar: a window that lists the names of the process's environment variables and shows the
// value of the selected one. The window's controls and the allocator of the value, which only
// envwnd.cpp and the tests use, are in umvar_testing.h.
#pragma once

#include <windows.h>

// The two controls of the main window.
#define IDC_NAME_LIST 1
#define IDC_VALUE_LINE 2

extern HINSTANCE hInst;

LRESULT CALLBACK EnvWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Adds the name of every listed variable of the process environment to the list box.
void ListEnvNames(HWND list);

// Registers the window class Umvar; false when the system refuses it.
bool RegisterUmvarClasses(HINSTANCE hInstance);
// Creates the (hidden) main window; NULL on failure.
HWND CreateUmvarWindow(HINSTANCE hInstance);
