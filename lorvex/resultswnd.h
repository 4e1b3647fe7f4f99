// The results window "Ergebnisfenster" (class LorvexErg): one line per point of the table.
#pragma once

#include <windows.h>


#include "lorvex.h"
#include "resultlines.h"

constexpr int RESULT_LINE_LEFT = 5;

// The results window; NO_WINDOW while there is none.
extern HWND hwndResults;
inline HWND const NO_WINDOW = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

extern bool resultsClassRegistered;
extern int resultsTopLine; // the point shown in the first line, counted from 0


// Creates the results window, or repaints the open one with the current table.
void ShowResultsWindow();
LRESULT CALLBACK ResultsWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
