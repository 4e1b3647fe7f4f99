// The allocator a program calls for a buffer it needs while it runs: LocalAlloc, which a test
// replaces to see the program end when the buffer cannot be had.
#pragma once

#include <windows.h>

using LocalAllocRoutine = HLOCAL(WINAPI*)(UINT, SIZE_T);
