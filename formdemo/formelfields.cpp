#include "formelfields.h"

char aText[PARAM_FIELD_LENGTH];
char bText[PARAM_FIELD_LENGTH];
char xMinText[PARAM_FIELD_LENGTH];
char xMaxText[PARAM_FIELD_LENGTH];
char mItems[M_ITEM_COUNT][M_ITEM_LENGTH];
