// The splash dialog that stands over the main window for four seconds after start.
#pragma once

#include <windows.h>

#include "seams.h"

extern UINT_PTR idSplashTimer;
constexpr UINT SPLASH_MILLISECONDS = 4000;
// The timer service of the splash. Calls go through this pointer so that a test can shorten
// the time or make the timer fail; the program never changes it.
extern SetTimerRoutine splashSetTimer;
INT_PTR CALLBACK SplashDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
