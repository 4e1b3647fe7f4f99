#include "sincos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// The true sine or cosine as hi + lo: hi is the correctly rounded double, lo what remains.
struct TrueValue {
    double hi;
    double lo;
};

struct AngleCase {
    const char* name;
    double theta;
    TrueValue sine;
    TrueValue cosine;
};

// Computed once with mpmath at 400 bits (and again at 1600 bits, with the same doubles): the
// exact value of the angle's double, rounded to nearest for hi and the rest rounded for lo.
// The angles near multiples of pi/2 are the doubles nearest to k pi/2; the two near 2^49 and
// 2^53 are the best of the continued-fraction approximations of pi/2 there.
const AngleCase ANGLES[] = {
    {"zero", 0.0, {0.0, 0.0}, {0x1p+0, 0.0}},
    {"tiny", 0x1.56e1fc2f8f359p-997, {0x1.56e1fc2f8f359p-997, 0.0}, {0x1p+0, 0.0}},
    {"smallest subnormal", 0x1p-1074, {0x1p-1074, 0.0}, {0x1p+0, 0.0}},
    {"subnormal", 0x1.8p-1040, {0x1.8p-1040, 0.0}, {0x1p+0, 0.0}},
    {"small",
     0x1.5798ee2308c3ap-27,
     {0x1.5798ee2308c3ap-27, -0x1.9ca58cce0be35p-83},
     {0x1p+0, -0x1.cd2b297d889bcp-55}},
    {"one",
     0x1p+0,
     {0x1.aed548f090ceep-1, 0x1.06374f484e288p-59},
     {0x1.14a280fb5068cp-1, -0x1.b71edcc9344bcp-55}},
    {"near pi/4",
     0x1.921fb54442d18p-1,
     {0x1.6a09e667f3bccp-1, 0x1.7a7fb8d4bd43fp-55},
     {0x1.6a09e667f3bcdp-1, -0x1.ec4c7696139d5p-56}},
    {"pi/2",
     0x1.921fb54442d18p+0,
     {0x1p+0, -0x1.377ce858a5d48p-109},
     {0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110}},
    {"below pi/2",
     0x1.921fb54442d17p+0,
     {0x1p+0, -0x1.a0a9001e2d3d8p-105},
     {0x1.469898cc51702p-52, -0x1.1f1976b7ed8fdp-106}},
    {"above pi/2",
     0x1.921fb54442d19p+0,
     {0x1p+0, -0x1.0c8d39d9cefa2p-106},
     {-0x1.72cece675d1fdp-53, 0x1.c1cd129024e09p-107}},
    {"pi",
     0x1.921fb54442d18p+1,
     {0x1.1a62633145c07p-53, -0x1.f1976b7ed8fbdp-109},
     {-0x1p+0, 0x1.377ce858a5d48p-107}},
    {"above pi",
     0x1.921fb54442d19p+1,
     {-0x1.72cece675d1fdp-52, 0x1.c1cd129024e0bp-106},
     {-0x1p+0, 0x1.0c8d39d9cefa2p-104}},
    {"3 pi/2",
     0x1.2d97c7f3321d2p+2,
     {-0x1p+0, 0x1.5e6c8563ba8f1p-106},
     {-0x1.a79394c9e8a0ap-53, -0x1.456737b06ea19p-107}},
    {"2 pi",
     0x1.921fb54442d18p+2,
     {-0x1.1a62633145c07p-52, 0x1.f1976b7ed8fbfp-108},
     {0x1p+0, -0x1.377ce858a5d48p-105}},
    {"1e5",
     0x1.86ap+16,
     {0x1.24daa9c527e96p-5, 0x1.c767d8e3e1ca8p-60},
     {-0x1.ffac3841b3da7p-1, -0x1.b085bf2c1a978p-56}},
    {"near 63662 pi/2",
     0x1.86a0092755206p+16,
     {0x1.571e7dee4e1fap-39, 0x1.b4618d124b883p-93},
     {-0x1p+0, 0x1.cbe2b9165725bp-79}},
    {"below 2^20",
     0x1.fffffffffffffp+19,
     {0x1.526ccb2de52a8p-2, 0x1.504f1937c75e9p-59},
     {0x1.e33ada9352c61p-1, 0x1.89a9b70444bdep-57}},
    {"2^20",
     0x1p+20,
     {0x1.526ccb2fc8656p-2, -0x1.312bfebafe1dfp-56},
     {0x1.e33ada92fe2aep-1, -0x1.420bfaf737b2dp-57}},
    {"1e9",
     0x1.dcd65p+29,
     {0x1.1778cae83c69bp-1, 0x1.c7b04e0a2a2ddp-58},
     {0x1.acff8c7364234p-1, -0x1.f8b0e8a7df5a3p-55}},
    {"1.6e11",
     0x1.2a05f2p+37,
     {-0x1.ea12d0d0524fap-1, -0x1.0e22712f6648p-60},
     {-0x1.287578b179f2cp-2, -0x1.6c4b267a138ep-60}},
    {"1e13",
     0x1.2309ce54p+43,
     {-0x1.27d18bf625778p-2, -0x1.459fb61246b8dp-58},
     {0x1.ea2b93bceea6p-1, -0x1.f3580a3fea28fp-55}},
    {"1e15",
     0x1.c6bf52634p+49,
     {0x1.b76f88136cebap-1, -0x1.b5acbdcf56c2ap-56},
     {-0x1.06c154609d33fp-1, 0x1.ea7fabcd955c1p-55}},
    {"near 636619772367581 pi/2",
     0x1.c6bf52633fffcp+49,
     {0x1.ff9cd569f8134p-1, -0x1.578471d1d1787p-56},
     {-0x1.3e9a643eb7ccdp-5, -0x1.a753d7bf5f776p-59}},
    {"1e18",
     0x1.bc16d674ec8p+59,
     {-0x1.fc66798d05d2ep-1, 0x1.63523eae04cbfp-55},
     {0x1.e4da072c0759ap-4, 0x1.c5d6ea77eb175p-58}},
    {"near 522276822813652 pi/2",
     0x1.7512069b7430dp+49,
     {-0x1.61c21d74e1f63p-54, -0x1.6ae4e00574401p-108},
     {0x1p+0, -0x1.e8d8e86cffb33p-109}},
    {"near 7674888557167847 pi/2",
     0x1.56a4aa740a5a7p+53,
     {-0x1p+0, 0x1.909307866ba4p-109},
     {0x1.403aca68d4d73p-54, -0x1.2fd390b14921p-108}},
    {"below 2^63",
     0x1.fffffffffffffp+62,
     {0x1.fa7299b17573dp-1, 0x1.b9e30a84b2b95p-56},
     {-0x1.2ccaf641d4262p-3, 0x1.5c33272d5efd2p-59}},
    {"-1",
     -0x1p+0,
     {-0x1.aed548f090ceep-1, -0x1.06374f484e288p-59},
     {0x1.14a280fb5068cp-1, -0x1.b71edcc9344bcp-55}},
    {"-pi/2",
     -0x1.921fb54442d18p+0,
     {-0x1p+0, 0x1.377ce858a5d48p-109},
     {0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110}},
    {"-1e9",
     -0x1.dcd65p+29,
     {-0x1.1778cae83c69bp-1, -0x1.c7b04e0a2a2ddp-58},
     {0x1.acff8c7364234p-1, -0x1.f8b0e8a7df5a3p-55}},
    {"-1e15",
     -0x1.c6bf52634p+49,
     {-0x1.b76f88136cebap-1, 0x1.b5acbdcf56c2ap-56},
     {-0x1.06c154609d33fp-1, 0x1.ea7fabcd955c1p-55}},
    {"-below 2^63",
     -0x1.fffffffffffffp+62,
     {-0x1.fa7299b17573dp-1, -0x1.b9e30a84b2b95p-56},
     {-0x1.2ccaf641d4262p-3, 0x1.5c33272d5efd2p-59}},
};

