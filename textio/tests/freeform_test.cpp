#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "textio.h"

namespace {

constexpr double kOld = 99.0; // what every target holds before a read

struct ReadCase {
    std::string input; // file content
    std::size_t count; // double targets
    ReadStatus status;
    std::vector<double> values; // after the read
    std::size_t next;           // record index after the read
};

const char* Name(ReadStatus s) {
    switch (s) {
    case ReadStatus::Ok: return "Ok";
    case ReadStatus::SyntaxError: return "SyntaxError";
    case ReadStatus::EndOfInput: return "EndOfInput";
    case ReadStatus::ConversionError: return "ConversionError";
    case ReadStatus::RecordTooLong: return "RecordTooLong";
    case ReadStatus::ReadFailure: return "ReadFailure";
    }
    return "?";
}

void Check(const ReadCase& c) {
    RecordReader in = RecordsFromText(c.input);
    std::vector<double> v(c.count, kOld);
    std::vector<ReadTarget> targets;
    for (double& d : v) {
        targets.push_back(DoubleTarget(d));
    }
    const ReadStatus s = ReadFreeForm(in, targets.data(), targets.size());
    EXPECT_STREQ(Name(s), Name(c.status)) << '"' << c.input << '"';
    ASSERT_EQ(v.size(), c.values.size()) << '"' << c.input << '"';
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i], c.values[i]) << '"' << c.input << "\" value " << i;
    }
    EXPECT_EQ(in.next, c.next) << '"' << c.input << '"';
}

TEST(FreeForm, SeparatorsAndRecords) {
    const ReadCase cases[] = {
        {"1 2", 2, ReadStatus::Ok, {1, 2}, 1},
        {"1,2", 2, ReadStatus::Ok, {1, 2}, 1},
        {"  1 ,  2  ", 2, ReadStatus::Ok, {1, 2}, 1},
        {"\t1\t2", 2, ReadStatus::Ok, {1, 2}, 1},
        {"1 2 3 4", 2, ReadStatus::Ok, {1, 2}, 1}, // rest of the record ignored
        {"1 2 junk", 2, ReadStatus::Ok, {1, 2}, 1},
        {"1,5", 1, ReadStatus::Ok, {1}, 1},        // a decimal comma separates
        {"1\n2\n3", 2, ReadStatus::Ok, {1, 2}, 2}, // goes on into the next record
        {"1\n\n   \n\t\n2\n3", 2, ReadStatus::Ok, {1, 2}, 5},
        {"\n\n1 2", 2, ReadStatus::Ok, {1, 2}, 3},
        {"1,\n2", 2, ReadStatus::Ok, {1, 2}, 2}, // a line end after a comma is no null
        {"1\n,2", 2, ReadStatus::Ok, {1, 2}, 2}, // line end and comma: one separator
        {"1\r\n2\r\n", 2, ReadStatus::Ok, {1, 2}, 2},
    };
    for (const auto& c : cases) {
        Check(c);
    }
}

