// Environment blocks for the tests.
#pragma once

#include <string>
#include <vector>

// Builds a block from entries: each gets its NUL, and one more NUL ends the block.
inline std::string Block(const std::vector<std::string>& entries) {
    std::string b;
    for (const std::string& e : entries)
        b += e + '\0';
    return b + '\0';
}
