// The formula dialog "Formel - Berechnung" (template FORMELCS).
#pragma once

#include <windows.h>

#include "paramfield.h"

INT_PTR CALLBACK FormelDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
