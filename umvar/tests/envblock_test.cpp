// The walk over an environment block.
#include "envblock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_text.h"

namespace {

// The names NextEnvEntry lists from a block, in block order.
std::vector<std::string> WalkBlock(const std::string& block, std::size_t maxName = ENV_NAME_MAX) {
    std::vector<std::string> names;
    for (const char* p = block.c_str(); *p != '\0';) {
        std::size_t len = 0;
        const char* next = NextEnvEntry(p, maxName, &len);
        EXPECT_GT(next, p);
        EXPECT_LE(next, block.c_str() + block.size());
        if (len > 0)
            names.emplace_back(p, len);
        p = next;
    }
    return names;
}

TEST(EnvBlock, ListsNamesOfWellFormedEntriesOnly) {
    const std::string longest(ENV_NAME_MAX, 'N');
    const std::string tooLong(ENV_NAME_MAX + 1, 'L');
    struct Case {
        const char* what;
        std::vector<std::string> entries;
        std::vector<std::string> names;
    } cases[] = {
        {"plain entries in block order", {"ZED=1", "ALPHA=2"}, {"ZED", "ALPHA"}},
        {"drive entries left out", {"=C:=C:\\x", "=::=::\\", "A=1"}, {"A"}},
        {"name ends at the first =", {"EQ=a=b=c", "E2==x"}, {"EQ", "E2"}},
        {"empty value", {"EMPTY="}, {"EMPTY"}},
        {"entry without = left out", {"NOEQ", "B=2", "=", "X"}, {"B"}},
        {"longest name listed whole", {longest + "=v"}, {longest}},
        {"too long name left out, neighbours kept", {"A=1", tooLong + "=v", "B=2"}, {"A", "B"}},
        {"too long entry without =", {tooLong, "C=3"}, {"C"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WalkBlock(Block(c.entries)), c.names) << c.what;
    EXPECT_TRUE(WalkBlock(std::string(2, '\0')).empty()) << "empty block";
}

TEST(EnvBlock, NameLimitIsInclusive) {
    const std::string b = Block({"ABCD=1", "ABCDE=2"});
    EXPECT_EQ(WalkBlock(b, 4), std::vector<std::string>{"ABCD"});
}

} // namespace
