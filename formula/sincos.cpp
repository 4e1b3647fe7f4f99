// Sine and cosine in two steps: the angle is reduced to r = theta - k * pi/2 with |r| <= pi/4,
// carried as a sum of two doubles, and polynomials of r give sin r and cos r, from which the
// quadrant k mod 4 picks the results. Moderate angles are reduced with pi/2 split into parts
// whose products with k are exact (Cody and Waite); large ones with the bits of 2/pi in
// integer arithmetic, where only the bits that matter for the fraction of theta * 2/pi take
// part (Payne and Hanek). Only double arithmetic rounded to nearest and integer arithmetic are
// used, so every build computes the same bits; the formula library is compiled for SSE
// arithmetic without contraction into fused multiply-adds, which that relies on.
//
// The constants were computed once with mpmath at 2000 bits: the parts of pi/2 cut at fixed
// binary places, the words of 2/pi exactly, and the coefficients fitted as minimax
// polynomials (Lawson's iteration) with each coefficient rounded to double before the next
// was fitted. On |r| <= 0.7855 the sine polynomial is within 2^-58 and the cosine polynomial
// within 2^-64 of the true functions.
#include "sincos.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr double PIO4 = 0x1.921fb54442d18p-1;
constexpr double INV_PIO2 = 0x1.45f306dc9c883p-1;
// Adding and subtracting it rounds a double below 2^51 to the nearest integer.
constexpr double ROUNDER = 0x1.8p52;

// pi/2 = PIO2_1 + PIO2_2 + PIO2_3 + PIO2_4 to about 2^-156: the first three carry at most 33
// significant bits each, so their products with any k below 2^20 are exact.
constexpr double PIO2_1 = 0x1.921fb544p+0;
constexpr double PIO2_2 = 0x1.0b4611a6p-34;
constexpr double PIO2_3 = 0x1.3198a2ep-69;
constexpr double PIO2_4 = 0x1.b839a252049c1p-104;
// pi/2 - PIO2_1 rounded to double.
constexpr double PIO2_1_REST = 0x1.0b4611a626331p-34;
// Angles below this are reduced with the parts above.
constexpr double MODERATE_LIMIT = 0x1p20;

// pi/2 as a sum of two doubles, for the Payne-Hanek fraction.
constexpr double PIO2_HI = 0x1.921fb54442d18p+0;
constexpr double PIO2_LO = 0x1.1a62633145c07p-54;

// sin r = r + r * z * S(z) and cos r = 1 - z / 2 + z^2 * C(z), z = r^2.
constexpr double S1 = -0x1.5555555555549p-3;
constexpr double S2 = 0x1.111111110f8a4p-7;
constexpr double S3 = -0x1.a01a019c15af4p-13;
constexpr double S4 = 0x1.71de357aa3f7bp-19;
constexpr double S5 = -0x1.ae5e682fe410dp-26;
constexpr double S6 = 0x1.5d938013d27a2p-33;
constexpr double C1 = 0x1.555555555554cp-5;
constexpr double C2 = -0x1.6c16c16c1521dp-10;
constexpr double C3 = 0x1.a01a019cbf0cap-16;
constexpr double C4 = -0x1.27e4f812641f2p-22;
constexpr double C5 = 0x1.1ee9f10f5962cp-29;
constexpr double C6 = -0x1.8fb109367b71ap-37;

// The binary fraction of 2/pi, 32 bits a word from the first bit after the point, behind two
// words of zeros, so that a window for the smallest exponent still starts inside the table.
// Its 1216 bits of 2/pi cover the window of the largest double.
constexpr int TWO_OVER_PI_PAD_BITS = 64;
constexpr std::uint32_t TWO_OVER_PI[] = {
    0x00000000, 0x00000000, 0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041,
    0xFE5163AB, 0xDEBBC561, 0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E,
    0xE88235F5, 0x2EBB4484, 0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B,
    0x1FF897FF, 0xDE05980F, 0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D,
    0x7527BAC7, 0xEBE5F17B, 0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB,
};
// The window of 2/pi that multiplies the mantissa: 192 bits, 6 words.
constexpr int WINDOW_WORDS = 6;

