// The file-name fields of Parvane's file dialog: the proposal made from the name the program
// keeps, and the chosen path handed back into it. Portable: no platform headers.
#pragma once

#include <cstddef>

// The length of the fixed-length texts that hold a file name or the dialog's filter.
constexpr std::size_t FILE_FIELD_LENGTH = 256;

// The dialog's file buffer (FILE_FIELD_LENGTH characters) made from a blank-padded name of
// nameLength characters: the name without trailing blanks, cut to FILE_FIELD_LENGTH - 1,
// a NUL and blanks. A NUL inside the name stays part of it.
void ProposeFileName(const char* name, std::size_t nameLength, char* file);

// Hands the chosen path (the characters of `file` before its first NUL) back into `name`:
// the path and blanks when it fits, returning its length n; otherwise as much of it as fits,
// returning -n.
int TakeChosenPath(const char* file, char* name, std::size_t nameLength);
