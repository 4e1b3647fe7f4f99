// Identifiers both editions of the formula demo use, in their code and in their resource
// scripts. Plain defines, so that the resource compiler reads them too.
#pragma once

// The pictures: the About dialog's and the formula.
#define IDB_About 103
#define IDB_Formula 107

// The picture control of Lorvex's About template (LorvexCon's has no id).
#define IDC_ABOUT_PICTURE 1006

// The controls of the formula dialog that both editions read and set.
#define IDC_A 1008
#define IDC_B 1009
#define IDC_PLUS 1010
#define IDC_MINUS 1011
#define IDC_M 1012
#define IDC_N 1013
#define IDC_XMIN 1014
#define IDC_XMAX 1015
