// What WinMain keeps for the whole of Parvane, the bitmap viewer: its handles, the window
// class record that serves both window kinds, and the start-up steps.
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

// Fills wc for the instance, with the main window's class name.
void FillViewerClass(HINSTANCE hInstance);
// Registers wc under className; false when that fails.
bool RegisterViewerClass(const char* className);
// Loads the menu and creates the main window (its start-up picture loads meanwhile).
HWND CreateMainWindow(HINSTANCE hInstance);
// Shows the splash dialog over the main window until it ends itself.
void ShowSplash();
