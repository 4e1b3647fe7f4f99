// The formula dialog "Formel - Berechnung" (template FORMELCS).
#pragma once

#include <windows.h>

#include "paramfield.h"

extern char aText[PARAM_FIELD_LENGTH];
extern char bText[PARAM_FIELD_LENGTH];
extern char xMinText[PARAM_FIELD_LENGTH];
extern char xMaxText[PARAM_FIELD_LENGTH];
extern char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];

INT_PTR CALLBACK FormelDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
