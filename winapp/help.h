// The Help menu of a native program: the contents, search and help-on-help requests to the
// help engine for the help file named after the program, and the box that reports a request
// the engine refused, which a framework's own help command shows too.
//
// Each request is made on behalf of `window`, the program's main window, through `engine`
// (the program's own pointer, so that a test can watch the requests and refuse them). When
// the engine returns FALSE, the box "Unable to activate help" appears, captioned `program`
// (MB_SYSTEMMODAL | MB_ICONHAND); the program goes on when it is closed.
#pragma once

#include <windows.h>

#include "namefield.h"
#include "seams.h"

// The help file name and keyword of the contents request.
extern NameField helpFileName;
extern NameField helpKeyword;

// "\<program>.hlp", HELP_KEY, the keyword "CONTENTS"; the failure box belongs to window.
void RequestHelpContents(WinHelpRoutine engine, HWND window, const char* program);

// "<program>.hlp", HELP_PARTIALKEY, an empty keyword; the failure box belongs to window.
void RequestHelpSearch(WinHelpRoutine engine, HWND window, const char* program);

// An empty file name, HELP_HELPONHELP; the failure box belongs to the window with the
// keyboard focus, which may be none.
void RequestHelpOnHelp(WinHelpRoutine engine, HWND window, const char* program);

// The failure box of a request that the engine refused, for a program whose help requests
// are its own: owned by owner (which may be none), while window, the program's main window,
// takes no input and no close request.
void ReportHelpFailure(HWND owner, HWND window, const char* program);