TEST(FreeForm, NullsSlashAndRepeats) {
    const ReadCase cases[] = {
        {"1,,", 2, ReadStatus::Ok, {1, kOld}, 1},
        {",5", 2, ReadStatus::Ok, {kOld, 5}, 1},
        {" , 5", 2, ReadStatus::Ok, {kOld, 5}, 1},
        {",,", 2, ReadStatus::Ok, {kOld, kOld}, 1},
        {"1,,2", 3, ReadStatus::Ok, {1, kOld, 2}, 1},
        {"1 , , 2", 3, ReadStatus::Ok, {1, kOld, 2}, 1},
        {"1,\n,2", 3, ReadStatus::Ok, {1, kOld, 2}, 2},
        {"1/", 2, ReadStatus::Ok, {1, kOld}, 1},
        {"1 / 2", 2, ReadStatus::Ok, {1, kOld}, 1},
        {"1,/", 2, ReadStatus::Ok, {1, kOld}, 1},
        {"/", 2, ReadStatus::Ok, {kOld, kOld}, 1},
        {"1\n/\n3", 2, ReadStatus::Ok, {1, kOld}, 2},
        {"3*5", 2, ReadStatus::Ok, {5, 5}, 1}, // the rest of the repeat is dropped
        {"2*5 7", 3, ReadStatus::Ok, {5, 5, 7}, 1},
        {"1 2*1.5e1", 3, ReadStatus::Ok, {1, 15, 15}, 1},
        {"2* 7", 3, ReadStatus::Ok, {kOld, kOld, 7}, 1},
        {"2*,7", 3, ReadStatus::Ok, {kOld, kOld, 7}, 1},
        {"1 2*", 3, ReadStatus::Ok, {1, kOld, kOld}, 1},
        {"5*", 2, ReadStatus::Ok, {kOld, kOld}, 1},
        {"2*/", 3, ReadStatus::Ok, {kOld, kOld, kOld}, 1},
        {"99999999999999999999*4", 2, ReadStatus::Ok, {4, 4}, 1},
        {"0*5", 2, ReadStatus::SyntaxError, {kOld, kOld}, 1},
        {"*5", 2, ReadStatus::SyntaxError, {kOld, kOld}, 1},
        {"+2*5", 2, ReadStatus::SyntaxError, {kOld, kOld}, 1},
        {"2*3*4", 2, ReadStatus::SyntaxError, {kOld, kOld}, 1},
        {"1 2*x", 3, ReadStatus::SyntaxError, {1, kOld, kOld}, 1},
    };
    for (const auto& c : cases) {
        Check(c);
    }
}

TEST(FreeForm, NumberForms) {
    const ReadCase cases[] = {
        {"+5", 1, ReadStatus::Ok, {5}, 1},
        {"-5", 1, ReadStatus::Ok, {-5}, 1},
        {"5.", 1, ReadStatus::Ok, {5}, 1},
        {".5", 1, ReadStatus::Ok, {0.5}, 1},
        {"-.5", 1, ReadStatus::Ok, {-0.5}, 1},
        {"0.1", 1, ReadStatus::Ok, {0.1}, 1},
        {"1e5", 1, ReadStatus::Ok, {1e5}, 1},
        {"1E+5", 1, ReadStatus::Ok, {1e5}, 1},
        {"2.5e-1", 1, ReadStatus::Ok, {0.25}, 1},
        {"1d2 1D-2", 2, ReadStatus::Ok, {100, 0.01}, 1},
        {"1q3 1Q-3", 2, ReadStatus::Ok, {1000, 0.001}, 1},
        {"-1.230000000000000E-004", 1, ReadStatus::Ok, {-1.23e-4}, 1},
        {"9007199254740993", 1, ReadStatus::Ok, {9007199254740992.0}, 1}, // tie to even
        {"1.7976931348623157e308", 1, ReadStatus::Ok, {DBL_MAX}, 1},
        {"4.9e-324", 1, ReadStatus::Ok, {4.9e-324}, 1},
        {"1e-400 -1e-400", 2, ReadStatus::Ok, {0.0, -0.0}, 1}, // underflow reads as zero
        {"1e-99999999999999999999", 1, ReadStatus::Ok, {0.0}, 1},
        {"0e99999999999", 1, ReadStatus::Ok, {0.0}, 1},
        {"5)", 1, ReadStatus::Ok, {5}, 1}, // ")" ends a number
        {"5) 6", 2, ReadStatus::SyntaxError, {5, kOld}, 1},
        {"12 text after", 1, ReadStatus::Ok, {12}, 1},
    };
    for (const auto& c : cases) {
        Check(c);
    }
}

