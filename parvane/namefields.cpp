#include "namefields.h"

#include <cstring>

#include "textio.h"

void ProposeFileName(const char* name, std::size_t nameLength, char* file) {
    // The name is a blank-padded text of Parvane's own (after a choice, the path and blanks),
    // not a platform text: it ends at its last non-blank, and a NUL inside it (the start
    // value's) is copied as one of its characters. The dialog stops at that NUL, so it offers
    // the text before it.
    const std::size_t n =
        CopyFixedText(file, FILE_FIELD_LENGTH, name, nameLength, InnerNul::InText);
    memset(file + n + 1, ' ', FILE_FIELD_LENGTH - n - 1);
}

int TakeChosenPath(const char* file, char* name, std::size_t nameLength) {
    const std::size_t n = strnlen(file, FILE_FIELD_LENGTH);
    if (n <= nameLength) {
        memcpy(name, file, n);
        memset(name + n, ' ', nameLength - n);
        return static_cast<int>(n);
    }
    memcpy(name, file, nameLength);
    return -static_cast<int>(n);
}
