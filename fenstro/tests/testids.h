// Resource ids of the Fenstro tests' dialog templates.
#pragma once

#define IDD_TEST_ABOUT 111
#define IDD_TEST_FORMEL 112
#define IDD_TEST_NESTED 113
#define IDD_TEST_BROKEN 114

#define IDC_T_A 1008
#define IDC_T_B 1009
#define IDC_T_PLUS 1010
#define IDC_T_MINUS 1011
#define IDC_T_M 1012
#define IDC_T_N 1013
#define IDC_T_LABEL 1014
#define IDC_T_OK 1020
#define IDC_T_INNER 1030

// Push buttons with ids above 32767, in a plain and an extended template.
#define IDD_TEST_HIGH_IDS 115
#define IDD_TEST_HIGH_IDS_EX 116
