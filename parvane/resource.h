// Identifiers shared by the resource script and the code of Parvane.
#pragma once

// Menu commands of PARVANEMENU.
#define IDM_BEENDEN 40001
#define IDM_HILFETHEMEN 40002
#define IDM_INFO 40003
#define IDM_OEFFNEN 40004

// Numbered resources.
#define IDR_Accel 103
#define IDD_Splash 104
#define IDB_Logo 105
