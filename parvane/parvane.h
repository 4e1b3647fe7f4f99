// Program-wide data and routines of Parvane, the bitmap viewer: a main window with a start-up
// picture, a timed splash dialog and up to three picture windows, one per bitmap file.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstdint>

#include "resource.h"
#include "viewcalc.h"

// Start-up (startup.cpp).
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

// The slot table: slot 0 holds the start-up picture, slots 1 to MAX_CHILDREN the pictures of
// the picture windows, a picture window's slot being its control id.
extern HBITMAP hBmp[SLOT_COUNT];
extern std::int32_t bmpWidth[SLOT_COUNT];
extern std::int32_t bmpHeight[SLOT_COUNT];
// Which slots an open picture window holds.
extern bool slotTaken[SLOT_COUNT];

// Frame metrics, read once the start-up picture has loaded; 0 until then.
extern std::int32_t cxFrame, cyFrame, cyCaption;

// The window procedure of both window kinds (viewer_wnd.cpp).
LRESULT CALLBACK ViewerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Texts of the commands.
constexpr char HELP_TEXT[] = "Hilfestellung nicht implementiert.";
constexpr char INFO_TEXT[] = "AboutBox\n\rParvane 1.0: Bitmap-Dateien laden und anzeigen";
constexpr char BOX_CAPTION[] = "Parvane";

// Picture windows (picture_wnd.cpp).
extern std::int32_t nChildren;
extern std::int32_t xNextChild, yNextChild;
extern char szFileName[FILE_FIELD_LENGTH];
constexpr char START_FILE_NAME[] = "Zelmark_h.bmp";
// The error code shown when the system loader fails without saying why.
constexpr DWORD LOAD_FAILED_CODE = ERROR_INVALID_DATA;

// The open command: asks for a file, then opens its picture window.
void OpenCommand(HWND hwnd);
// Opens a picture window for the file szFileName names (the part of the command after the
// dialog). Returns the window, or NULL when its file could not be loaded (reported, and
// everything is as before) or no slot is free.
HWND OpenPictureWindow(HWND hwnd);
// The picture window's branches of ViewerWndProc.
LRESULT CreatePictureWindow(HWND hwnd, int slot);
void DestroyPictureWindow(int slot);

// The splash dialog (splash_dlg.cpp).
extern UINT_PTR idSplashTimer;
constexpr UINT SPLASH_MILLISECONDS = 4000;
// The timer service of the splash. Calls go through this pointer so that a test can shorten
// the time or make the timer fail; the program never changes it.
using SetTimerRoutine = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
extern SetTimerRoutine splashSetTimer;
INT_PTR CALLBACK SplashDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// File selection and error report (filesel.cpp).
extern OPENFILENAMEA ofn;
extern char szFile[FILE_FIELD_LENGTH];
extern char szFileTitle[FILE_FIELD_LENGTH];
extern char szFilter[FILE_FIELD_LENGTH];
extern char szDefExt[4];
extern char szErrText[ERR_TEXT_LENGTH];
constexpr char FILE_DIALOG_TITLE[] = "Dateiauswahl";

// Lets the user pick a file, proposing the name held in `name` (nameLength characters,
// blank-padded). Returns -1 when cancelled; n, the chosen path's length, with the path and
// blanks in `name`; -n with as much of the path as fits when it is longer than `name`.
int ShowOpenFileDialog(HWND owner, char* name, std::size_t nameLength);
void InitOpenFileName(HWND owner, const char* title);
// Shows the system's last error code in a box "Fehler"; nothing when that code is 0.
void ShowLastError(HWND owner);
