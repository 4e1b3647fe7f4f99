// Chromel, the colour mixer: program-wide data and the routines of its window and bars.
#pragma once

#include <windows.h>

#include "mixcalc.h"

// Control ids. A bar's id is its colour index (0 red, 1 green, 2 blue); a caption or value
// text has the colour index id modulo 3.
const int IDC_BAR = 0;
const int IDC_CAPTION = 3;
const int IDC_LEVEL = 6;
const int IDC_PANEL = 9;

extern const char CHROMEL_CLASS[];
extern const char CHROMEL_TITLE[];
extern const char COLOR_CAPTIONS[3][5];

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
extern char szLevel[LEVEL_TEXT_SIZE];

LRESULT CALLBACK MixerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class "Chromel" with the black start brush; 0 when that fails.
ATOM RegisterMixerClass(HINSTANCE hInstance);

// Creates the (hidden) main window; NULL when that fails.
HWND CreateMixerWindow(HINSTANCE hInstance);
