#include "envblock.h"

#include <cstring>

const char* NextEnvEntry(const char* entry, std::size_t maxNameLen, std::size_t* nameLen) {
    const std::size_t entryLen = std::strlen(entry);
    // The name ends at the first "=" inside this entry; the search never runs into the next.
    const void* eq = std::memchr(entry, '=', entryLen);
    std::size_t len = 0;
    if (entry[0] != '=' && eq != nullptr) {
        len = static_cast<std::size_t>(static_cast<const char*>(eq) - entry);
        // A name that does not fit its field is left out rather than cut into another name.
        if (len > maxNameLen)
            len = 0;
    }
    *nameLen = len;
    return entry + entryLen + 1;
}
