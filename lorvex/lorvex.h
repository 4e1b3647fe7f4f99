// Program-wide data and routines of Lorvex, the formula demo with native windows.
#pragma once

#include <windows.h>

#include "resource.h"

// Length of the fixed text fields that hold the names handed to the platform at run time:
// the text, a NUL, blanks to the end of the field.
constexpr int NAME_FIELD_LENGTH = 100;
using NameField = char[NAME_FIELD_LENGTH];

// Writes text into a name field: the text, a NUL, blanks to the end of the field.
void SetNameField(NameField& field, const char* text);

// Handles set by WinMain.
extern HINSTANCE hInst;   // instance of the dialog templates
extern HINSTANCE hModule; // module of the results window class and its icon
extern HWND hwndMain;     // the main window; NULL until it exists
extern HMENU hMenu;       // the menu LORVEX

extern WNDCLASSA wcMain; // the record of the main window class
extern MSG msg;          // the record of the message loop

// Names that start-up hands to the platform.
extern NameField mainClassName;
extern NameField mainTitle;
extern NameField iconName;
extern NameField menuName;
extern NameField accelName;

// The help engine. Calls go through this pointer so that a test can watch them and make
// the engine refuse a request; the program never changes it.
using WinHelpRoutine = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);
extern WinHelpRoutine helpEngine;

// The results window; NO_WINDOW while there is none.
extern HWND hwndResults;
inline HWND const NO_WINDOW = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up steps of WinMain. Each returns false (or NULL) on failure.
bool RegisterMainClass(HINSTANCE hInstance);
HWND CreateMainWindow(HINSTANCE hInstance);
// The box that ends a failed start-up.
void ReportStartupFailure();

// The message loop of WinMain, translating the accelerators of hAccel for the window each
// message is addressed to. Returns the code of the quit message.
int RunMessageLoop(HACCEL hAccel);
