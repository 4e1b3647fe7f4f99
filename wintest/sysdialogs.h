// The system's own dialogs as a test meets them: message boxes (what they show, closing
// them, the run-time report of an allocation that failed) and the common file dialogs
// (waiting for their name field, choosing a file as a user types it, a dialog that fails).
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "modalscript.h"

// The text of a message box: its static control that holds text.
std::string MessageBoxText(HWND box);

// What a message box shows.
struct BoxSeen {
    bool shown = false;
    std::string caption, text;
    HWND owner = nullptr;
    bool topmost = false;
    bool handIcon = false;
    bool exclamationIcon = false;
    bool infoIcon = false;
};

// Reads a message box, saves it as shotName unless NULL, and closes it with OK.
BoxSeen ReadAndCloseBox(HWND box, const char* shotName = nullptr);
// A modal step that reads the message box titled `caption` into *seen and closes it.
ModalStep BoxStep(const char* caption, BoxSeen* seen, const char* shotName = nullptr);

// An allocator (LocalAlloc's signature) that has nothing left to give.
HLOCAL WINAPI NoMemoryAlloc(UINT flags, SIZE_T bytes);

// For the child of a death test that makes an allocation fail: once the thread's message box
// opens, checks that it is the report "severe (41): insufficient virtual memory" with the
// given caption, no owner and an OK button, saves it as shotName, writes
// "no-memory box checked" on stderr for the parent's match and closes it. A wrong box ends
// the child with exit code 99, no box within about 10 s with 98.
void WatchForNoMemoryBox(const char* caption, const char* shotName);

// The common file dialogs (explorer style): the file name control, a combo box (cmb13) or
// an edit (edt1).
HWND FileDialogNameControl(HWND dlg);
// The dialog titled `title`, once it shows its initial file name (it fills the control
// after it appears).
std::function<HWND()> ReadyFileDialog(const char* title);
// Types the path into the file name control, then presses OK once the control shows it.
// *dialog, when given, receives the dialog.
std::vector<ModalStep> ChooseFileSteps(const char* title, const std::string& path,
                                       HWND* dialog = nullptr);

// The real open and save dialogs (GetOpenFileNameA's signature) on a copy of the record whose
// size is 0: they fail at once with CDERR_STRUCTSIZE and open no window, as a dialog that
// cannot start does.
BOOL WINAPI OpenDialogWithoutSize(OPENFILENAMEA* record);
BOOL WINAPI SaveDialogWithoutSize(OPENFILENAMEA* record);
