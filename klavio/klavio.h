// Klavio: a window that lists every keyboard message it receives, one decoded line each.
// The window's program-wide data, which only keyeventwnd.cpp and the tests use, is in
// klavio_testing.h.
#pragma once

#include <windows.h>

LRESULT CALLBACK KeyEventWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the window class Klavio; false when the system refuses it.
bool RegisterKlavioClasses(HINSTANCE hInstance);
// Creates the (hidden) main window; NULL on failure.
HWND CreateKlavioWindow(HINSTANCE hInstance);
