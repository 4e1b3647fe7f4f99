// What all of Parvane, the bitmap viewer, shares: the handles WinMain keeps, the window class
// record that serves both window kinds, the class names and the title, and the start-up
// routines.
#pragma once

#include <windows.h>

#include "resource.h"

extern HINSTANCE hInst; // the instance WinMain receives
extern HMENU hMenu;     // PARVANEMENU
extern HWND hwndMain;   // the main window
extern HACCEL hAccel;   // the accelerator table IDR_Accel
// One record, filled once and registered for both window kinds.
extern WNDCLASSA wc;

constexpr char MAIN_CLASS[] = "Parvane";
constexpr char PICTURE_CLASS[] = "ParvaneChildWnd";
constexpr char MAIN_TITLE[] = "Parvane - Laden und Anzeigen einer Bitmap Datei";

// The two window classes share one record: RegisterParvaneClass fills wc for the instance and
// registers it for the main window; RegisterPictureClass registers it again with only the
// class name changed, once the main window shows. Each returns false when it fails.
bool RegisterParvaneClass(HINSTANCE hInstance);
bool RegisterPictureClass();
// Loads the menu and creates the (hidden) main window; its start-up picture loads meanwhile.
HWND CreateParvaneWindow(HINSTANCE hInstance);
