// What only the tests read or replace of Klavio: the program-wide data of the event log and
// the client area, which keyeventwnd.cpp keeps, and the allocator of the log.
#pragma once

#include <windows.h>

#include "klavio.h"
#include "seams.h"

// The event log: entry 0 is the newest message, entry nLogCount - 1 the oldest one held.
extern MSG* eventLog;
extern int nLogMax;   // capacity: rows of the fixed font in a maximised window
extern int nLogCount; // entries held, 0 .. nLogMax
extern int cyLine;    // height of one table row
extern TEXTMETRICA tmFixed;
extern int cxWnd, cyWnd; // client size from the last WM_SIZE
extern RECT rcLogArea;   // the whole rows below the header, which scroll

// The allocator of the event log block; LocalAlloc, which a test replaces to see the
// program end when the block cannot be had.
extern LocalAllocRoutine logAllocate;
