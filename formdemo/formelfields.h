// The texts of the formula dialog's four decimal controls and of its m items, as the dialog
// shows them and reads them back: program-wide, one set per program. Portable: no platform
// headers.
#pragma once

#include "demotexts.h"

extern char aText[PARAM_FIELD_LENGTH];
extern char bText[PARAM_FIELD_LENGTH];
extern char xMinText[PARAM_FIELD_LENGTH];
extern char xMaxText[PARAM_FIELD_LENGTH];
extern char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];
