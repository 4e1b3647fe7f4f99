// Identifiers shared by the resource script and the code of LorvexCon; those it shares with
// Lorvex (pictures, formula dialog controls) come from the formula demo's layer.
#pragma once

#include "about_ids.h"
#include "formdemo_ids.h"

// Dialog templates.
#define IDD_About 111
#define IDD_FormelCS 112

// The OK button of the formula dialog, which carries its callback.
#define IDC_FORMEL_OK 1020
