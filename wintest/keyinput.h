// The keyboard as a user drives it: keys typed through the system's input queue into the
// foreground window.
#pragma once

#include <windows.h>

// Presses and releases a key as a user would: the messages go through the thread's queue.
// Uses SendInput, so the target must be the foreground window with the focus.
void TypeKey(WORD vk, bool alt = false, bool shift = false, bool ctrl = false);

// Brings a top-level window to the front and gives it the focus; pumps until it is active.
bool ActivateWindow(HWND hwnd);
