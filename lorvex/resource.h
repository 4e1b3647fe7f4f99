// Identifiers shared by the resource script and the code of Lorvex.
#pragma once

#include "about_ids.h"

// Menu commands.
#define IDM_EXIT 30001
#define IDM_LADEN 30002
#define IDM_SPEICHERN 30003
#define IDM_FORMEL 30008
#define IDM_HELPCONTENTS 30012
#define IDM_HELPSEARCH 30013
#define IDM_HELPHELP 30014
#define IDM_ABOUT 30015
// The two empty items at the end of the menu bar; nothing serves them.
#define IDM_EMPTY_1 65535
#define IDM_EMPTY_2 30017

// Bitmaps; IDB_About is the About dialog's.
#define IDB_Formula 107

// Formula dialog.
#define IDC_A 1008
#define IDC_B 1009
#define IDC_PLUS 1010
#define IDC_MINUS 1011
#define IDC_M 1012
#define IDC_N 1013
#define IDC_XMIN 1014
#define IDC_XMAX 1015
