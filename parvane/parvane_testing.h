// What only the tests replace of Parvane: where each paint of a window's bitmap gets its
// memory device context (viewerwnd.cpp keeps it), the splash's timer service (splashdlg.cpp)
// and the open dialog of the file selection (filesel.cpp).
#pragma once

#include <windows.h>

#include "seams.h"

// Where each paint gets its memory device context. Calls go through this pointer so that a
// test can see every context made; the program never changes it.
extern CreateDCRoutine paintCreateDC;

// The timer service of the splash. Calls go through this pointer so that a test can shorten
// the time or make the timer fail; the program never changes it.
extern SetTimerRoutine splashSetTimer;

// The open dialog of the file selection: GetOpenFileNameA, or a test's own.
extern FileDialogRoutine selectionDialog;
