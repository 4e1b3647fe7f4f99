#include "resultfile.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#endif
#endif

namespace fs = std::filesystem;

namespace {

// A field of 24 columns whose text ends in column `end` (1-based within the field).
std::string FieldEnding(const std::string& text, int end) {
    std::string field(RESULT_FIELD_WIDTH, ' ');
    field.replace(end - text.size(), text.size(), text);
    return field;
}

// The record for a line of the file: x field text ending in column xEnd, y in column yEnd.
std::string Record(const std::string& x, int xEnd, const std::string& y, int yEnd) {
    return FieldEnding(x, xEnd) + FieldEnding(y, yEnd - 24) + "\r\n";
}

std::string RecordOf(double x, double y) {
    return ResultNumberField(x) + ResultNumberField(y) + "\r\n";
}

ResultTable TableOf(double x, double y) {
    ResultTable t;
    for (int i = 0; i < POINT_COUNT; ++i) {
        t.xValues[i] = x + i;
        t.yValues[i] = y - i;
    }
    return t;
}

bool SameBits(const ResultTable& a, const ResultTable& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Lines(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line + "\r\n";
    }
    return text;
}

TEST(ResultNumberField, ExampleRecords) {
    struct Case {
        double x, y;
        std::string record;
    } cases[] = {
        {-12, 1, Record("-12.0000000000000", 19, "1.00000000000000", 43)},
        {12, 2.5, Record("12.0000000000000", 19, "2.50000000000000", 43)},
        {0.5, -0.000123, Record("0.500000000000000", 19, "-1.230000000000000E-004", 48)},
        {1e20, 0, Record("1.000000000000000E+020", 24, "0.000000000000000E+000", 48)},
        {1.0 / 3, -2.0 / 3, Record("0.333333333333333", 19, "-0.666666666666667", 43)},
        {1.23456789012345e14, 999999999999999.5,
         Record("123456789012345.", 19, "9.999999999999995E+014", 48)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(RecordOf(c.x, c.y), c.record);
    }
}

TEST(ResultNumberField, FormBoundariesAndSpecialValues) {
    struct Case {
        double v;
        std::string field;
    } cases[] = {
        {-0.0, "  0.000000000000000E+000"},
        {std::numeric_limits<double>::quiet_NaN(), " NaN" + std::string(20, ' ')},
        {INFINITY, " Infinity" + std::string(15, ' ')},
        {-INFINITY, " -Infinity" + std::string(14, ' ')},
        // The form is chosen after rounding to 15 digits.
        {0.1, FieldEnding("0.100000000000000", 19)},
        {0.09999999999999999, FieldEnding("0.100000000000000", 19)},
        {0.0999999999999999, FieldEnding("9.999999999999989E-002", 24)},
        {-0.0999999999999999, FieldEnding("-9.999999999999989E-002", 24)},
        {999999999999999.4, FieldEnding("999999999999999.", 19)},
        {-999999999999999.4, FieldEnding("-999999999999999.", 19)},
        {999999999999999.9, FieldEnding("9.999999999999999E+014", 24)},
        {1e15, FieldEnding("1.000000000000000E+015", 24)},
        {9.9999999999999995, FieldEnding("10.0000000000000", 19)},
        {-0.5, FieldEnding("-0.500000000000000", 19)},
        {2.5e-15, FieldEnding("2.500000000000000E-015", 24)}, // exact digits of the double
        {4.9406564584124654e-324, FieldEnding("4.940656458412465E-324", 24)},
        {1e308, FieldEnding("1.000000000000000E+308", 24)},
        {-1e-100, FieldEnding("-1.000000000000000E-100", 24)},
        // Ties on the exact decimal value of the double go to even.
        {0.125, FieldEnding("0.125000000000000", 19)},
        {1.5e-3, FieldEnding("1.500000000000000E-003", 24)},
        {100000000000000.5, FieldEnding("100000000000000.", 19)},
        {100000000000001.5, FieldEnding("100000000000002.", 19)},
        {1000000000000000.5, FieldEnding("1.000000000000000E+015", 24)},
        {1000000000000001.5, FieldEnding("1.000000000000002E+015", 24)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(ResultNumberField(c.v), c.field);
    }
}

TEST(ResultNumberField, LargestDoubleStillReadsBack) {
    // Rounded to nearest, DBL_MAX would be written as 1.797693134862316E+308, which lies
    // beyond the largest double and could not be loaded again.
    const std::string field = ResultNumberField(DBL_MAX);
    EXPECT_EQ(field, FieldEnding("1.797693134862315E+308", 24));
    EXPECT_EQ(ResultNumberField(-DBL_MAX), FieldEnding("-1.797693134862315E+308", 24));
    double back = 0;
    const ReadTarget target = DoubleTarget(back);
    ASSERT_EQ(ReadFreeFormText(field, &target, 1), ReadStatus::Ok);
    EXPECT_EQ(ResultNumberField(back), field);
}

// The process's peak memory so far; 0 where it cannot be had.
long PeakMemoryKiB() {
#ifdef _WIN32
    return 0;
#else
    rusage usage{};
    return ::getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
#endif
}

class ResultFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetFormulaModel(); }
    void TearDown() override { ResetFormulaModel(); }
};

TEST_F(ResultFileTest, DefaultTableFile) {
    const std::string zeros = ResultFileContent(resultTable);
    EXPECT_EQ(zeros.size(), 5000u);
    EXPECT_EQ(zeros.substr(0, 50),
              Record("0.000000000000000E+000", 24, "0.000000000000000E+000", 48));

    ComputeFormula();
    const std::string content = ResultFileContent(resultTable);
    ASSERT_EQ(content.size(), 5000u);
    EXPECT_EQ(content.substr(0, 50), Record("-12.0000000000000", 19, "-0.862681470683839", 43));
    EXPECT_EQ(content.substr(4950), Record("12.0000000000000", 19, "0.671411166053717", 43));
    for (std::size_t i = 0; i < 100; ++i) {
        EXPECT_EQ(content.substr(i * 50 + 48, 2), "\r\n");
        EXPECT_EQ(content[i * 50], ' ');
        EXPECT_EQ(content[i * 50 + 24], ' ');
    }
}

TEST_F(ResultFileTest, WrittenContentReadsBackToWhatItShows) {
    ComputeFormula();
    const ResultTable computed = resultTable;
    ResultTable extreme = TableOf(0, 0);
    const double values[] = {4.9406564584124654e-324,
                             2.2250738585072014e-308,
                             -2.2250738585072009e-308,
                             1e308,
                             DBL_MAX,
                             -DBL_MAX,
                             -0.0,
                             0.09999999999999999,
                             0.0999999999999999,
                             999999999999999.4,
                             999999999999999.9,
                             -999999999999999.5,
                             1e15,
                             123456.78901234567,
                             -1.0 / 3};
    int k = 0;
    for (double v : values) {
        extreme.xValues[k] = v;
        extreme.yValues[k] = -v;
        ++k;
    }
    for (const ResultTable* original : {&computed, static_cast<const ResultTable*>(&extreme)}) {
        const std::string content = ResultFileContent(*original);
        ResultTable back = TableOf(7, 7);
        IoError error{};
        ASSERT_TRUE(ParseResultFile(content, back, error)) << IoErrorText(error);
        EXPECT_EQ(ResultFileContent(back), content);
        for (int i = 0; i < POINT_COUNT; ++i) {
            const double x = original->xValues[i];
            EXPECT_NEAR(back.xValues[i], x, std::fabs(x) * 1e-14) << i;
        }
    }
}

struct LoadCase {
    const char* name;
    std::string content;
    double x1, y1, x2, y2; // expected points 1 and 2 (the others are not checked)
};

TEST(ParseResultFile, LoadsFilesFromElsewhere) {
    const std::string rest = Lines("3 4", 98);
    const LoadCase cases[] = {
        {"four numbers on line 1", "1 2 8 9\r\n5 6\r\n" + rest, 1, 2, 5, 6},
        {"one number a line",
         Lines("1", 1) + Lines("2", 1) + Lines("5", 1) + Lines("6", 1) + Lines("3\r\n4", 98), 1, 2,
         5, 6},
        {"bare line feeds and tabs", "1\t2\n\t5  6\n" + rest, 1, 2, 5, 6},
        {"comma", "1,5\r\n 5 , 6\r\n" + rest, 1, 5, 5, 6},
        {"null value keeps y", "1,,\r\n5 6\r\n" + rest, 1, -100, 5, 6},
        {"slash keeps y", "1 / 9\r\n5 6\r\n" + rest, 1, -100, 5, 6},
        {"slash keeps both", "/\r\n5 6\r\n" + rest, 100, -100, 5, 6},
        {"D and Q exponents", "1.5D+002 -2.5Q-001\r\n5d0 6q0\r\n" + rest, 150, -0.25, 5, 6},
        {"lower case exponent", "1.5e2 2.5E-1\r\n5e0 6e+0\r\n" + rest, 150, 0.25, 5, 6},
        {"text after the last record", "1 2\r\n5 6\r\n" + rest + "not read\r\n", 1, 2, 5, 6},
        {"no line end at the end", "1 2\r\n5 6\r\n" + rest.substr(0, rest.size() - 2), 1, 2, 5, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResultTable table = TableOf(100, -100);
        IoError error{};
        ASSERT_TRUE(ParseResultFile(c.content, table, error)) << IoErrorText(error);
        EXPECT_EQ(table.xValues[0], c.x1);
        EXPECT_EQ(table.yValues[0], c.y1);
        EXPECT_EQ(table.xValues[1], c.x2);
        EXPECT_EQ(table.yValues[1], c.y2);
        EXPECT_EQ(table.xValues[99], 3);
        EXPECT_EQ(table.yValues[99], 4);
    }
}

struct FailCase {
    const char* name;
    std::string content;
    IoError error;
    const char* text;
};

TEST(ParseResultFile, FailedLoadReportsAndLeavesTheTable) {
    const std::string good = Lines("1 2", 99);
    const FailCase cases[] = {
        {"99 lines", good, IoError::EndOfFile, "end-of-file during read"},
        {"empty file", "", IoError::EndOfFile, "end-of-file during read"},
        {"last value missing", good + "1\r\n", IoError::EndOfFile, "end-of-file during read"},
        {"NaN field", good + ResultNumberField(NAN) + ResultNumberField(1) + "\r\n",
         IoError::SyntaxError, "list-directed I/O syntax error"},
        {"Infinity field", good + RecordOf(1, INFINITY), IoError::SyntaxError,
         "list-directed I/O syntax error"},
        {"minus Infinity first", RecordOf(-INFINITY, 1) + good, IoError::SyntaxError,
         "list-directed I/O syntax error"},
        {"asterisks", good + std::string(24, '*') + " 1\r\n", IoError::SyntaxError,
         "list-directed I/O syntax error"},
        {"two signs", "--1 2\r\n" + good, IoError::SyntaxError, "list-directed I/O syntax error"},
        {"letters", good + "x y\r\n", IoError::SyntaxError, "list-directed I/O syntax error"},
        {"NUL", good + std::string("1 \0 2\r\n", 7), IoError::SyntaxError,
         "list-directed I/O syntax error"},
        {"out of range", good + "1 1e999\r\n", IoError::ConversionError, "input conversion error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ResultTable before = TableOf(100, -100);
        ResultTable table = before;
        IoError error{};
        EXPECT_FALSE(ParseResultFile(c.content, table, error));
        EXPECT_EQ(error, c.error);
        EXPECT_STREQ(IoErrorText(error), c.text);
        EXPECT_TRUE(SameBits(table, before));
    }
}

// A folder of its own under the system's temporary folder, removed afterwards.
class ResultFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("formula_tests_") + info->name() + "_" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this) & 0xFFFFFF));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(dir_, ec)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(dir_, ec);
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    static std::string FileContent(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void PutFile(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    fs::path dir_;
};

TEST_F(ResultFileOnDisk, SaveThenLoad) {
    ResetFormulaModel();
    ComputeFormula();
    const ResultTable computed = resultTable;
    const std::string path = PathOf("Lorvex_Ergebnis.dat");
    IoError error{};
    ASSERT_TRUE(WriteResultFile(path, computed, error)) << IoErrorText(error);
    EXPECT_EQ(fs::file_size(path), 5000u);
    EXPECT_EQ(FileContent(path), ResultFileContent(computed));
    EXPECT_EQ(Names(), std::set<std::string>{"Lorvex_Ergebnis.dat"});

    ResultTable loaded = TableOf(1, 1);
    ASSERT_TRUE(ReadResultFile(path, loaded, error)) << IoErrorText(error);
    EXPECT_EQ(ResultFileContent(loaded), ResultFileContent(computed));
    ResetFormulaModel();
}

TEST_F(ResultFileOnDisk, SavingOverALongerFileLeaves5000Bytes) {
    const std::string path = PathOf("old.dat");
    PutFile(path, std::string(12345, 'x'));
    IoError error{};
    const ResultTable table = TableOf(1, 2);
    ASSERT_TRUE(WriteResultFile(path, table, error)) << IoErrorText(error);
    EXPECT_EQ(FileContent(path), ResultFileContent(table));
    EXPECT_EQ(Names(), std::set<std::string>{"old.dat"});
}

TEST_F(ResultFileOnDisk, SavingToAReadOnlyFileLeavesIt) {
    const std::string path = PathOf("locked.dat");
    PutFile(path, "keep me\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    IoError error{};
    EXPECT_FALSE(WriteResultFile(path, TableOf(1, 2), error));
    EXPECT_EQ(error, IoError::WriteReadOnly);
    EXPECT_STREQ(IoErrorText(error), "write to READONLY file");
    EXPECT_EQ(FileContent(path), "keep me\r\n");
    EXPECT_EQ(Names(), std::set<std::string>{"locked.dat"});
}

TEST_F(ResultFileOnDisk, SavingIntoAMissingFolderFailsCleanly) {
    const std::string path = PathOf("missing/sub/result.dat");
    IoError error{};
    EXPECT_FALSE(WriteResultFile(path, TableOf(1, 2), error));
    EXPECT_TRUE(error == IoError::FileNotFound || error == IoError::OpenFailure)
        << IoErrorText(error);
    EXPECT_TRUE(Names().empty());
}

TEST_F(ResultFileOnDisk, SavingOverAFolderFails) {
    fs::create_directory(dir_ / "folder.dat");
    IoError error{};
    EXPECT_FALSE(WriteResultFile(PathOf("folder.dat"), TableOf(1, 2), error));
    EXPECT_EQ(error, IoError::OpenFailure);
    EXPECT_EQ(Names(), std::set<std::string>{"folder.dat"});
}

TEST_F(ResultFileOnDisk, LoadFailuresLeaveTheTable) {
    fs::create_directory(dir_ / "folder.dat");
    PutFile(PathOf("short.dat"), Lines("1 2", 99));
    PutFile(PathOf("zerobyte.dat"),
            Lines("1 2", 5) + std::string("3 4\0\r\n", 6) + Lines("1 2", 94));
    std::string bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes += static_cast<char>(i * 7);
    }
    PutFile(PathOf("binary.dat"), bytes);
    // No line end and no NUL for far longer than any record.
    std::string oneLine = "1 2\r\n";
    for (int i = 0; i < 100000; ++i) {
        oneLine += static_cast<char>(' ' + i % 90);
    }
    PutFile(PathOf("oneline.dat"), oneLine);
    struct Case {
        std::string name;
        IoError error;
        const char* text;
    } cases[] = {
        {"absent.dat", IoError::FileNotFound, "file not found"},
        {"nofolder/absent.dat", IoError::FileNotFound, "file not found"},
        {"folder.dat", IoError::OpenFailure, "open failure"},
        {"short.dat", IoError::EndOfFile, "end-of-file during read"},
        {"zerobyte.dat", IoError::SyntaxError, "list-directed I/O syntax error"},
        {"binary.dat", IoError::SyntaxError, "list-directed I/O syntax error"},
        {"oneline.dat", IoError::InputRecordTooLong, "input record too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ResultTable before = TableOf(3, 4);
        ResultTable table = before;
        IoError error{};
        EXPECT_FALSE(ReadResultFile(PathOf(c.name), table, error));
        EXPECT_EQ(error, c.error);
        EXPECT_STREQ(IoErrorText(error), c.text);
        EXPECT_TRUE(SameBits(table, before));
    }
}

// The table for a = 1, b = 2, n = 4, s = 1, m = 2 and abscissae from 1e11 to 1e15 (angles up
// to 6.4e14), as the native build computes it; every build must compute the same bits.
const double LARGE_ABSCISSA_Y[POINT_COUNT] = {
    0x1.d7fc54955b7d9p+2,  0x1.083bce5bada7dp+2,  -0x1.250eb12cf4f24p+2, -0x1.97808a9508ad8p-2,
    -0x1.c37b5649315a4p+0, -0x1.2472735da97c8p+0, -0x1.028c357ddef0ep-1, -0x1.ad2c15cc9c483p+0,
    0x1.85238c220ebfcp-1,  -0x1.2356f56debe48p+1, 0x1.214f48cfb151dp+2,  0x1.d16b6804b95cbp+2,
    -0x1.c8db0c17ec2ap+1,  -0x1.c0a331f6f3d06p+0, -0x1.86b0e2c475f1ep-1, -0x1.0374279dfb41p+1,
    0x1.5a8fe6efe328p-5,   -0x1.010198f3d4382p+1, 0x1.187be5112980ep-1,  -0x1.8ccc78a41dc8dp+0,
    0x1.54fa028c44636p+0,  0x1.17d2480eb4154p+3,  -0x1.d09446369c386p-1, -0x1.b8ab3d87c8514p+1,
    -0x1.5cda72dd892p-5,   -0x1.3751402169626p+1, -0x1.c7a192e2f034p-5,  -0x1.a33db3e5ab1b5p+0,
    -0x1.7c68fe31c2ep-2,   -0x1.4e9dd126732p-2,   -0x1.2da7d35cafbe4p+0, 0x1.02154342c6d8cp+3,
    0x1.5fa1ca3a7db9cp+1,  -0x1.20b03136d1ba8p+2, -0x1.0b179049c484p-3,  -0x1.05ef78288a1cap+1,
    -0x1.9a32a9602459p-1,  -0x1.ac1a65a07c49fp-1, -0x1.6618a13e0c194p+0, 0x1.2a019ce66e7a8p-1,
    -0x1.207a1f9a70003p+1, 0x1.6de9e4e8d7ec5p+2,  0x1.934da0422f76ep+2,  -0x1.0ad71d1c14276p+2,
    -0x1.2f9fcb3d2a87p+0,  -0x1.20988a5a40c45p+0, -0x1.c7cd39bda1b95p+0, -0x1.896449c832c5p-4,
    -0x1.feaf6b835c57dp+0, 0x1.9bcb4d7661ap-1,    -0x1.e888067632398p+0, 0x1.35aa099b0c79ep+1,
    0x1.0e7a8b5d3ce44p+3,  -0x1.05a4ed749d6c2p+1, -0x1.6839c444666c4p+1, -0x1.0c9c0fc14d0a6p-2,
    -0x1.253b66c2c9814p+1, 0x1.fe99ba991a9p-5,    -0x1.cd531801b5988p+0, 0x1.bcfcefb8aaecp-6,
    -0x1.86383536bd3c2p-1, -0x1.b1234b6e6d068p-2, 0x1.12a7887508599p+3,  0x1.66262b22167e2p+0,
    -0x1.1049c07a4f00cp+2, 0x1.164bec9147f2p-4,   -0x1.247234d854874p+1, -0x1.c26bf72ccb24p-2,
    -0x1.37affe8f99394p+0, -0x1.f9904d9cd99ccp-1, 0x1.1e5826494d1c4p-2,  -0x1.031b7a9fa6524p+1,
    0x1.ae4718d08a906p+2,  0x1.43d6dee6a35a4p+2,  -0x1.1f3682be9277bp+2, -0x1.7114bc79bbbp-1,
    -0x1.876e0a069de2p+0,  -0x1.86ccd76cfe091p+0, -0x1.f78fc4d9d4408p-3, -0x1.d2d048edfdc2bp+0,
    0x1.9655d656348d8p-1,  -0x1.1886cc9528673p+1, 0x1.d97e4c6f2dda2p+1,  0x1.fbbee91bdc96ep+2,
    -0x1.84444541c5b81p+1, -0x1.169e920fe6546p+1, -0x1.034276a08f95bp-1, -0x1.1a6fe0a46a784p+1,
    0x1.c060408a3e2cp-4,   -0x1.061cfa07d7cfcp+1, 0x1.53b18fe513facp-2,  -0x1.3e32f2792a29p+0,
    0x1.2449816ac7504p-1,  0x1.1918ad9cec0eep+3,  -0x1.b6f19dd909e4p-5,  -0x1.ef2820688a682p+1,
    -0x1.0a9d1b903ef8p-7,  -0x1.336f137d620eep+1, -0x1.e3a77d14ffb6p-4,  -0x1.5bb86d03c1b99p+0,
};

// FNV-1a of a file's bytes.
std::uint64_t Fingerprint(const std::string& bytes) {
    std::uint64_t h = 14695981039346656037u;
    for (unsigned char c : bytes) {
        h = (h ^ c) * 1099511628211u;
    }
    return h;
}

TEST_F(ResultFileOnDisk, LargeAbscissaTableIsTheSameInEveryBuild) {
    ResetFormulaModel();
    formulaModel.xMin = 1e11;
    formulaModel.xMax = 1e15;
    ComputeFormula();
    for (int i = 0; i < POINT_COUNT; ++i) {
        EXPECT_EQ(resultTable.yValues[i], LARGE_ABSCISSA_Y[i]) << "point " << i + 1;
    }
    const std::string path = PathOf("Lorvex_Ergebnis.dat");
    IoError error{};
    ASSERT_TRUE(WriteResultFile(path, resultTable, error)) << IoErrorText(error);
    const std::string saved = FileContent(path);
    EXPECT_EQ(saved.substr(0, 50), Record("100000000000.000", 19, "7.37477602563555", 43));
    EXPECT_EQ(saved.substr(4950), Record("1.000000000000000E+015", 24, "-1.35828286496846", 43));
    EXPECT_EQ(Fingerprint(saved), 0x0fb3ea51ddd2d6eeu);
    ResetFormulaModel();
}

TEST_F(ResultFileOnDisk, HugeFileLoadsItsFirstLinesOnly) {
    // 200 lines of one number each make the 100 points; then a few hundred MB that the
    // reads never reach: more lines, and a hole of NUL bytes that is no text.
    const std::string path = PathOf("huge.dat");
    std::string head;
    for (int i = 0; i < POINT_COUNT; ++i) {
        head += std::to_string(i) + ".5\r\n" + std::to_string(-i) + "\n";
    }
    PutFile(path, head + Lines("7 8", 1000) + "not a number\r\n");
    fs::resize_file(path, 400u << 20);
    ResultTable table = TableOf(3, 4);
    IoError error{};
    const long before = PeakMemoryKiB();
    ASSERT_TRUE(ReadResultFile(path, table, error)) << IoErrorText(error);
    EXPECT_LT(PeakMemoryKiB() - before, 32 * 1024) << "the load took memory for the whole file";
    for (int i = 0; i < POINT_COUNT; ++i) {
        EXPECT_EQ(table.xValues[i], i + 0.5);
        EXPECT_EQ(table.yValues[i], -i);
    }
}

TEST_F(ResultFileOnDisk, SavingUnderANameOrPathAtTheSystemsLimit) {
    // The longest name a folder takes, and (under Windows) the longest path; the file saves
    // all the same, beside files whose names the save could have taken for its own.
    std::string longest(255, 'n');
#ifdef _WIN32
    const std::string folder = PathOf("");
    longest = longest.substr(0, MAX_PATH - 1 - folder.size());
#endif
    const std::string path = PathOf(longest);
    std::string beside = longest;
    beside.back() = '~';
    PutFile(PathOf(beside), "not ours\r\n");
    const ResultTable table = TableOf(1, 2);
    IoError error{};
    ASSERT_TRUE(WriteResultFile(path, table, error)) << IoErrorText(error);
    EXPECT_EQ(FileContent(path), ResultFileContent(table));
    EXPECT_EQ(FileContent(PathOf(beside)), "not ours\r\n");
    EXPECT_EQ(Names(), (std::set<std::string>{longest, beside}));

    EXPECT_FALSE(WriteResultFile("", table, error));
    EXPECT_EQ(error, IoError::OpenFailure);
}

TEST_F(ResultFileOnDisk, FailedWriteReportsItAndKeepsTheOldFile) {
#ifdef _WIN32
    // Another program holds the target open without sharing: it cannot be replaced.
    const std::string path = PathOf("held.dat");
    PutFile(path, "old content\r\n");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    IoError error{};
    const bool saved = WriteResultFile(path, TableOf(1, 2), error);
    CloseHandle(held);
#else
    // A limit on the file size stands in for a full disk: the open succeeds, the write fails.
    const std::string path = PathOf("full.dat");
    PutFile(path, "old content\r\n");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    IoError error{};
    const bool saved = WriteResultFile(path, TableOf(1, 2), error);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
#endif
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, IoError::WriteError);
    EXPECT_EQ(IoErrorReport(error, RESULT_FILE_UNIT, "x.dat"),
              "severe (38): error during write, unit 7, file x.dat");
    EXPECT_EQ(FileContent(path), "old content\r\n");
    EXPECT_EQ(Names(), std::set<std::string>{fs::path(path).filename().string()});
}

#ifndef _WIN32
// Drops from this process the rights by which the superuser reads any file
// (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH), so that a file's permissions hold for it as for
// any user; an ordinary user has nothing to drop.
bool DropRightToReadAnyFile() {
#ifdef __linux__
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const unsigned bit = 1u << (cap % 32);
        data[cap / 32].effective &= ~bit;
        data[cap / 32].permitted &= ~bit;
        data[cap / 32].inheritable &= ~bit;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
#else
    return ::geteuid() != 0;
#endif
}

// What a load of `path` reported in a child process that cannot read every file.
struct GuardedLoad {
    bool rightsDropped = false;
    bool loaded = false;
    IoError error{};
    bool tableKept = false;
};

GuardedLoad LoadWithoutTheRightToReadAnyFile(const std::string& path) {
    GuardedLoad outcome;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        ADD_FAILURE() << "no pipe";
        return outcome;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        GuardedLoad seen;
        seen.rightsDropped = DropRightToReadAnyFile();
        const ResultTable before = TableOf(3, 4);
        ResultTable table = before;
        seen.loaded = ReadResultFile(path, table, seen.error);
        seen.tableKept = SameBits(table, before);
        const bool sent = ::write(pipeEnds[1], &seen, sizeof seen) == sizeof seen;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    if (child < 0) {
        ::close(pipeEnds[0]);
        ADD_FAILURE() << "no child process";
        return outcome;
    }
    const bool got = ::read(pipeEnds[0], &outcome, sizeof outcome) == sizeof outcome;
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(got && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child did not report";
    return outcome;
}

TEST_F(ResultFileOnDisk, UnreadableFileIsPermissionDenied) {
    // Also when the tests run as the superuser: the load runs in a child without the right to
    // read every file, so the file's permissions hold for it.
    const std::string path = PathOf("secret.dat");
    PutFile(path, Lines("1 2", 100));
    fs::permissions(path, fs::perms::none);
    const GuardedLoad load = LoadWithoutTheRightToReadAnyFile(path);
    ASSERT_TRUE(load.rightsDropped) << "could not give up the right to read every file";
    EXPECT_FALSE(load.loaded);
    EXPECT_EQ(load.error, IoError::PermissionDenied);
    EXPECT_STREQ(IoErrorText(load.error), "permission to access file denied");
    EXPECT_TRUE(load.tableKept);
}

TEST_F(ResultFileOnDisk, SavingThroughALinkWritesTheFileItNames) {
    const std::string path = PathOf("real.dat");
    PutFile(path, "old");
    fs::create_symlink(path, dir_ / "link.dat");
    IoError error{};
    ASSERT_TRUE(WriteResultFile(PathOf("link.dat"), TableOf(1, 2), error));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.dat"));
    EXPECT_EQ(FileContent(path), ResultFileContent(TableOf(1, 2)));
}
#endif

TEST(ResultFilePath, TextBeforeTheNulWithoutTrailingBlanks) {
    ResetFormulaModel();
    EXPECT_EQ(ResultFilePath(formulaModel.resultFileName, sizeof formulaModel.resultFileName),
              "Lorvex_Ergebnis.dat");
    struct Case {
        std::string field;
        const char* path;
    } cases[] = {
        {std::string("C:\\Daten\\a b.dat\0old name.dat  ", 30), "C:\\Daten\\a b.dat"},
        {"no nul at all      ", "no nul at all"},
        {"        ", ""},
        {std::string("\0abc", 4), ""},
        {"  leading kept", "  leading kept"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResultFilePath(c.field.data(), c.field.size()), c.path);
    }
}

} // namespace