std::uint64_t BitsOf(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

// 2^e for a normal exponent e.
double PowerOfTwo(int e) {
    const std::uint64_t bits = static_cast<std::uint64_t>(e + 1023) << 52;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// s + e = a + b exactly.
void TwoSum(double a, double b, double& s, double& e) {
    s = a + b;
    const double bv = s - a;
    e = (a - (s - bv)) + (b - bv);
}

// p + e = a * b exactly (Dekker's product; |a|, |b| far below 2^996).
void TwoProduct(double a, double b, double& p, double& e) {
    constexpr double SPLITTER = 0x1p27 + 1.0;
    p = a * b;
    const double ca = SPLITTER * a;
    const double ah = ca - (ca - a);
    const double al = a - ah;
    const double cb = SPLITTER * b;
    const double bh = cb - (cb - b);
    const double bl = b - bh;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// r = rh + rl and the quadrant k for pi/4 < ax < MODERATE_LIMIT.
void ReduceModerate(double ax, double& rh, double& rl, unsigned& quadrant) {
    const double k = (ax * INV_PIO2 + ROUNDER) - ROUNDER;
    quadrant = static_cast<unsigned>(k);
    // Exact: both terms are multiples of ulp(ax) and the difference is below 1.
    const double h = ax - k * PIO2_1;
    // Mostly the rest of pi/2 as one double will do: its product with k is off by less than
    // ax * 2^-85, which for |r| >= ax * 2^-21 is below 2^-64 of r.
    const double w = k * PIO2_1_REST;
    rh = h - w;
    if (std::fabs(rh) >= ax * 0x1p-21) {
        rl = (h - rh) - w;
        return;
    }
    // Near a multiple of pi/2 the parts go in one by one. Where a step cancels, its
    // subtraction is exact; where it does not, what it loses is below the precision that the
    // later, smaller parts need.
    double s, e, s2, e2;
    TwoSum(h, -(k * PIO2_2), s, e);
    TwoSum(s, -(k * PIO2_3), s2, e2);
    TwoSum(s2, (e + e2) - k * PIO2_4, rh, rl);
}

// Word i of a little-endian number of `count` words, 0 outside it.
std::uint32_t WordAt(const std::uint32_t* words, int count, int i) {
    return i >= 0 && i < count ? words[i] : 0u;
}

// Bits low to low + 52 of a little-endian number of `count` words; bits outside it are 0.
std::uint64_t Bits53(const std::uint32_t* words, int count, int low) {
    const int q = low >= 0 ? low / 32 : -((31 - low) / 32);
    const int shift = low - 32 * q;
    const std::uint64_t below = WordAt(words, count, q) | std::uint64_t{WordAt(words, count, q + 1)}
                                                              << 32;
    const std::uint64_t above = WordAt(words, count, q + 2);
    std::uint64_t v = below >> shift;
    if (shift != 0) {
        v |= above << (64 - shift);
    }
    return v & ((std::uint64_t{1} << 53) - 1);
}

// r = rh + rl and the quadrant k for MODERATE_LIMIT <= ax, finite.
void ReduceLarge(double ax, double& rh, double& rl, unsigned& quadrant) {
    const std::uint64_t bits = BitsOf(ax);
    const int exponent = static_cast<int>(bits >> 52) - 1075; // ax = mantissa * 2^exponent
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);

    // Bit i of 2/pi (i = 1 after the point) adds mantissa * 2^(exponent - i) to ax * 2/pi:
    // multiples of 4 for i < exponent - 1, which leave the quadrant and fraction alone. The
    // window starts at bit exponent - 1; what lies behind its 192 bits adds below 2^-137.
    const int start = exponent - 2 + TWO_OVER_PI_PAD_BITS;
    const int word = start / 32;
    const int shift = start % 32;
    std::uint32_t window[WINDOW_WORDS]; // little-endian
    for (int j = 0; j < WINDOW_WORDS; ++j) {
        const std::uint32_t hi = TWO_OVER_PI[word + j];
        const std::uint32_t lo = TWO_OVER_PI[word + j + 1];
        window[WINDOW_WORDS - 1 - j] = shift == 0 ? hi : (hi << shift) | (lo >> (32 - shift));
    }

    // product = mantissa * window, and ax * 2/pi = product * 2^-190 modulo 4.
    std::uint32_t product[WINDOW_WORDS + 2] = {};
    const std::uint32_t m[2] = {static_cast<std::uint32_t>(mantissa),
                                static_cast<std::uint32_t>(mantissa >> 32)};
    for (int i = 0; i < 2; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < WINDOW_WORDS; ++j) {
            const std::uint64_t t = std::uint64_t{m[i]} * window[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[i + WINDOW_WORDS] = static_cast<std::uint32_t>(carry);
    }

    // Bits 190 and 191 are the quadrant; the 190 below them, shifted up to a 192-bit
    // fraction, are the part of a quarter turn beyond it.
    quadrant = product[5] >> 30;
    std::uint32_t fraction[WINDOW_WORDS];
    for (int j = WINDOW_WORDS - 1; j > 0; --j) {
        fraction[j] = (product[j] << 2) | (product[j - 1] >> 30);
    }
    fraction[0] = product[0] << 2;
    // From half a quarter turn on, the angle is nearer the next quadrant: take the fraction
    // as negative, in magnitude 1 - fraction.
    const bool negative = (fraction[WINDOW_WORDS - 1] >> 31) != 0;
    if (negative) {
        ++quadrant;
        std::uint32_t borrow = 1;
        for (int j = 0; j < WINDOW_WORDS; ++j) {
            const std::uint32_t inverted = ~fraction[j];
            fraction[j] = inverted + borrow;
            borrow = borrow != 0 && fraction[j] == 0 ? 1u : 0u;
        }
    }

    // The fraction's leading 106 bits as two doubles, then times pi/2.
    int top = 32 * WINDOW_WORDS - 1;
    while (top >= 0 && ((fraction[top / 32] >> (top % 32)) & 1u) == 0) {
        --top;
    }
    if (top < 0) { // no double is a multiple of pi/2, but keep the reduction total
        rh = rl = 0.0;
        return;
    }
    const double fh = static_cast<double>(Bits53(fraction, WINDOW_WORDS, top - 52)) *
                      PowerOfTwo(top - 52 - 32 * WINDOW_WORDS);
    const double fl = static_cast<double>(Bits53(fraction, WINDOW_WORDS, top - 105)) *
                      PowerOfTwo(top - 105 - 32 * WINDOW_WORDS);
    double p, e;
    TwoProduct(fh, PIO2_HI, p, e);
    e += fh * PIO2_LO + fl * PIO2_HI;
    TwoSum(p, e, rh, rl);
    if (negative) {
        rh = -rh;
        rl = -rl;
    }
}

// sin(rh + rl) and cos(rh + rl) for |rh| <= 0.7855 and |rl| <= ulp(rh) / 2. z = rh^2 is
// taken exactly as a sum of two doubles, and so is 1 - z / 2, so that only the last addition
// of each rounds at the scale of the result.
void Kernel(double rh, double rl, double& sine, double& cosine) {
    double zh, zl;
    TwoProduct(rh, rh, zh, zl);
    const double z2 = zh * zh;
    const double p = (S1 + zh * S2) + z2 * ((S3 + zh * S4) + z2 * (S5 + zh * S6));
    const double v = rh * zh;
    sine = rh + (v * p + (rh * zl * S1 + rl * (1.0 - 0.5 * zh)));

    const double w = 0.5 * zh;
    const double hi = 1.0 - w;
    const double lo = (1.0 - hi) - w;
    const double q = (C1 + zh * C2) + z2 * ((C3 + zh * C4) + z2 * (C5 + zh * C6));
    cosine = hi + ((lo - (0.5 * zl + rh * rl)) + z2 * q);
}

} // namespace

void SinCos(double theta, double& sine, double& cosine) {
    const double ax = theta < 0 ? -theta : theta;
    if (!(ax <= 0x1.fffffffffffffp1023)) { // infinite or NaN
        sine = cosine = theta - theta;
        return;
    }
    if (ax < 0x1p-27) { // sin theta rounds to theta, cos theta to 1 (also for -0 and subnormals)
        sine = theta;
        cosine = 1.0;
        return;
    }
    double rh = ax, rl = 0.0;
    unsigned quadrant = 0;
    if (ax > PIO4) {
        if (ax < MODERATE_LIMIT) {
            ReduceModerate(ax, rh, rl, quadrant);
        } else {
            ReduceLarge(ax, rh, rl, quadrant);
        }
    }
    // Quadrant q turns (sin r, cos r) by q quarter turns; the picks and signs come from
    // tables, as a branch on a quadrant that changes from angle to angle would mostly miss.
    static const double SIGN[2] = {1.0, -1.0};
    double kernel[2];
    Kernel(rh, rl, kernel[0], kernel[1]);
    const unsigned negative = theta < 0 ? 1u : 0u;
    sine = kernel[quadrant & 1u] * SIGN[((quadrant >> 1) ^ negative) & 1u];
    cosine = kernel[(quadrant + 1) & 1u] * SIGN[((quadrant + 1) >> 1) & 1u];
}
