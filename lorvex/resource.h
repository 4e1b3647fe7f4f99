// Identifiers shared by the resource script and the code of Lorvex; those it shares with
// LorvexCon (pictures, formula dialog controls) come from the formula demo's layer.
#pragma once

#include "about_ids.h"
#include "formdemo_ids.h"

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
