// The fixed-length fields that hold the names a program hands to the platform at run time
// (class names, titles, resource names, help files and box texts).
#pragma once

// The length of a name field: the text, a NUL, blanks to the end of the field.
constexpr int NAME_FIELD_LENGTH = 100;
using NameField = char[NAME_FIELD_LENGTH];

// Writes text into a name field: the text, a NUL, blanks to the end of the field.
void SetNameField(NameField& field, const char* text);
