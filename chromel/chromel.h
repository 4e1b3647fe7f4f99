// Chromel, the colour mixer: what its window and its bars share. The rest of the window's
// program-wide data, which only mixerwnd.cpp and the tests use, is in chromel_testing.h.
#pragma once

#include <windows.h>

// Control ids. A bar's id is its colour index (0 red, 1 green, 2 blue); a caption or value
// text has the colour index id modulo 3.
#define IDC_BAR 0
#define IDC_CAPTION 3
#define IDC_LEVEL 6
#define IDC_PANEL 9

extern const char CHROMEL_CLASS[];

// The bars' own procedures, which ScrollBarWndProc hands every message on to, and the bar
// that had the focus last, to which the main window hands the focus back.
extern WNDPROC pfnOrigBarProc[3];
extern int iFocusBar;

LRESULT CALLBACK MixerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class "Chromel" with the black start brush; false when that fails.
bool RegisterChromelClasses(HINSTANCE hInstance);

// Creates the (hidden) main window; NULL when that fails.
HWND CreateChromelWindow(HINSTANCE hInstance);
