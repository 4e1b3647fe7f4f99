// What only the tests replace of LorvexMDI: the help engine of the frame's help commands,
// which framewnd.cpp keeps, and the lock of the INFO records, which lorvexmdi.cpp keeps.
#pragma once

#include <windows.h>

#include "seams.h"

// The help engine. Calls go through this pointer so that a test can watch them and make
// the engine refuse a request; the program never changes it.
extern WinHelpRoutine helpEngine;

// Locks an INFO record (LocalLock). Calls go through this pointer so that a test can make it
// fail; the program never changes it.
extern LocalLockRoutine infoLock;
