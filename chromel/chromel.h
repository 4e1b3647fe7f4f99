// Chromel, the colour mixer: program-wide data and the routines of its window and bars.
#pragma once

#include <windows.h>

// Control ids. A bar's id is its colour index (0 red, 1 green, 2 blue); a caption or value
// text has the colour index id modulo 3.
#define IDC_BAR 0
#define IDC_CAPTION 3
#define IDC_LEVEL 6
#define IDC_PANEL 9

extern const char CHROMEL_CLASS[];

extern HWND hwndPanel;
extern HWND hwndBar[3];
extern HWND hwndCaption[3];
extern HWND hwndLevel[3];
extern COLORREF crBase[3];
extern HBRUSH hbrBar[3];
extern HBRUSH hbrCaption;
extern int nLevel[3];
extern WNDPROC pfnOrigBarProc[3];
extern int iFocusBar;
extern int cyText;
extern RECT rcMix;

LRESULT CALLBACK MixerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class "Chromel" with the black start brush; false when that fails.
bool RegisterChromelClasses(HINSTANCE hInstance);

// Creates the (hidden) main window; NULL when that fails.
HWND CreateChromelWindow(HINSTANCE hInstance);
