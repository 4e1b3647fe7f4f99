// Program-wide data and routines of LorvexMDI, the multiple-document demo: a frame with an
// MDI client, numbered child windows that each own an INFO record and a status strip.
#pragma once

#include <windows.h>

#include "mdilayout.h"
#include "namefield.h"
#include "resource.h"
#include "seams.h"

// Handles set by WinMain (hwndClient by the frame's WM_CREATE).
extern HINSTANCE hInst;
extern HINSTANCE hModule; // instance of the child records' creator and of the strips
extern HWND hwndFrame;
extern HWND hwndClient;
extern HMENU hMenuFrame;       // menu LORVEXMDI
extern HMENU hMenuChild;       // menu LORVEXMDICHILD
extern HMENU hMenuFrameWindow; // "&Edit" of the frame menu, which lists the children
extern HMENU hMenuChildWindow; // "&Option" of the child menu, which lists the children
// The number the next child's title shows; never reused.
extern int nChildNo;

// Names that the program hands to the platform and that more than one window uses or a test
// reads.
extern NameField stripClassName;
extern NameField childTitle; // the 20-character title, then the NUL

// A child's record, in movable local memory; its handle lives in the child's window word 0.
struct INFO {
    HWND hwndClient;                  // the MDI client that holds the child
    HWND hwndText;                    // the child's status strip
    RECT rcClient;                    // the child's client rectangle when it was created
    char szTitle[CHILD_TITLE_LENGTH]; // the title, blank-padded, no NUL
};
#ifndef _WIN64
static_assert(sizeof(INFO) == 44, "INFO is a 44-byte record");
#endif

// The allocation of the INFO records. Calls go through this pointer so that a test can make
// it fail; the program never changes it.
extern LocalAllocRoutine infoAllocate;

// The boxes of New and of the children: owned by the frame, with an OK button.
void ReportError(const char* text, const char* caption = "Error");
// Locks a record through infoLock; reports "Failed in LocalLock" and returns NULL when the
// record cannot be locked.
void* LockInfo(HLOCAL hInfo);

// Start-up steps of WinMain; each returns false (or NULL) on failure.
// Registers the frame, child and status strip classes.
bool RegisterLorvexMDIClasses(HINSTANCE hInstance);
bool LoadMenusAndAccelerators(HINSTANCE hInstance, HACCEL& hAccel);
HWND CreateFrameWindow(HINSTANCE hInstance);

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The MDI children.
extern const char STRIP_INITIAL_TEXT[];
LRESULT CALLBACK ChildWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The value the creator put into the MDICREATESTRUCTA behind a child's CREATESTRUCTA.
LPARAM GetMdiCreateParam(const CREATESTRUCTA* createStruct);

// The status strip of a child.
LRESULT CALLBACK TextWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
