#include "formula.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

class FormulaTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetFormulaModel(); }
    void TearDown() override { ResetFormulaModel(); }
};

TEST_F(FormulaTest, StartValues) {
    EXPECT_EQ(formulaModel.xMax, 12.0);
    EXPECT_EQ(formulaModel.xMin, -12.0);
    EXPECT_EQ(formulaModel.s, 1.0);
    EXPECT_EQ(formulaModel.b, 2.0);
    EXPECT_EQ(formulaModel.a, 1.0);
    EXPECT_EQ(formulaModel.n, 4);
    EXPECT_EQ(formulaModel.m, 2);
    const std::string expectedName =
        std::string("Lorvex_Ergebnis.dat ") + '\0' + std::string(256 - 21, ' ');
    EXPECT_EQ(std::string(formulaModel.resultFileName, 256), expectedName);
    for (int i = 0; i < POINT_COUNT; ++i) {
        EXPECT_EQ(resultTable.xValues[i], 0.0);
        EXPECT_EQ(resultTable.yValues[i], 0.0);
    }
}

TEST_F(FormulaTest, DefaultsGiveTheKnownPoints) {
    ComputeFormula();
    // Abscissae are exact: they pin down the accumulation x = x + dx.
    EXPECT_EQ(resultTable.xValues[0], -12.0);
    EXPECT_EQ(resultTable.xValues[1], -11.757575757575758);
    EXPECT_EQ(resultTable.xValues[50], 0.12121212121211244);
    EXPECT_EQ(resultTable.xValues[99], 11.999999999999982);
    EXPECT_NEAR(resultTable.yValues[0], -0.8626814707, 1e-9);
    EXPECT_NEAR(resultTable.yValues[50], 8.181634668, 1e-9);
    EXPECT_NEAR(resultTable.yValues[99], 0.6714111661, 1e-9);
}

struct FirstPointCase {
    const char* name;
    double s;
    std::int32_t n;
    double y1;
};

TEST_F(FormulaTest, FirstPointForOtherParameters) {
    const FirstPointCase cases[] = {
        {"one term", 1.0, 1, -1.608273883},
        {"negative sign", -1.0, 4, -0.6714111661},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetFormulaModel();
        formulaModel.s = c.s;
        formulaModel.n = c.n;
        ComputeFormula();
        EXPECT_NEAR(resultTable.yValues[0], c.y1, 1e-9);
        EXPECT_EQ(resultTable.xValues[99], 11.999999999999982);
    }
}

TEST_F(FormulaTest, LargeAbscissaKeepsItsDigits) {
    // The runtime's x87 sine and cosine give -1408283.0404 here.
    formulaModel.a = 1000000.0;
    formulaModel.b = 2000000.0;
    formulaModel.xMin = 1e14;
    formulaModel.xMax = 1e14;
    ComputeFormula();
    EXPECT_NEAR(resultTable.yValues[0], -1408283.1297, 5e-5);
    EXPECT_EQ(resultTable.yValues[99], resultTable.yValues[0]);
}

TEST_F(FormulaTest, NoTermsGiveZeroWithUsualAbscissae) {
    for (std::int32_t n : {0, -1, -2147483647 - 1}) {
        SCOPED_TRACE(n);
        ResetFormulaModel();
        resultTable.yValues[7] = 42.0;
        formulaModel.n = n;
        ComputeFormula();
        for (int i = 0; i < POINT_COUNT; ++i) {
            EXPECT_EQ(resultTable.yValues[i], 0.0);
        }
        EXPECT_EQ(resultTable.xValues[1], -11.757575757575758);
        EXPECT_EQ(resultTable.xValues[99], 11.999999999999982);
    }
}

TEST_F(FormulaTest, ZeroDivisorGivesNaNWithoutTrapping) {
    formulaModel.m = 0;
    formulaModel.xMin = -49.5; // passes through x = 0 exactly: 0/0 as well as x/0
    formulaModel.xMax = 49.5;
    ComputeFormula();
    EXPECT_EQ(resultTable.xValues[49], -0.5);
    EXPECT_EQ(resultTable.xValues[50], 0.5);
    for (int i = 0; i < POINT_COUNT; ++i) {
        EXPECT_TRUE(std::isnan(resultTable.yValues[i])) << i;
    }
}

#ifdef __GLIBC__
TEST_F(FormulaTest, MasksExceptionsEvenWhenTheCallerTrapsThem) {
    // A caller (or a DLL it loaded) may have unmasked the exceptions; m = 0 must still give
    // NaN rather than a floating-point trap, and the caller's setting comes back.
    formulaModel.m = 0;
    feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    ComputeFormula();
    const int trapped = fegetexcept();
    fedisableexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(trapped, FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    EXPECT_TRUE(std::isnan(resultTable.yValues[0]));
}
#endif

TEST_F(FormulaTest, AbscissaeOfSpecialIntervals) {
    formulaModel.xMin = 0.0;
    formulaModel.xMax = 99.0;
    ComputeFormula();
    for (int i = 0; i < POINT_COUNT; ++i) {
        EXPECT_EQ(resultTable.xValues[i], static_cast<double>(i));
    }

    formulaModel.xMin = 5.0;
    formulaModel.xMax = 5.0;
    ComputeFormula();
    for (int i = 0; i < POINT_COUNT; ++i) {
        EXPECT_EQ(resultTable.xValues[i], 5.0);
    }

    formulaModel.xMin = 12.0;
    formulaModel.xMax = -12.0;
    ComputeFormula();
    EXPECT_EQ(resultTable.xValues[0], 12.0);
    EXPECT_EQ(resultTable.xValues[99], -11.999999999999982);
    for (int i = 1; i < POINT_COUNT; ++i) {
        EXPECT_LT(resultTable.xValues[i], resultTable.xValues[i - 1]);
    }
    // At x = 12 the sine terms change sign against x = -12: y(12) = -S + C while
    // y(-12) = S + C, and with s = -1, y(-12) = S - C, so y(12) is minus the latter.
    EXPECT_NEAR(resultTable.yValues[0], 0.6714111661, 1e-9);
}

struct BlankTailCase {
    const char* name;
    std::int32_t count;
    const char* expected;
};

TEST(BlankTail, KeepsCountCharactersAndBlanksTheRest) {
    const char start[20] = {'1', '.', '5', '\0', 'o', 'l', 'd', 'x', 'y', 'z',
                            'q', 'r', 's', 't',  'u', 'v', 'w', 'a', 'b', 'c'};
    const std::string original(start, 20);
    const BlankTailCase cases[] = {
        {"text length", 3, "1.5                 "},
        {"one", 1, "1                   "},
        {"zero", 0, nullptr},
        {"negative", -5, nullptr},
        {"whole field", 20, nullptr},
        {"beyond the field", 21, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        char field[20];
        std::memcpy(field, start, 20);
        BlankTail(field, 20, c.count);
        EXPECT_EQ(std::string(field, 20), c.expected ? std::string(c.expected, 20) : original);
    }
}

} // namespace
