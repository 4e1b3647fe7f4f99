// The formula dialog "Formel - Berechnung" of LorvexCon: the model's parameters shown and
// edited through the dialog library; every OK computes the table and lists it.
#pragma once

#include <cstdint>

#include "confields.h"
#include "fenstrodlg.h"

extern DialogRecord formelDlg;

// Menu routine of "&FormelCS".
void dlgFormelCS(std::int32_t& checked);
// The callback of the OK button.
void FormelCSDialogCBProc(DialogRecord& dialog, std::int32_t& control, std::int32_t& reason);
// Reads control id's text as an integer into value; false (value unchanged) when the
// library fails or the text holds no integer.
bool GetIntegerField(DialogRecord& dialog, std::int32_t id, std::int32_t& value);
// Makes value, in its shortest form, the text of control id.
bool SetIntegerField(DialogRecord& dialog, std::int32_t id, std::int32_t value);
