// The reading of the formula dialog's texts into the formula model, free-form. Portable: no
// platform headers.
#pragma once

#include <cstddef>

#include "textio.h"

// Reads a parameter field (PARAM_FIELD_LENGTH characters, blank-padded, or starting with a
// NUL when its control was empty) free-form into v; false, v unchanged, when it holds no
// readable number.
bool ReadParamField(const char* field, double& v);
// Reads the four parameter fields into a, b, xMin and xMax of the formula model, in this
// order, each stored as soon as it has been read; the first that holds no readable number
// stops the reading with false, and it and the fields after it keep their model values.
bool ReadParamFields(const char* aField, const char* bField, const char* xMinField,
                     const char* xMaxField);
// Reads a fixed-length text free-form into one target; false when the text is empty, blank,
// starts with a NUL or holds no readable number of the target's kind.
bool ReadFieldValue(const char* text, std::size_t length, ReadTarget target);
