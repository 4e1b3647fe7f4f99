// What only the tests read or replace of Umvar: the main window's two controls and the
// allocator of the value buffer, which envwnd.cpp keeps.
#pragma once

#include <windows.h>

#include "seams.h"
#include "umvar.h"

extern HWND hwndNameList;
extern HWND hwndValueLine;

// The allocator of the value buffer; LocalAlloc, which a test replaces to see the program
// end when the buffer cannot be had.
extern LocalAllocRoutine valueAllocate;
