#include "namefields.h"

#include <cstring>

void ProposeFileName(const char* name, std::size_t nameLength, char* file) {
    std::size_t n = nameLength;
    while (n > 0 && name[n - 1] == ' ')
        --n;
    if (n > FILE_FIELD_LENGTH - 1)
        n = FILE_FIELD_LENGTH - 1;
    memcpy(file, name, n);
    file[n] = '\0';
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
