// Umvar: a window that lists the names of the process's environment variables and shows the
// value of the selected one.
#pragma once

#include <windows.h>

#include "seams.h"
#include "envblock.h"
#include "msgloop.h"

enum { IDC_NAME_LIST = 1, IDC_VALUE_LINE = 2 };

extern HINSTANCE hInst;
extern HWND hwndNameList;
extern HWND hwndValueLine;
extern char szEnvName[ENV_NAME_MAX + 1];
extern char szPickedName[ENV_NAME_MAX + 1];

// The allocator of the value buffer; LocalAlloc, which a test replaces to see the program
// end when the buffer cannot be had.
extern LocalAllocRoutine valueAllocate;

extern const char UMVAR_CLASS[];
extern const char UMVAR_TITLE[];

LRESULT CALLBACK EnvWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Adds the name of every listed variable of the process environment to the list box.
void ListEnvNames(HWND list);

// Registers the window class Umvar for hInst; false when the system refuses it.
bool RegisterUmvarClass();
// Creates the (hidden) main window; NULL on failure.
HWND CreateUmvarWindow();
