// The text fields of the formula dialog's four numbers.
#pragma once

constexpr int PARAM_FIELD_LENGTH = 20;

// Writes v with PARAM_FORMAT (a 17.4 decimal field) and a NUL into a parameter field; the
// last two characters stay blank.
void FormatParamField(double v, char* field);
// Reads a parameter field (blank-padded, or starting with a NUL when its control was empty)
// free-form into v; false when it holds no readable number.
bool ReadParamField(const char* field, double& v);
