#include "keyline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string DOWN = "gedr\xFC"
                         "ckt";
const std::string UP = "gel\xF6st";

// Column from .. to (1-based, inclusive) of a line, blank beyond its end.
std::string Cols(const std::string& line, int from, int to) {
    std::string padded = line + std::string(LINE_WIDTH, ' ');
    return padded.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1));
}

struct Piece {
    int from;
    std::string text;
};

// The expected line: the pieces on a blank line, trailing blanks dropped.
std::string Assemble(const std::vector<Piece>& pieces) {
    std::string line(LINE_WIDTH, ' ');
    for (const Piece& p : pieces)
        line.replace(static_cast<size_t>(p.from - 1), p.text.size(), p.text);
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

TEST(KeyEventLine, HeaderAndUnderlineLengths) {
    EXPECT_EQ(std::string(HEADER_TEXT).size(), 88u);
    EXPECT_EQ(std::string(UNDERLINE_TEXT).size(), 91u);
    // Each header word stands over its run of underscores.
    const std::string header = HEADER_TEXT, under = UNDERLINE_TEXT;
    for (size_t c = 0; c < header.size(); ++c) {
        if (header[c] != ' ') {
            EXPECT_EQ(under[c], '_') << "column " << c + 1;
        }
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(std::string(MESSAGE_NAMES[i]).size(), 14u);
}

// The A key pressed and released: key-down, its character a, key-up.
TEST(KeyEventLine, AKeyColumnByColumn) {
    struct Case {
        unsigned message;
        std::uint32_t wParam, lParam;
        std::vector<Piece> pieces;
        size_t drawn;
    };
    const std::vector<Case> cases = {
        {WM_KEYDOWN,
         65,
         0x001E0001,
         {{1, "WM_KEYDOWN    "},
          {16, " 65"},
          {20, "               A"},
          {50, "   1"},
          {59, " 30"},
          {65, "Nein"},
          {70, "Nein"},
          {75, UP + "  "},
          {84, DOWN}},
         91},
        {WM_CHAR,
         97,
         0x001E0001,
         {{1, "WM_CHAR       "},
          {37, "0x0061"},
          {44, "a"},
          {50, "   1"},
          {59, " 30"},
          {65, "Nein"},
          {70, "Nein"},
          {75, UP + "  "},
          {84, DOWN}},
         91},
        {WM_KEYUP,
         65,
         0xC01E0001,
         {{1, "WM_KEYUP      "},
          {16, " 65"},
          {20, "               A"},
          {50, "   1"},
          {59, " 30"},
          {65, "Nein"},
          {70, "Nein"},
          {75, DOWN},
          {84, UP}},
         89},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(MESSAGE_NAMES[c.message - WM_KEYDOWN]);
        const std::string line = BuildKeyEventLine(c.message, c.wParam, c.lParam, "A");
        for (const Piece& p : c.pieces)
            EXPECT_EQ(Cols(line, p.from, p.from + static_cast<int>(p.text.size()) - 1), p.text)
                << "from column " << p.from;
        EXPECT_EQ(line, Assemble(c.pieces)); // every other column blank
        EXPECT_EQ(line.size(), c.drawn);
    }
    // The character line carries no key name even when one is offered.
    EXPECT_EQ(Cols(BuildKeyEventLine(WM_CHAR, 97, 0x001E0001, "A"), 16, 35), std::string(20, ' '));
}

TEST(KeyEventLine, FieldsTooWideShowAsterisks) {
    struct Case {
        unsigned message;
        std::uint32_t wParam, lParam;
        int from, to;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {WM_KEYDOWN, 999, 1, 16, 18, "999"},
        {WM_KEYDOWN, 1000, 1, 16, 18, "***"},
        {WM_KEYDOWN, static_cast<std::uint32_t>(-99), 1, 16, 18, "-99"},
        {WM_KEYDOWN, static_cast<std::uint32_t>(-100), 1, 16, 18, "***"},
        {WM_KEYDOWN, 0xFFFFFFFFu, 1, 16, 18, " -1"},
        {WM_KEYDOWN, 65, 9999, 50, 53, "9999"},
        {WM_KEYDOWN, 65, 10000, 50, 53, "****"},
        {WM_KEYDOWN, 65, 0xFC19, 50, 53, "-999"}, // -999 as 16 bits
        {WM_KEYDOWN, 65, 0xFC18, 50, 53, "****"}, // -1000
        {WM_KEYDOWN, 65, 0xFFFF, 50, 53, "  -1"},
        {WM_KEYDOWN, 65, 0x00FF0000, 59, 61, "255"},
        {WM_CHAR, 0xFFFF, 1, 37, 42, "0xFFFF"},
        {WM_CHAR, 0x10000, 1, 37, 42, "0x****"},
        {WM_SYSCHAR, 0xFFFFFFFFu, 1, 37, 42, "0x****"},
        {WM_DEADCHAR, 0x5E, 1, 37, 44, "0x005E ^"},
    };
    for (const Case& c : cases) {
        const std::string line = BuildKeyEventLine(c.message, c.wParam, c.lParam, "");
        EXPECT_EQ(Cols(line, c.from, c.to), c.expected)
            << "message " << c.message << " wParam " << c.wParam << " lParam " << c.lParam;
    }
}

TEST(KeyEventLine, KeyNameField) {
    struct Case {
        std::string name, expected;
    };
    const std::vector<Case> cases = {
        {"Rechte Windows-Taste", "Rechte Windows-T"}, // longer: its first 16
        {"0123456789ABCDEF", "0123456789ABCDEF"},
        {"Eingabe", "         Eingabe"},
        {"Esc   ", "             Esc"}, // trailing blanks are not part of the name
        {"", std::string(16, ' ')},
        {"   ", std::string(16, ' ')},
    };
    for (const Case& c : cases) {
        const std::string line = BuildKeyEventLine(WM_KEYDOWN, 13, 0x001C0001, c.name);
        EXPECT_EQ(Cols(line, 20, 35), c.expected) << '"' << c.name << '"';
        EXPECT_EQ(Cols(line, 36, 36), " ");
        EXPECT_EQ(line.size(), 91u);
    }
}

TEST(KeyEventLine, ControlCharacterStandsUnchanged) {
    // Enter typed: WM_CHAR with the carriage return.
    const std::string line = BuildKeyEventLine(WM_CHAR, 13, 0x001C0001, "");
    EXPECT_EQ(Cols(line, 37, 42), "0x000D");
    EXPECT_EQ(line[43], '\r');
    // A NUL character is drawn as it is, not taken for the end of the line.
    const std::string nul = BuildKeyEventLine(WM_SYSCHAR, 0x100, 0x20000001, "");
    EXPECT_EQ(Cols(nul, 37, 43), "0x0100 ");
    EXPECT_EQ(nul[43], '\0');
    EXPECT_EQ(nul.size(), 91u);
    // A byte of the upper half, as a German keyboard types it.
    EXPECT_EQ(BuildKeyEventLine(WM_CHAR, 0xE4, 0x00280001, "")[43], '\xE4');
}

TEST(KeyEventLine, FlagBits) {
    struct Case {
        std::uint32_t lParam;
        std::string ext, ctx, prev, trans;
    };
    const std::vector<Case> cases = {
        {0x01000001, "Ja  ", "Nein", UP + "  ", DOWN}, // extended key
        {0x20380001, "Nein", "Ja  ", UP + "  ", DOWN}, // Alt held
        {0x40000001, "Nein", "Nein", DOWN, DOWN},      // auto-repeat
        {0xE1380001, "Ja  ", "Ja  ", DOWN, UP + "  "}, // right Alt released
    };
    for (const Case& c : cases) {
        const std::string line = BuildKeyEventLine(WM_SYSKEYDOWN, 18, c.lParam, "Alt");
        EXPECT_EQ(Cols(line, 65, 68), c.ext) << std::hex << c.lParam;
        EXPECT_EQ(Cols(line, 70, 73), c.ctx) << std::hex << c.lParam;
        EXPECT_EQ(Cols(line, 75, 82), c.prev) << std::hex << c.lParam;
        EXPECT_EQ(Cols(line, 84, 91), c.trans) << std::hex << c.lParam;
    }
}

TEST(KeyEventLine, PickFlagTextIsEightCharacters) {
    EXPECT_EQ(PickFlagText(4, 5, "Ja", "Nein"), "Ja      ");
    EXPECT_EQ(PickFlagText(2, 5, "Ja", "Nein"), "Nein    ");
    EXPECT_EQ(PickFlagText(1, 1, "zehn Zeichen", "x"), "zehn Zei");
    EXPECT_EQ(PickFlagText(1, 0, "x", ""), "        ");
}

TEST(KeyEventLine, MessageNames) {
    const char* names[] = {"WM_KEYDOWN",    "WM_KEYUP",    "WM_CHAR",    "WM_DEADCHAR",
                           "WM_SYSKEYDOWN", "WM_SYSKEYUP", "WM_SYSCHAR", "WM_SYSDEADCHAR"};
    for (unsigned m = WM_KEYDOWN; m <= WM_SYSDEADCHAR; ++m) {
        const std::string name = names[m - WM_KEYDOWN];
        const std::string line = BuildKeyEventLine(m, 65, 0x001E0001, "A");
        EXPECT_EQ(Cols(line, 1, 15), name + std::string(15 - name.size(), ' '));
        const bool character =
            m == WM_CHAR || m == WM_DEADCHAR || m == WM_SYSCHAR || m == WM_SYSDEADCHAR;
        EXPECT_EQ(IsCharacterMessage(m), character) << name;
        EXPECT_EQ(Cols(line, 16, 18), character ? "   " : " 65") << name;
    }
    EXPECT_FALSE(IsKeyboardMessage(WM_KEYDOWN - 1));
    EXPECT_FALSE(IsKeyboardMessage(WM_SYSDEADCHAR + 1));
    // A message outside the eight gets no name instead of reading past the table.
    EXPECT_EQ(Cols(BuildKeyEventLine(0x0108, 65, 1, "A"), 1, 14), std::string(14, ' '));
}

} // namespace
