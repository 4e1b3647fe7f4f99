// Close requests and commands that arrive while a modal dialog runs.
#pragma once

#include <windows.h>

// Whether a close request to a program's main window must be refused now: one of the
// program's modal dialogs or message boxes is open (each disables the window it belongs to,
// an ownerless task-modal box all of the thread's windows, and a help failure box that
// belongs to another window or to none disables the main window by hand). Destroying the
// window under a running dialog pulls its owner away and crashes the dialog's code; a
// taskbar, window manager or session end can ask for it, a mouse cannot.
inline bool CloseMustWait(HWND window) {
    return !IsWindowEnabled(window);
}

// Whether a command to `window` must be dropped now, for the same reason: a command still
// arrives under a running dialog when another program posts it, and carried out it would open
// a second dialog or box over the first, or read or change the data the first one works on.
// Beeps when it drops the command; the user answers the open dialog, and the program goes on.
inline bool CommandMustWait(HWND window) {
    if (!CloseMustWait(window))
        return false;
    MessageBeep(MB_OK);
    return true;
}
