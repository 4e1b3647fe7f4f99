#include "namefield.h"

#include "textio.h"

void SetNameField(NameField& field, const char* text) {
    SetFixedText(field, NAME_FIELD_LENGTH, text);
}
