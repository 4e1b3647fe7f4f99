// The formula dialog "Formel - Berechnung" of LorvexCon: the model's parameters shown and
// edited through the dialog library; every OK computes the table and lists it.
#pragma once

#include <cstdint>

#include "confields.h"
#include "fenstrodlg.h"

extern DialogRecord formelDlg;
// The texts of the four decimal controls and of the m items.
extern char aText[PARAM_FIELD_LENGTH];
extern char bText[PARAM_FIELD_LENGTH];
extern char xMinText[PARAM_FIELD_LENGTH];
extern char xMaxText[PARAM_FIELD_LENGTH];
extern char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];

// Menu routine of "&FormelCS".
void dlgFormelCS(std::int32_t& checked);
// The callback of the OK button.
void FormelCSDialogCBProc(DialogRecord& dialog, std::int32_t& control, std::int32_t& reason);
// Reads control id's text as an integer into value; false (value unchanged) when the
// library fails or the text holds no integer.
bool GetIntegerField(DialogRecord& dialog, std::int32_t id, std::int32_t& value);
// Makes value, in its shortest form, the text of control id.
bool SetIntegerField(DialogRecord& dialog, std::int32_t id, std::int32_t value);
