// What only the tests replace of Lorvex: the help engine of the main window's help commands,
// which mainwnd.cpp keeps, and the line drawing of the results window, which resultswnd.cpp
// keeps.
#pragma once

#include <windows.h>

#include "seams.h"

// The help engine. Calls go through this pointer so that a test can watch them and make
// the engine refuse a request; the program never changes it.
extern WinHelpRoutine helpEngine;

// Draws each line of the results window (TextOutA). Calls go through this pointer so that a
// test can see every line the window paints; the program never changes it.
extern LineDrawRoutine lineDrawer;
