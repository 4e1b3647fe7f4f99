#include "paramfield.h"

#include <cstring>

void FormatParamField(double v, char* field) {
    memcpy(field, ParamText(v).data(), PARAM_FIELD_LENGTH);
    field[PARAM_FORMAT.width] = '\0';
}

void FormatMItem(int k, char* cell) {
    memcpy(cell, MItemText(k).data(), M_ITEM_LENGTH);
    cell[M_ITEM_FORMAT.width] = '\0';
}
