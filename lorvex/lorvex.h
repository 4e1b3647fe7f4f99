// What WinMain keeps for the whole of Lorvex, the formula demo with native windows: its
// handles and the fixed text fields that hold the names handed to the platform.
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
