// The message loop of the programs' WinMain.
#pragma once

#include <windows.h>

// Gets messages until the quit message and returns its wParam. An error result of GetMessageA
// (-1) skips to the next message. With `accel`, its keys are translated for `accelWindow`, or
// for the window each message is addressed to when accelWindow is NULL; with `mdiClient`,
// TranslateMDISysAccel is offered every message as well. A message is translated into
// characters and dispatched only when no translation took it.
int RunMessageLoop(HACCEL accel = nullptr, HWND accelWindow = nullptr, HWND mdiClient = nullptr);

// The same loop on a record that the program keeps.
int RunMessageLoop(MSG& record, HACCEL accel = nullptr, HWND accelWindow = nullptr,
                   HWND mdiClient = nullptr);
