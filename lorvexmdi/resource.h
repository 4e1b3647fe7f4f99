// Identifiers shared by the resource script and the code of LorvexMDI.
#pragma once

#include "about_ids.h"

// Menu commands.
#define IDM_EXIT 30001
#define IDM_NEW 30002
#define IDM_OPEN 30003
#define IDM_SAVE 30004
#define IDM_SAVEAS 30005
#define IDM_PRINT 30006
#define IDM_PRINTSETUP 30007
#define IDM_UNDO 30008
#define IDM_CUT 30009
#define IDM_COPY 30010
#define IDM_PASTE 30011
#define IDM_HELPCONTENTS 30012
#define IDM_HELPSEARCH 30013
#define IDM_HELPHELP 30014
#define IDM_ABOUT 30015
#define IDM_OPT_1 30019
#define IDM_OPT_2 30020
#define IDM_OPT_3 30021
#define IDM_OPT_4 30022
// The four identifiers after IDM_OPT_4 that the frame forwards like the options.
#define IDM_OPT_LAST 30026
#define IDM_CASCADE 30027
#define IDM_TILE 30028
#define IDM_ARRANGE 30029

// The first child window's identifier; the window list sends it and the ones after it.
#define IDM_FIRSTCHILD 1

// The status strip of a child.
#define IDC_STATUS_STRIP 2