TEST(FreeForm, SyntaxErrors) {
    const char* const texts[] = {
        "abc",  "1a",   "x1",    "1.2.3", "1..2",  "+-5",  "--5",      "5-",
        "1-2",  "-",    "+",     ".",     "-.",    "1E",   "1E+",      "E5",
        ".E5",  "1.E5", "1e5e3", "1e5.3", "1e2d3", "NaN",  "Infinity", "-Infinity",
        "****", ")",    "1,x",   "1 2;",  "0x10",  "1\r2", "\xE4"};
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        double x = kOld, y = kOld;
        const ReadTarget targets[] = {DoubleTarget(x), DoubleTarget(y)};
        RecordReader in = RecordsFromText(std::string(t) + "\n9 9");
        const ReadStatus s = ReadFreeForm(in, targets, 2);
        EXPECT_STREQ(Name(s), Name(ReadStatus::SyntaxError));
        EXPECT_EQ(in.next, 1u); // the failing record is used up
    }
    // A NUL inside a dialog text, also right after digits, where a value is needed.
    double v[2] = {kOld, kOld};
    const ReadTarget t2[] = {DoubleTarget(v[0]), DoubleTarget(v[1])};
    EXPECT_EQ(ReadFreeFormText(std::string("5\0", 2), t2, 1), ReadStatus::SyntaxError);
    EXPECT_EQ(ReadFreeFormText(std::string("5 \0", 3), t2, 2), ReadStatus::SyntaxError);
    EXPECT_EQ(v[0], 5);
    EXPECT_EQ(ReadFreeFormText(std::string("6 \0", 3), t2, 1), ReadStatus::Ok);
    EXPECT_EQ(v[0], 6);
    // A record of a file with a NUL byte anywhere is no text: the read that takes it fails.
    Check({std::string("5 \0", 3), 1, ReadStatus::SyntaxError, {kOld}, 0});
    Check({std::string("5\n\0 6\n", 7), 2, ReadStatus::SyntaxError, {5, kOld}, 1});
    // The earlier target keeps what was read before the error.
    Check({"1 NaN", 2, ReadStatus::SyntaxError, {1, kOld}, 1});
    Check({"1\nInfinity", 2, ReadStatus::SyntaxError, {1, kOld}, 2});
}

TEST(FreeForm, EndOfInputAndConversionErrors) {
    const ReadCase cases[] = {
        {"", 2, ReadStatus::EndOfInput, {kOld, kOld}, 0},
        {"   \n\t\n", 2, ReadStatus::EndOfInput, {kOld, kOld}, 2},
        {"1", 2, ReadStatus::EndOfInput, {1, kOld}, 1},
        {"1,", 2, ReadStatus::EndOfInput, {1, kOld}, 1},
        {"1\n\n", 2, ReadStatus::EndOfInput, {1, kOld}, 2},
        {"1,,\n", 3, ReadStatus::EndOfInput, {1, kOld, kOld}, 1},
        {"1e999", 1, ReadStatus::ConversionError, {kOld}, 1},
        {"-1e999", 1, ReadStatus::ConversionError, {kOld}, 1},
        {"1.7976931348623159e308", 1, ReadStatus::ConversionError, {kOld}, 1},
        {"1e99999999999999999999", 1, ReadStatus::ConversionError, {kOld}, 1},
        {"2 1e400", 2, ReadStatus::ConversionError, {2, kOld}, 1},
        {"2\n3 1D400", 3, ReadStatus::ConversionError, {2, 3, kOld}, 2},
    };
    for (const auto& c : cases) {
        Check(c);
    }
}

TEST(FreeForm, EachReadStartsAtTheNextRecord) {
    RecordReader in = RecordsFromText("1 2 3 4\n5 6\n\n7\n8\n9 /\n10,,\n");
    double x = 0, y = 0;
    const ReadTarget t[] = {DoubleTarget(x), DoubleTarget(y)};
    ASSERT_EQ(ReadFreeForm(in, t, 2), ReadStatus::Ok);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    ASSERT_EQ(ReadFreeForm(in, t, 2), ReadStatus::Ok);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    ASSERT_EQ(ReadFreeForm(in, t, 2), ReadStatus::Ok); // skips the empty record
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(in.next, 5u);
    ASSERT_EQ(ReadFreeForm(in, t, 2), ReadStatus::Ok); // slash: y keeps 8
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, 8);
    ASSERT_EQ(ReadFreeForm(in, t, 2), ReadStatus::Ok); // null: y keeps 8
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(in.next, 7u);
    EXPECT_EQ(ReadFreeForm(in, t, 2), ReadStatus::EndOfInput);
    EXPECT_EQ(ReadFreeForm(in, t, 2), ReadStatus::EndOfInput);
    EXPECT_EQ(in.next, 7u);
}

