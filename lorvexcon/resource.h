// Identifiers shared by the resource script and the code of LorvexCon.
#pragma once

#include "about_ids.h"

// Dialog templates.
#define IDD_About 111
#define IDD_FormelCS 112

// The formula picture, the same drawing as Lorvex's.
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
#define IDC_FORMEL_OK 1020
