// The main window of Lorvex: its class, the menu and accelerators it is given, its creation,
// and MainWndProc with the commands of its menu.
#pragma once

#include <windows.h>

#include "lorvex.h"

// Names that start-up hands to the platform.
extern NameField mainClassName;
extern NameField mainTitle;
extern NameField iconName;
extern NameField menuName;
extern NameField accelName;

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up steps of WinMain; each returns false (or NULL) on failure.
// Registers the class of the main window; the results window registers its own when it
// first opens.
bool RegisterLorvexClasses(HINSTANCE hInstance);
// Loads hMenu and the accelerator table.
bool LoadMenuAndAccelerators(HINSTANCE hInstance, HACCEL& hAccel);
HWND CreateMainWindow(HINSTANCE hInstance);
