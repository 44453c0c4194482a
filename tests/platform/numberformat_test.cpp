#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace velmora {
namespace {

const FormatSettings kDot{'.', "M/d/yyyy"};
const FormatSettings kComma{',', "dd.MM.yyyy"};

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct GeneralCase {
    const char* name;
    double value;
    const char* expected;
    const FormatSettings* settings = &kDot;
};

class FloatToStrTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FloatToStrTest, WritesTheGeneralFormat) {
    const GeneralCase& c = GetParam();
    EXPECT_EQ(FloatToStr(c.value, *c.settings), c.expected);
}

const GeneralCase kGeneralCases[] = {
    {"Whole", 3, "3"},
    {"Fraction", 0.35, "0.35"},
    {"LabelLongestDuration", 24, "24"},
    {"LabelHourAndAHalf", 1.5, "1.5"},
    {"Zero", 0.0, "0"},
    {"NegativeZero", -0.0, "0"},
    {"Negative", -2.5, "-2.5"},
    {"BinaryNoiseCut", 0.1 + 0.2, "0.3"},
    {"FifteenDigitsRounded", 2.0 / 3.0, "0.666666666666667"},
    {"FifteenIntegerDigitsPlain", 999999999999999.0, "999999999999999"},
    {"SixteenIntegerDigitsExponent", 1e15, "1E15"},
    {"CarryToSixteenIntegerDigits", 999999999999999.9, "1E15"},
    {"EighteenDigitInteger", 123456789012345678.0, "1.23456789012346E17"},
    {"LargeWholeExponent", 1e20, "1E20"},
    {"SmallestPlain", 0.0001, "0.0001"},
    {"BelowSmallestPlain", 0.00009999, "9.999E-5"},
    {"RoundsUpToSmallestPlain", 0.00009999999999999999, "0.0001"},
    {"SmallExponent", 1.5e-5, "1.5E-5"},
    {"NegativeSmallExponent", -1.5e-5, "-1.5E-5"},
    {"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    {"CommaFraction", 0.35, "0,35", &kComma},
    {"CommaExponent", 1.5e-5, "1,5E-5", &kComma},
    {"CommaWhole", 24, "24", &kComma},
    {"NotANumber", kNan, "NAN"},
    {"NegativeNotANumber", -kNan, "-NAN"},
    {"Infinite", kInf, "INF"},
    {"NegativeInfinite", -kInf, "-INF"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FloatToStrTest, ::testing::ValuesIn(kGeneralCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FixedCase {
    const char* name;
    double value;
    int precision;
    int digits;
    const char* expected;
    const FormatSettings* settings = &kDot;
};

class FloatToStrFFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FloatToStrFFixedTest, WritesExactlyTheDecimals) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FloatToStrF(c.value, ffFixed, c.precision, c.digits, *c.settings), c.expected);
}

const FixedCase kFixedCases[] = {
    {"PaddedWithZeros", 24, 5, 3, "24.000"},
    {"NoDecimalsBelowHalf", 0.25, 10, 0, "0"},
    {"NoDecimalsHalfAwayFromZero", 0.5, 10, 0, "1"},
    {"NegativeHalfAwayFromZero", -2.5, 10, 0, "-3"},
    {"TableRow", 123.4, 12, 2, "123.40"},
    {"HeldToPrecisionFirst", 123.4567, 5, 3, "123.460"},
    {"IntegerLongerThanPrecision", 100000, 5, 3, "1E5"},
    {"CarryMakesIntegerTooLong", 99999.6, 5, 3, "1E5"},
    {"ExactHalfRoundsUp", 0.125, 10, 2, "0.13"},
    {"HeldBelowHalfRoundsDown", 2.675, 10, 2, "2.67"},
    {"OtherHeldBelowHalf", 1.005, 10, 2, "1.00"},
    // 9.9995 is held as 9.99949999999999939, so it does not round up.
    {"HeldBelowHalfNoCarry", 9.9995, 10, 3, "9.999"},
    {"CarryAddsIntegerDigit", 9.9996, 10, 3, "10.000"},
    // -0.0005 is held as -5.00000000000000010E-4: the first dropped digit is 5.
    {"NegativeHalfToLastDecimal", -0.0005, 10, 3, "-0.001"},
    {"NegativeRoundingToZeroHasNoSign", -0.0004, 10, 3, "0.000"},
    {"NegativeZero", -0.0, 12, 2, "0.00"},
    {"TinyIsZero", 1e-300, 12, 4, "0.0000"},
    {"MinutesOfAStep", 0.0833 * 60, 10, 0, "5"},
    {"BinaryNoiseWithinEighteenDigits", 1234.5678, 18, 18, "1234.567800000000030000"},
    {"LongestText", -123456789012345678.0, 18, 18, "-123456789012345680.000000000000000000"},
    {"SixteenIntegerDigitsStayFixed", 1e15, 18, 2, "1000000000000000.00"},
    {"PrecisionHeldAtTwo", 24, 1, 0, "24"},
    {"PrecisionHeldAtTwoGoesGeneral", 240, 1, 0, "2.4E2"},
    {"PrecisionHeldAtEighteen", 0.1, 30, 20, "0.100000000000000006"},
    {"NegativeDigitsMeanNone", 2.5, 10, -1, "3"},
    {"CommaSeparator", 24, 5, 3, "24,000", &kComma},
    {"CommaInGeneralFallback", 150000, 5, 2, "1,5E5", &kComma},
    {"NotANumber", kNan, 12, 2, "NAN"},
    {"NegativeInfinite", -kInf, 12, 2, "-INF"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FloatToStrFFixedTest, ::testing::ValuesIn(kFixedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FloatToStrFGeneralTest, UsesThePrecisionInPlaceOfFifteen) {
    EXPECT_EQ(FloatToStrF(2.0 / 3.0, ffGeneral, 4, 0, kDot), "0.6667");
    EXPECT_EQ(FloatToStrF(12345, ffGeneral, 3, 0, kDot), "1.23E4");
    EXPECT_EQ(FloatToStrF(0.125, ffGeneral, 2, 0, kDot), "0.13");
    EXPECT_EQ(FloatToStrF(1.5, ffGeneral, 15, 7, kDot), FloatToStr(1.5, kDot));
}

// The rainfall grid is filled with the default table written in the general format; every
// value must come back as the text it was typed as, so that the grid shows it unchanged and a
// capture reads back the same double.
TEST(FloatToStrTest, DefaultRainfallTableRoundTrips) {
    const char* const texts[] = {
        "0.0833", "0.6",   "0.66",  "0.72",  "0.785", "0.85",  "0.25",  "1.3",   "1.478", "1.66",
        "1.849",  "2.116", "0.5",   "2.1",   "2.144", "2.7",   "2.743", "3.183", "0.667", "2.35",
        "3.05",   "3.414", "3.778", "1",     "2.6",   "2.809", "3.4",   "3.702", "4.373", "1.5",
        "2.95",   "3.164", "3.95",  "4.254", "5.08",  "2",     "3.3",   "3.395", "4.5",   "4.635",
        "5.593",  "3",     "3.8",   "3.696", "5",     "5.159", "6.309", "4",     "4.03",  "3.89",
        "5.5",    "5.522", "6.821", "6",     "4.147", "6.029", "7.556", "8",     "4.83",  "4.319",
        "6.33",   "6.389", "8.091", "12",    "4.552", "7",     "6.902", "8.87",  "24",    "6.5",
        "4.939",  "8.5",   "7.817", "10.31",
    };
    for (const char* text : texts) {
        const double value = StrToFloat(text, kDot);
        EXPECT_EQ(FloatToStr(value, kDot), text);
        EXPECT_EQ(StrToFloat(FloatToStr(value, kComma), kComma), value) << text;
    }
}

} // namespace
} // namespace velmora
