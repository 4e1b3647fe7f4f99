// What only the tests read or set of Chromel: the program-wide data of the main window that
// mixerwnd.cpp keeps, each array indexed by colour (0 red, 1 green, 2 blue).
#pragma once

#include <windows.h>

#include "chromel.h"

extern HWND hwndPanel;
extern HWND hwndBar[3];
extern HWND hwndCaption[3];
extern HWND hwndLevel[3];
extern COLORREF crBase[3];
extern HBRUSH hbrBar[3];
extern HBRUSH hbrCaption; // background of the captions and value texts
extern int nLevel[3];
extern int cyText; // the vertical dialog base unit
extern RECT rcMix; // the colour field
