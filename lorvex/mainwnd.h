// The main window of Lorvex: its class, its creation, the start-up failure box and the
// help requests of its menu.
#pragma once

#include <windows.h>

#include "seams.h"

#include "lorvex.h"

extern WNDCLASSA wcMain; // the record of the main window class
extern MSG msg;          // the record of the message loop

// Names that start-up hands to the platform.
extern NameField mainClassName;
extern NameField mainTitle;
extern NameField iconName;
extern NameField menuName;
extern NameField accelName;

// Names of the dialog commands.
extern NameField formelDialogName;
extern NameField aboutDialogName;

// The contents request and the help failure box.
extern NameField helpFileName;
extern NameField helpKeyword;
extern NameField helpFailureText;
extern NameField helpFailureCaption;

// The help engine. Calls go through this pointer so that a test can watch them and make
// the engine refuse a request; the program never changes it.
extern WinHelpRoutine helpEngine;
// Help failure boxes open now. The help-on-help box belongs to the window with the focus,
// which may be none: then it disables no window, and a close request must still wait for it.
extern int helpBoxesOpen;

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up steps of WinMain. Each returns false (or NULL) on failure.
bool RegisterMainClass(HINSTANCE hInstance);
HWND CreateMainWindow(HINSTANCE hInstance);
// The box that ends a failed start-up.
void ReportStartupFailure();
// What WinMain does: registers the class (unless hPrevInstance is set), loads menu and
// accelerators, creates and shows the main window and runs the message loop. Returns the
// quit message's code, or 0 after the start-up failure box.
int RunLorvex(HINSTANCE hInstance, HINSTANCE hPrevInstance, int nCmdShow);
