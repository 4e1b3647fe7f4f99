// The splash dialog that stands over the main window for four seconds after start.
#pragma once

#include <windows.h>

#include "seams.h"

extern UINT_PTR idSplashTimer;
// The timer service of the splash. Calls go through this pointer so that a test can shorten
// the time or make the timer fail; the program never changes it.
extern SetTimerRoutine splashSetTimer;
INT_PTR CALLBACK SplashDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the splash dialog over the main window until it ends itself; a template that cannot
// be loaded skips it.
void ShowSplash();
