// Reading the entries of an environment block: a run of NUL-terminated "name=value" texts
// ended by an empty entry.
#pragma once

#include <cstddef>

// The longest name an environment variable can have, without its NUL.
enum { ENV_NAME_MAX = 32767 };

// Reads the entry that starts at entry (which must not be the block's ending empty entry)
// and returns the start of the next entry. *nameLen receives the length of the name to
// list, or 0 when the entry is not listed: it begins with "=" (the per-drive directories),
// it holds no "=" at all, or its name is longer than maxNameLen.
const char* NextEnvEntry(const char* entry, std::size_t maxNameLen, std::size_t* nameLen);
