// The error box that reports the system's last error code.
#pragma once

#include <windows.h>

#include "errortexts.h"

extern char szErrText[ERR_TEXT_LENGTH];

// Shows the system's last error code in a box "Fehler"; nothing when that code is 0.
void ShowLastError(HWND owner);
