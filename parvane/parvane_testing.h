// What only the tests replace of Parvane's painting: where each paint of a window's bitmap
// gets its memory device context, which viewerwnd.cpp keeps.
#pragma once

#include <windows.h>

#include "seams.h"

// Where each paint gets its memory device context. Calls go through this pointer so that a
// test can see every context made; the program never changes it.
extern CreateDCRoutine paintCreateDC;
