// The About dialog of LorvexCon, shown through the dialog library.
#pragma once

#include <cstdint>

#include "fenstrodlg.h"

extern DialogRecord dlgAbout;

// Menu routine of "&About LorvexCon".
void ShowAboutDialog(std::int32_t& checked);
