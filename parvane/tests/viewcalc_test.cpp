// The window-free arithmetic and bookkeeping of Parvane.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "viewcalc.h"

namespace {

TEST(Layout, StartUpPictureIsCentredWithTruncatingDivision) {
    struct Case {
        int client, picture, expected;
    } cases[] = {
        {500, 264, 118}, {300, 130, 85}, // a 500 x 300 client area
        {263, 264, 0},                   // -1 / 2 truncates to 0, not -1
        {100, 264, -82},                 // narrower: the picture's middle part shows
        {0, 130, -65},   {264, 264, 0},  {265, 264, 0}, {266, 264, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredPosition(c.client, c.picture), c.expected)
            << c.client << " - " << c.picture;
}

TEST(Layout, PictureWindowAddsFramesAndCaption) {
    OuterSize s = PictureWindowSize(200, 100, 4, 4, 19);
    EXPECT_EQ(s.width, 208);
    EXPECT_EQ(s.height, 123);
    // Metrics still 0 because the start-up picture failed: the bitmap's own size.
    s = PictureWindowSize(200, 100, 0, 0, 0);
    EXPECT_EQ(s.width, 200);
    EXPECT_EQ(s.height, 100);
}

TEST(Layout, CascadeStartsAgainWhenTheCornerWouldLeaveTheClientArea) {
    struct Case {
        const char* what;
        int x, y, cw, ch;
        int ex, ey;
    } cases[] = {
        {"the first window", 0, 0, 800, 560, 0, 0},
        {"inside", 19, 19, 800, 560, 19, 19},
        {"inside, the window cut off at the edges", 532, 532, 800, 560, 532, 532},
        {"the last pixel inside", 799, 559, 800, 560, 799, 559},
        {"one step below the bottom edge", 570, 570, 800, 560, 0, 0},
        {"on the bottom edge", 100, 560, 800, 560, 0, 0},
        {"on the right edge", 800, 100, 800, 560, 0, 0},
        {"right of a narrow client area", 304, 304, 300, 900, 0, 0},
        {"left of the client area", -1, 10, 800, 560, 0, 0},
        {"above the client area", 10, -1, 800, 560, 0, 0},
        {"a client area of nothing (main window minimised)", 0, 0, 0, 0, 0, 0},
        {"a client area of nothing, later corner", 57, 57, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Corner corner = CascadeCorner(c.x, c.y, c.cw, c.ch);
        EXPECT_EQ(corner.x, c.ex) << c.what;
        EXPECT_EQ(corner.y, c.ey) << c.what;
    }
}

std::string Field(const char* text, std::size_t textLength, std::size_t length) {
    std::string f(text, textLength);
    f.resize(length, ' ');
    return f;
}

TEST(FileDialogProposal, NameWithoutTrailingBlanksThenNulAndBlanks) {
    struct Case {
        const char* what;
        std::string name;
        std::string file; // the first characters of the buffer; blanks follow to 256
    } cases[] = {
        // The start value: text, NUL, blanks; the NUL stays part of the text.
        {"start value", Field("Zelmark_h.bmp\0", 14, 256), std::string("Zelmark_h.bmp\0\0", 15)},
        {"path and blanks", Field("C:\\Bilder\\a b.bmp", 17, 256),
         std::string("C:\\Bilder\\a b.bmp\0", 18)},
        {"all blanks", std::string(256, ' '), std::string("\0", 1)},
        {"short field", "x.bmp  ", std::string("x.bmp\0", 6)},
        {"inner blanks kept", "a  b ", std::string("a  b\0", 5)},
        {"longer than the buffer", std::string(300, 'q'), std::string(255, 'q') + '\0'},
    };
    for (const Case& c : cases) {
        char file[FILE_FIELD_LENGTH];
        memset(file, '#', sizeof file);
        ProposeFileName(c.name.data(), c.name.size(), file);
        EXPECT_EQ(std::string(file, sizeof file), Field(c.file.data(), c.file.size(), 256))
            << c.what;
    }
}

TEST(FileDialogResult, PathFitsOrIsCutWithNegativeLength) {
    const std::string path = "C:\\users\\bilder\\urlaub\\strand_0001.bmp"; // 38 characters
    ASSERT_EQ(path.size(), 38u);
    char file[FILE_FIELD_LENGTH];
    ProposeFileName(path.data(), path.size(), file);

    struct Case {
        std::size_t nameLength;
        int result;
        std::string name;
    } cases[] = {
        {256, 38, Field(path.data(), 38, 256)}, // the path and 218 blanks
        {38, 38, path},                         // exactly fits: no blank after it
        {10, -38, path.substr(0, 10)},          // cut to what the field holds
        {1, -38, path.substr(0, 1)},
    };
    for (const Case& c : cases) {
        std::string name(c.nameLength + 1, '#'); // one guard character behind the field
        EXPECT_EQ(TakeChosenPath(file, &name[0], c.nameLength), c.result) << c.nameLength;
        EXPECT_EQ(name.substr(0, c.nameLength), c.name) << c.nameLength;
        EXPECT_EQ(name.back(), '#') << "wrote past a field of " << c.nameLength;
    }

    // The longest path the dialog can give: 255 characters and the NUL.
    const std::string longest(255, 'p');
    ProposeFileName(longest.data(), longest.size(), file);
    std::string name(256, '#');
    EXPECT_EQ(TakeChosenPath(file, &name[0], name.size()), 255);
    EXPECT_EQ(name, longest + ' ');
}

TEST(ErrorText, CodeInSixColumnsOrAsterisksAndNoTextForZero) {
    struct Case {
        std::int32_t code;
        const char* shown;
    } cases[] = {
        {2, "Fehlercode:      2"},
        {32, "Fehlercode:     32"},
        {999999, "Fehlercode: 999999"},
        {1234567, "Fehlercode: ******"}, // seven digits do not fit
        {-99999, "Fehlercode: -99999"},
        {-100000, "Fehlercode: ******"},
        {static_cast<std::int32_t>(0x80004005u), "Fehlercode: ******"},
    };
    for (const Case& c : cases) {
        char text[ERR_TEXT_LENGTH];
        ASSERT_TRUE(FormatErrorText(c.code, text));
        EXPECT_EQ(std::string(text, sizeof text),
                  Field((std::string(c.shown) + '\0').c_str(), 19, ERR_TEXT_LENGTH))
            << c.code;
    }
    char text[ERR_TEXT_LENGTH];
    memset(text, '#', sizeof text);
    EXPECT_FALSE(FormatErrorText(0, text));
    EXPECT_EQ(std::string(text, sizeof text), std::string(ERR_TEXT_LENGTH, '#'));
}

TEST(FileDialogFailure, NamesTheReasonAndThatNoFileWasOpened) {
    struct Case {
        std::uint32_t code;
        const char* text;
    } cases[] = {
        {0x3003, "Der Pfad der gew\xE4hlten Datei ist zu lang. Es wurde keine Datei ge\xF6"
                 "ffnet."},
        {0x3002, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x3002). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
        {0x0002, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x0002). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
        {0xFFFF, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0xFFFF). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
        {0x100A, "Die Dateiauswahl ist fehlgeschlagen (Fehler 0x100A). Es wurde keine Datei "
                 "ge\xF6"
                 "ffnet."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileDialogFailureMessage(c.code), c.text) << std::hex << c.code;
}

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
