// The program-wide handles of Lorvex, the formula demo with native windows, set by WinMain;
// with the name fields and the identifiers that every part of the program uses.
#pragma once

#include <windows.h>

#include "namefield.h"
#include "resource.h"

extern HINSTANCE hInst;   // instance of the dialog templates
extern HINSTANCE hModule; // module of the results window class and its icon
extern HWND hwndMain;     // the main window; NULL until it exists
extern HMENU hMenu;       // the menu LORVEX
