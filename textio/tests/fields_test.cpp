#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "textio.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct DecimalCase {
    double v;
    int w, d;
    const char* expected;
};

TEST(DecimalField, Table) {
    const DecimalCase cases[] = {
        // the dialog's 17.4 field
        {1.0, 17, 4, "           1.0000"},
        {-12.0, 17, 4, "         -12.0000"},
        {999999999999.0, 17, 4, "999999999999.0000"},
        {1e12, 17, 4, "*****************"},
        {-99999999999.0, 17, 4, "-99999999999.0000"},
        {-1e11, 17, 4, "*****************"},
        {999999999999.99995, 17, 4, "*****************"}, // rounds up to 10^12
        // exact halves go to the even digit; near-halves by their exact value
        {0.125, 5, 2, " 0.12"},
        {0.375, 5, 2, " 0.38"},
        {2.5, 3, 0, " 2."},
        {3.5, 3, 0, " 4."},
        {-2.5, 3, 0, "-2."},
        {0.005, 5, 2, " 0.01"}, // 0.005 is stored a little above the half
        {1.005, 5, 2, " 1.00"}, // and 1.005 a little below
        // the 0 before the point only with room beside the sign
        {0.5, 5, 3, "0.500"},
        {-0.5, 5, 3, "-.500"},
        {0.5, 4, 3, ".500"},
        {-0.5, 4, 3, "****"},
        {-0.5, 6, 3, "-0.500"},
        {0.96, 4, 1, " 1.0"},
        {0.04, 4, 1, " 0.0"},
        {0.4, 2, 0, "0."}, // with no decimals the 0 is the only digit
        {0.4, 1, 0, "*"},
        // no sign for zero, negative zero, or a negative value that rounds to zero
        {0.0, 6, 2, "  0.00"},
        {-0.0, 6, 2, "  0.00"},
        {-0.004, 6, 2, "  0.00"},
        {-0.004, 3, 2, ".00"},
        {-0.006, 6, 2, " -0.01"},
        // the width limit
        {999.99, 6, 2, "999.99"},
        {1000.0, 6, 2, "******"},
        {-99.99, 6, 2, "-99.99"},
        {-100.0, 6, 2, "******"},
        {9.9999, 4, 2, "****"}, // carries into a new digit
        {9.9999, 5, 2, "10.00"},
        {1.5, 3, 3, "***"}, // no room for the point and decimals
        {1e300, 20, 2, "********************"},
        // non-finite values
        {kNaN, 6, 2, " NaN  "},
        {-kNaN, 4, 2, " NaN"},
        {kNaN, 3, 2, "***"},
        {kInf, 10, 2, " Infinity "},
        {kInf, 8, 2, "********"},
        {-kInf, 10, 2, " -Infinity"},
        {-kInf, 17, 4, " -Infinity       "},
        {-kInf, 9, 2, "*********"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalField(c.v, c.w, c.d), c.expected) << c.v << " in " << c.w << "." << c.d;
    }
}

TEST(DecimalField, DegenerateWidthsNeverFail) {
    EXPECT_EQ(DecimalField(1.0, 0, 2), "");
    EXPECT_EQ(DecimalField(1.0, -3, 2), "");
    EXPECT_EQ(DecimalField(1.0, 4, -1), "  1.");
    const std::string big = DecimalField(DBL_MAX, 320, 2);
    ASSERT_EQ(big.size(), 320u);
    EXPECT_EQ(big.substr(320 - 3), ".00");
    EXPECT_EQ(big.substr(0, 9), "        1");
}

struct IntegerCase {
    long long v;
    int w;
    const char* expected;
};

TEST(IntegerField, LimitsOfEachWidth) {
    const IntegerCase cases[] = {
        {-9, 2, "-9"},
        {-10, 2, "**"},
        {99, 2, "99"},
        {100, 2, "**"},
        {-99, 3, "-99"},
        {-100, 3, "***"},
        {999, 3, "999"},
        {1000, 3, "***"},
        {-999, 4, "-999"},
        {-1000, 4, "****"},
        {9999, 4, "9999"},
        {10000, 4, "****"},
        {0, 1, "0"},
        {4, 2, " 4"},
        {-5, 2, "-5"},
        {7, 0, ""},
        {LLONG_MIN, 20, "-9223372036854775808"},
        {LLONG_MIN, 19, "*******************"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntegerField(c.v, c.w), c.expected) << c.v << " in " << c.w;
    }
}

TEST(IntegerShortest, DigitsAlone) {
    EXPECT_EQ(IntegerShortest(0), "0");
    EXPECT_EQ(IntegerShortest(42), "42");
    EXPECT_EQ(IntegerShortest(-5), "-5");
    EXPECT_EQ(IntegerShortest(LLONG_MIN), "-9223372036854775808");
}

struct HexCase {
    unsigned long long v;
    int w, m;
    const char* expected;
};

TEST(HexField, MinimumDigitsAndOverflow) {
    const HexCase cases[] = {
        {0xAB, 4, 0, "  AB"},    {0xab, 4, 4, "00AB"},
        {0x1F, 6, 4, "  001F"},  {0xFFFF, 4, 4, "FFFF"},
        {0x10000, 4, 4, "****"}, {0x12345, 4, 1, "****"},
        {0x5, 2, 5, "05"}, // leading zeros only as far as the field reaches
        {0, 3, 2, " 00"},        {ULLONG_MAX, 16, 0, "FFFFFFFFFFFFFFFF"},
        {1, 0, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexField(c.v, c.w, c.m), c.expected) << c.v << " in " << c.w << "." << c.m;
    }
}

