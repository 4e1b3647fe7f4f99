// The splash dialog that stands over the main window for four seconds after start.
#pragma once

#include <windows.h>


extern UINT_PTR idSplashTimer;
INT_PTR CALLBACK SplashDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the splash dialog over the main window until it ends itself; a template that cannot
// be loaded skips it.
void ShowSplash();
