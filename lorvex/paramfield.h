// The texts of the formula dialog's controls as Lorvex hands them to the platform: the text
// both editions show, with a NUL directly behind its field.
#pragma once

#include "demotexts.h"

// Writes v with PARAM_FORMAT and a NUL into a parameter field (PARAM_FIELD_LENGTH
// characters); the last two characters stay blank.
void FormatParamField(double v, char* field);
// Writes item k of the m list (1 to M_ITEM_COUNT) with M_ITEM_FORMAT and a NUL into a cell of
// M_ITEM_LENGTH characters.
void FormatMItem(int k, char* cell);