TEST(TextField, JustifiedOrCut) {
    EXPECT_EQ(TextField("ab", 5), "   ab");
    EXPECT_EQ(TextField("abc", 3), "abc");
    EXPECT_EQ(TextField("abcdef", 3), "abc");
    EXPECT_EQ(TextField("", 3), "   ");
    EXPECT_EQ(TextField("x", 0), "");
}

TEST(TextLine, FieldsFollowFromColumnOne) {
    TextLine line = NewTextLine(10);
    EXPECT_EQ(line.text, std::string(10, ' '));
    EXPECT_EQ(line.column, 1u);
    Put(line, "ab");
    Skip(line, 2);
    Put(line, "cd");
    EXPECT_EQ(line.text, "ab  cd    ");
    EXPECT_EQ(line.column, 7u);
    GoToColumn(line, 9);
    Put(line, "xyz"); // passes the end: cut
    EXPECT_EQ(line.text, "ab  cd  xy");
    EXPECT_EQ(line.column, 12u);
    Put(line, "more"); // wholly past the end: nothing written
    Skip(line, 3);
    EXPECT_EQ(line.text, "ab  cd  xy");
    GoToColumn(line, 2); // back: the line stays open and is overwritten in place
    Skip(line, 1);
    Put(line, "Q");
    EXPECT_EQ(line.text, "a Q cd  xy");
    GoToColumn(line, 0);
    EXPECT_EQ(line.column, 1u);
    TextLine empty = NewTextLine(0);
    Put(empty, "abc");
    EXPECT_EQ(empty.text, "");
}

TEST(FixedText, SetPutsTextNulBlanks) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    SetFixedText(field, sizeof field, "abc");
    EXPECT_EQ(std::string(field, sizeof field), std::string("abc\0    ", 8));
    SetFixedText(field, sizeof field, "abcdefghij");
    EXPECT_EQ(std::string(field, sizeof field), std::string("abcdefg\0", 8));
    SetFixedText(field, sizeof field, "");
    EXPECT_EQ(std::string(field, sizeof field), std::string("\0       ", 8));
    SetFixedText(field, 1, "abc");
    EXPECT_EQ(field[0], '\0');
    SetFixedText(field, 0, "abc"); // nothing to write into
    EXPECT_EQ(field[0], '\0');
}

TEST(FixedText, ValueStopsAtNulAndDropsTrailingBlanks) {
    EXPECT_EQ(FixedTextValue("ab  \0zz", 7), "ab");
    EXPECT_EQ(FixedTextValue("ab  ", 4), "ab");
    EXPECT_EQ(FixedTextValue(" a b ", 5), " a b");
    EXPECT_EQ(FixedTextValue("    ", 4), "");
    EXPECT_EQ(FixedTextValue("\0abc", 4), "");
    char field[12];
    SetFixedText(field, sizeof field, "C:\\x.dat");
    EXPECT_EQ(FixedTextValue(field, sizeof field), "C:\\x.dat");
}

// Into a NUL-terminated buffer: the text up to the NUL (or, where a NUL is one of the
// characters, up to the last non-blank), without trailing blanks, cut to what fits before the
// NUL; nothing behind the NUL is touched.
TEST(FixedText, CopyStopsAtNulDropsTrailingBlanksAndCuts) {
    struct {
        const char* name;
        std::string field;
        InnerNul nul;
        std::size_t length; // of the text the field holds
        std::size_t size;
        std::string copied; // the buffer's first characters, NUL included
    } const cases[] = {
        {"blank before the NUL", std::string("a.dat \0zz ", 10), InnerNul::EndsText, 5, 8,
         std::string("a.dat\0", 6)},
        {"no NUL", "a b  ", InnerNul::EndsText, 3, 8, std::string("a b\0", 4)},
        {"cut to the buffer", "abcdef", InnerNul::EndsText, 6, 4, std::string("abc\0", 4)},
        {"only blanks", "    ", InnerNul::EndsText, 0, 8, std::string("\0", 1)},
        {"buffer of one", "abc", InnerNul::EndsText, 3, 1, std::string("\0", 1)},
        {"NUL kept", std::string("a\0b  ", 5), InnerNul::InText, 3, 8, std::string("a\0b\0", 4)},
        {"NUL kept, blanks behind it dropped", std::string("ab\0 ", 4), InnerNul::InText, 3, 8,
         std::string("ab\0\0", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FixedTextLength(c.field.data(), c.field.size(), c.nul), c.length);
        std::string buffer(c.size + 1, '#'); // a guard behind the buffer
        EXPECT_EQ(CopyFixedText(&buffer[0], c.size, c.field.data(), c.field.size(), c.nul),
                  c.copied.size() - 1);
        EXPECT_EQ(buffer.substr(0, c.copied.size()), c.copied);
        EXPECT_EQ(buffer.substr(c.copied.size()),
                  std::string(buffer.size() - c.copied.size(), '#'));
    }
    char untouched = '#';
    EXPECT_EQ(CopyFixedText(&untouched, 0, "abc", 3), 0u);
    EXPECT_EQ(untouched, '#');
}

} // namespace
