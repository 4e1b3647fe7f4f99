// What only the tests replace of Lorvex: the help engine of the main window's help commands,
// which mainwnd.cpp keeps.
#pragma once

#include <windows.h>

#include "seams.h"

// The help engine. Calls go through this pointer so that a test can watch them and make
// the engine refuse a request; the program never changes it.
extern WinHelpRoutine helpEngine;
