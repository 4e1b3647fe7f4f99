// The line store of a text window: line control, open records, capacity.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fenstrocore.h"

namespace {

struct Rec {
    const char* text;
    bool open;
};

std::vector<std::string> Lines(const LineStore& s) {
    return std::vector<std::string>(s.lines.begin(), s.lines.end());
}

LineStore Write(std::initializer_list<Rec> recs) {
    LineStore s;
    for (const Rec& r : recs)
        AppendRecord(s, r.text, std::strlen(r.text), r.open);
    return s;
}

using L = std::vector<std::string>;

} // namespace

TEST(LineStore, LineControlAndOpenRecords) {
    struct Case {
        const char* name;
        std::initializer_list<Rec> recs;
        L expected;
        bool open;
    };
    const Case cases[] = {
        {"blank starts a line, not shown",
         {{" eins", false}, {" zwei", false}},
         {"eins", "zwei"},
         false},
        // A lone open blank leaves nothing, so the first record's line is line 1.
        {"open blank then records", {{" ", true}, {" a", false}, {" b", false}}, {"a", "b"}, false},
        {"open record goes on with +", {{" Wert:", true}, {"+ 42", false}}, {"Wert: 42"}, false},
        {"open record then blank", {{" Wert:", true}, {" neu", false}}, {"Wert:", "neu"}, false},
        {"plus on a closed line", {{" a", false}, {"+b", false}}, {"ab"}, false},
        {"plus on nothing", {{"+a", false}}, {"a"}, false},
        // A full number field puts a digit, a sign or an asterisk in the control column.
        {"other control like blank",
         {{"1a", false}, {"0b", false}, {"-c", false}, {"*d", false}},
         {"a", "b", "c", "d"},
         false},
        {"empty record is an empty line", {{"", false}, {"", false}}, {"", ""}, false},
        {"only control", {{" ", false}}, {""}, false},
        {"left open", {{" a", true}}, {"a"}, true},
        {"LF inside, CR dropped", {{" a\r\nb", false}}, {"a", "b"}, false},
        {"tab to the next stop", {{" ab\tc", false}}, {"ab      c"}, false},
        // A leading-blank field keeps its blanks: only the first character is control.
        {"field keeps blanks", {{"      -12.0000", false}}, {"     -12.0000"}, false},
    };
    for (const Case& c : cases) {
        LineStore s;
        for (const Rec& r : c.recs)
            AppendRecord(s, r.text, std::strlen(r.text), r.open);
        EXPECT_EQ(Lines(s), c.expected) << c.name;
        EXPECT_EQ(s.open, c.open) << c.name;
    }
}

TEST(LineStore, NulShowsAsBlankAndRecordLengthCounts) {
    LineStore s;
    const char rec[] = {' ', 'a', '\0', 'b', 'c'};
    AppendRecord(s, rec, 4, false); // the length, not the NUL, ends the record
    EXPECT_EQ(Lines(s), (L{"a b"}));
}

TEST(LineStore, LongLineGoesOnInTheNextLine) {
    std::string rec = " " + std::string(FENSTRO_LINE_WIDTH + 10, 'x');
    LineStore s = Write({{rec.c_str(), false}, {" y", false}});
    ASSERT_EQ(s.lines.size(), 3u);
    EXPECT_EQ(s.lines[0].size(), FENSTRO_LINE_WIDTH);
    EXPECT_EQ(s.lines[1], std::string(10, 'x'));
    EXPECT_EQ(s.lines[2], "y");
    EXPECT_EQ(s.widest, FENSTRO_LINE_WIDTH);
}

TEST(LineStore, KeepsTheNewestLinesAtCapacity) {
    LineStore s;
    ASSERT_GE(s.capacity, 100000u);
    const std::size_t extra = 2500;
    for (std::size_t i = 1; i <= s.capacity + extra; ++i) {
        std::string rec = " line " + std::to_string(i);
        AppendRecord(s, rec.data(), rec.size(), false);
    }
    ASSERT_EQ(s.lines.size(), s.capacity);
    EXPECT_EQ(s.dropped, extra);
    EXPECT_EQ(s.lines.front(), "line " + std::to_string(extra + 1));
    EXPECT_EQ(s.lines.back(), "line " + std::to_string(s.capacity + extra));
    // An open line at the capacity still goes on in place.
    AppendRecord(s, " open", 5, true);
    AppendRecord(s, "+ end", 5, false);
    EXPECT_EQ(s.lines.back(), "open end");
    EXPECT_EQ(s.lines.size(), s.capacity);
}