TEST(FreeForm, ReadWithoutTargetsUsesOneRecord) {
    RecordReader in = RecordsFromText("junk\n3");
    EXPECT_EQ(ReadFreeForm(in, nullptr, 0), ReadStatus::Ok);
    EXPECT_EQ(in.next, 1u);
    double x = 0;
    const ReadTarget t[] = {DoubleTarget(x)};
    EXPECT_EQ(ReadFreeForm(in, t, 1), ReadStatus::Ok);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(ReadFreeForm(in, t, 0), ReadStatus::Ok);
    EXPECT_EQ(in.next, 2u);
}

struct IntCase {
    const char* text;
    ReadStatus status;
    std::int32_t value;
};

TEST(FreeForm, IntegerTargetsTruncateTowardZero) {
    const IntCase cases[] = {
        {"5", ReadStatus::Ok, 5},
        {"-5", ReadStatus::Ok, -5},
        {"2.7", ReadStatus::Ok, 2},
        {"-2.7", ReadStatus::Ok, -2},
        {"-0.5", ReadStatus::Ok, 0},
        {".9", ReadStatus::Ok, 0},
        {"1e3", ReadStatus::Ok, 1000},
        {"2.5d1", ReadStatus::Ok, 25},
        {"-2.99e0", ReadStatus::Ok, -2},
        {"1e-5", ReadStatus::Ok, 0},
        {"00000000000000000012", ReadStatus::Ok, 12},
        {"2147483647", ReadStatus::Ok, 2147483647},
        {"2147483647.9", ReadStatus::Ok, 2147483647},
        {"-2147483648", ReadStatus::Ok, -2147483647 - 1},
        {"-2147483648.5", ReadStatus::Ok, -2147483647 - 1},
        {"2147483648", ReadStatus::ConversionError, 77},
        {"-2147483649", ReadStatus::ConversionError, 77},
        {"12345678901", ReadStatus::ConversionError, 77},
        {"3e9", ReadStatus::ConversionError, 77},
        {"-3e9", ReadStatus::ConversionError, 77},
        {"1e999", ReadStatus::ConversionError, 77},
        {"abc", ReadStatus::SyntaxError, 77},
        {"", ReadStatus::EndOfInput, 77},
    };
    for (const auto& c : cases) {
        std::int32_t n = 77;
        const ReadTarget t[] = {IntTarget(n)};
        EXPECT_STREQ(Name(ReadFreeFormText(c.text, t, 1)), Name(c.status)) << c.text;
        EXPECT_EQ(n, c.value) << c.text;
    }
}

TEST(FreeForm, MixedTargetsShareARepeat) {
    double x = 0;
    std::int32_t n = 0;
    const ReadTarget t[] = {DoubleTarget(x), IntTarget(n)};
    EXPECT_EQ(ReadFreeFormText("2*1.5", t, 2), ReadStatus::Ok);
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(n, 1);
}

TEST(FreeFormText, DialogFields) {
    struct Case {
        std::string text;
        ReadStatus status;
        double value;
    };
    const Case cases[] = {
        {"           1.0000   ", ReadStatus::Ok, 1.0},
        {"         -12.0000", ReadStatus::Ok, -12.0},
        {"1,5", ReadStatus::Ok, 1.0},
        {"", ReadStatus::EndOfInput, kOld},
        {std::string(20, ' '), ReadStatus::EndOfInput, kOld},
        {std::string("\0                   ", 20), ReadStatus::SyntaxError, kOld},
        {std::string(17, '*'), ReadStatus::SyntaxError, kOld},
        {"1.5 Meter", ReadStatus::Ok, 1.5},
        {"1e999", ReadStatus::ConversionError, kOld},
    };
    for (const auto& c : cases) {
        double x = kOld;
        const ReadTarget t[] = {DoubleTarget(x)};
        EXPECT_STREQ(Name(ReadFreeFormText(c.text, t, 1)), Name(c.status)) << '"' << c.text << '"';
        EXPECT_EQ(x, c.value) << '"' << c.text << '"';
    }
}