// Spacing of the doubles at the true value's magnitude.
double UlpAt(const TrueValue& v) {
    int e = std::ilogb(v.hi);
    if (std::fabs(v.hi) == std::ldexp(1.0, e) && v.lo != 0 &&
        std::signbit(v.lo) != std::signbit(v.hi)) {
        --e; // the true value lies just below a power of two
    }
    return std::ldexp(1.0, std::max(e, -1022) - 52);
}

// How far a result is from the true value, in ulps of the true value.
double UlpError(double got, const TrueValue& v) {
    if (v.hi == 0) {
        return got == 0 ? 0 : std::numeric_limits<double>::infinity();
    }
    return std::fabs((got - v.hi) - v.lo) / UlpAt(v);
}

TEST(SinCos, WithinOneUlpOfTheTrueValues) {
    double worst = 0;
    const char* worstAt = "";
    for (const auto& c : ANGLES) {
        SCOPED_TRACE(c.name);
        double s = 0, co = 0;
        SinCos(c.theta, s, co);
        const double es = UlpError(s, c.sine);
        const double ec = UlpError(co, c.cosine);
        EXPECT_LE(es, 1.0) << "sine " << std::hexfloat << s;
        EXPECT_LE(ec, 1.0) << "cosine " << std::hexfloat << co;
        if (std::max(es, ec) > worst) {
            worst = std::max(es, ec);
            worstAt = c.name;
        }
    }
    std::printf("worst error %.3f ulp (%s)\n", worst, worstAt);
}

TEST(SinCos, SignedZeroAndNonFiniteAngles) {
    double s = 1, c = 0;
    SinCos(-0.0, s, c);
    EXPECT_EQ(s, 0.0);
    EXPECT_TRUE(std::signbit(s));
    EXPECT_EQ(c, 1.0);

    const double inf = std::numeric_limits<double>::infinity();
    for (double theta : {inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(theta);
        SinCos(theta, s, c);
        EXPECT_TRUE(std::isnan(s));
        EXPECT_TRUE(std::isnan(c));
    }
}

} // namespace
