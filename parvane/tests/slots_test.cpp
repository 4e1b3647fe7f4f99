// The slot bookkeeping of the picture windows, over every order of opening and closing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "slots.h"

namespace {

// The open picture windows as the user sees them: each with its slot, in opening order.
struct Book {
    bool taken[SLOT_COUNT] = {};
    int nChildren = 0;
    std::vector<int> open; // slots of the open windows
};

void CheckRules(const Book& b, const std::string& history) {
    ASSERT_EQ(b.nChildren, static_cast<int>(b.open.size())) << history;
    ASSERT_LE(b.nChildren, MAX_CHILDREN) << history;
    std::vector<int> sorted = b.open;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_TRUE(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end())
        << "two windows share a slot after " << history;
    for (int s = 1; s <= MAX_CHILDREN; ++s)
        ASSERT_EQ(b.taken[s], std::count(b.open.begin(), b.open.end(), s) == 1) << history;
    ASSERT_FALSE(b.taken[0]) << "the start-up picture's slot is never handed out";
}

// Every history of up to `depth` steps, each step opening a window or closing any open one.
void Explore(Book b, const std::string& history, int depth) {
    CheckRules(b, history);
    if (depth == 0)
        return;
    {
        Book next = b;
        const int slot = TakeSlot(next.taken, next.nChildren);
        if (b.nChildren == MAX_CHILDREN) {
            ASSERT_EQ(slot, 0) << "a fourth window after " << history;
            ASSERT_EQ(next.nChildren, MAX_CHILDREN);
        } else {
            // The lowest slot no open window holds.
            int lowest = 1;
            while (std::count(b.open.begin(), b.open.end(), lowest))
                ++lowest;
            ASSERT_EQ(slot, lowest) << history;
            next.open.push_back(slot);
            Explore(next, history + " open" + std::to_string(slot), depth - 1);
        }
    }
    for (std::size_t k = 0; k < b.open.size(); ++k) {
        Book next = b;
        const int slot = b.open[k];
        ASSERT_TRUE(ReleaseSlot(next.taken, slot, next.nChildren)) << history;
        next.open.erase(next.open.begin() + static_cast<long>(k));
        Explore(next, history + " close" + std::to_string(slot), depth - 1);
    }
}

TEST(Slots, EveryOrderOfOpeningAndClosingKeepsTheRules) {
    Explore(Book{}, "", 9);
}

TEST(Slots, ReverseClosingThenReopeningGivesOneTwoThreeAgain) {
    Book b;
    for (int round = 0; round < 2; ++round) {
        for (int expected = 1; expected <= MAX_CHILDREN; ++expected)
            EXPECT_EQ(TakeSlot(b.taken, b.nChildren), expected);
        for (int s = MAX_CHILDREN; s >= 1; --s)
            EXPECT_TRUE(ReleaseSlot(b.taken, s, b.nChildren));
        EXPECT_EQ(b.nChildren, 0);
    }
}

TEST(Slots, ReleasingAFreeOrForeignSlotChangesNothing) {
    Book b;
    EXPECT_EQ(TakeSlot(b.taken, b.nChildren), 1);
    for (int slot : {0, 2, 3, 4, -1}) {
        EXPECT_FALSE(ReleaseSlot(b.taken, slot, b.nChildren)) << slot;
        EXPECT_EQ(b.nChildren, 1);
    }
    EXPECT_TRUE(ReleaseSlot(b.taken, 1, b.nChildren));
    EXPECT_FALSE(ReleaseSlot(b.taken, 1, b.nChildren)) << "released twice";
    EXPECT_EQ(b.nChildren, 0);
}

} // namespace