std::vector<std::string> AllRecords(RecordReader& in, RecordStatus& end) {
    std::vector<std::string> records;
    std::string r;
    while ((end = in.fetch(r)) == RecordStatus::Ok) {
        records.push_back(r);
    }
    return records;
}

TEST(RecordsFromText, SplitsAtLineFeeds) {
    using V = std::vector<std::string>;
    const std::string longest(MAX_RECORD_LENGTH, '7');
    struct Case {
        std::string text;
        V records;
        RecordStatus end;
    } cases[] = {
        {"", V{}, RecordStatus::End},
        {"a", V{"a"}, RecordStatus::End},
        {"\n", V{""}, RecordStatus::End},
        {"a\r\nb\r\n", V{"a", "b"}, RecordStatus::End},
        {"a\n\nb", V{"a", "", "b"}, RecordStatus::End},
        {"a\r", V{"a"}, RecordStatus::End},
        {"a\rb\n", V{"a\rb"}, RecordStatus::End},
        {longest + "\r\n" + longest, V{longest, longest}, RecordStatus::End},
        {"a\n" + longest + "8\r\nb\n", V{"a"}, RecordStatus::TooLong},
        {"a\n" + longest + "8", V{"a"}, RecordStatus::TooLong},
        {"a\n" + std::string(5000000, 'x') + "\n", V{"a"}, RecordStatus::TooLong},
        {std::string("a\nb\0c\nd\n", 9), V{"a"}, RecordStatus::NotText},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        RecordReader in = RecordsFromText(c.text);
        RecordStatus end = RecordStatus::Ok;
        EXPECT_EQ(AllRecords(in, end), c.records);
        EXPECT_EQ(end, c.end);
        std::string r;
        EXPECT_EQ(in.fetch(r), c.end) << "the end stays";
    }
}

TEST(RecordsFromStream, ReadsOnlyWhatTheReadsTake) {
    // An endless stream of records: the reads must finish without looking beyond.
    const std::string line = "1.5 -2\r\n";
    long long served = 0;
    RecordReader in = RecordsFromStream([&](char* buffer, std::size_t size) -> long long {
        for (std::size_t i = 0; i < size; ++i) {
            buffer[i] = line[(served + i) % line.size()];
        }
        served += size;
        return static_cast<long long>(size);
    });
    double x = 0, y = 0;
    const ReadTarget t[] = {DoubleTarget(x), DoubleTarget(y)};
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(ReadFreeForm(in, t, 2), ReadStatus::Ok);
    }
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(y, -2);
    EXPECT_EQ(in.next, 100u);
    EXPECT_LE(served, 65536);
}

TEST(RecordsFromStream, FailuresOfTheInputEndTheRead) {
    // A stream that fails after its first records, and one whose record is too long.
    int calls = 0;
    RecordReader failing = RecordsFromStream([&](char* buffer, std::size_t) -> long long {
        if (calls++ > 0) {
            return -1;
        }
        std::memcpy(buffer, "1 2\n3", 5);
        return 5;
    });
    double x = 0, y = 0;
    const ReadTarget t[] = {DoubleTarget(x), DoubleTarget(y)};
    EXPECT_EQ(ReadFreeForm(failing, t, 2), ReadStatus::Ok);
    EXPECT_EQ(ReadFreeForm(failing, t, 2), ReadStatus::ReadFailure);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(ReadFreeForm(failing, t, 0), ReadStatus::ReadFailure);

    RecordReader tooLong = RecordsFromText("4\n" + std::string(MAX_RECORD_LENGTH + 1, '5'));
    EXPECT_EQ(ReadFreeForm(tooLong, t, 2), ReadStatus::RecordTooLong);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(tooLong.next, 1u);
}

} // namespace
