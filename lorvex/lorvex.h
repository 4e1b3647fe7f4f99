// Program-wide data and routines of Lorvex, the formula demo with native windows.
#pragma once

#include <windows.h>

#include <string>

#include "msgloop.h"
#include "resource.h"
#include "textio.h"

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

// The results window "Ergebnisfenster" (class LorvexErg): one line per point of the table.
constexpr int RESULT_LINE_LENGTH = 50;
constexpr int RESULT_LINE_HEIGHT = 18;
constexpr int RESULT_LINE_LEFT = 5;
extern bool resultsClassRegistered;
extern NameField resultsClassName;
extern NameField resultsIconName;
extern char resultLine[RESULT_LINE_LENGTH];
extern int resultsTopLine; // the point shown in the first line, counted from 0

// Creates the results window, or repaints the open one with the current table.
void ShowResultsWindow();
LRESULT CALLBACK ResultsWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Writes x and y with RESULT_LINE_FORMAT (two 20.4 decimal fields 3 blanks apart) into
// line (RESULT_LINE_LENGTH characters, blank behind the 43 written); returns the length
// without trailing blanks.
int FormatResultLine(double x, double y, char* line);

// Scrolling: how many lines a client area of height cy shows whole, and the first line it
// can start with so that the last point is still shown.
int ResultsPageLines(int cy);
int ResultsMaxTopLine(int cy);
// The first line after a request to move to `top`, kept within 0 and ResultsMaxTopLine.
int ClampResultsTopLine(int top, int cy);

// The formula dialog "Formel - Berechnung" (template FORMELCS).
constexpr int PARAM_FIELD_LENGTH = 20;
constexpr int M_ITEM_COUNT = 10;
constexpr int M_ITEM_LENGTH = 3;
extern char aText[PARAM_FIELD_LENGTH];
extern char bText[PARAM_FIELD_LENGTH];
extern char xMinText[PARAM_FIELD_LENGTH];
extern char xMaxText[PARAM_FIELD_LENGTH];
extern char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];
extern HWND hwndPlus;
extern HWND hwndMList;

INT_PTR CALLBACK FormelDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

// Writes v with PARAM_FORMAT (a 17.4 decimal field) and a NUL into a parameter field; the
// last two characters stay blank.
void FormatParamField(double v, char* field);
// Reads a parameter field (blank-padded, or starting with a NUL when its control was empty)
// free-form into v; false when it holds no readable number.
bool ReadParamField(const char* field, double& v);

// Loading and saving result files through the common file dialogs.
#include <commdlg.h>
extern OPENFILENAMEA ofn;
extern char chosenPath[256]; // the full path of the file chosen in the last dialog
// Fills every field of the record for a dialog titled `title`; `saving` selects the flags
// of the save dialog (a new name is taken, an existing file is overwritten only after a
// question) instead of those of the open dialog (the file must exist).
void InitOpenFileName(OPENFILENAMEA& record, const char* title, bool saving);
// The commands Laden and Speichern. A file that cannot be read or written is reported and
// the program goes on; a failed load leaves the table and the display as they were.
void LoadResults();
void SaveResults();
// The report of a failed read or write, a message box without owner.
void ReportFileError(IoError error, const std::string& path);
