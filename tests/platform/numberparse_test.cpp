#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

const FormatSettings kDot{'.', "M/d/yyyy"};
const FormatSettings kComma{',', "dd.MM.yyyy"};

struct ValidCase {
    const char* name;
    const char* text;
    double expected;
    const FormatSettings* settings = &kDot;
};

class StrToFloatValidTest : public ::testing::TestWithParam<ValidCase> {};

TEST_P(StrToFloatValidTest, Converts) {
    const ValidCase& c = GetParam();
    EXPECT_EQ(StrToFloat(c.text, *c.settings), c.expected);
}

const ValidCase kValidCases[] = {
    {"Plain", "12.5", 12.5},
    {"BlanksAround", " \t12.5 \t", 12.5},
    {"Minus", "-3", -3},
    {"Plus", "+4", 4},
    {"NoIntegerDigits", ".5", 0.5},
    {"NoDecimalDigits", "5.", 5},
    {"LeadingZeros", "007", 7},
    {"Exponent", "1e3", 1000},
    {"CapitalExponentWithPlus", "1E+3", 1000},
    {"NegativeExponent", "-.5e-1", -0.05},
    {"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
    {"UnderflowReadsAsZero", "1e-400", 0.0},
    {"UnderflowWrittenOutReadsAsZero",
     "0.0000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000001",
     0.0},
    {"HugeNegativeExponentReadsAsZero", "5e-99999999999999999999999", 0.0},
    {"CommaSeparator", "1,5", 1.5, &kComma},
    {"CommaSeparatorWithExponent", "-2,5E2", -250, &kComma},
};

INSTANTIATE_TEST_SUITE_P(Cases, StrToFloatValidTest, ::testing::ValuesIn(kValidCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct InvalidCase {
    const char* name;
    const char* text;
    const FormatSettings* settings = &kDot;
};

class StrToFloatInvalidTest : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(StrToFloatInvalidTest, ThrowsWithTheText) {
    const InvalidCase& c = GetParam();
    try {
        StrToFloat(c.text, *c.settings);
        FAIL() << "converted '" << c.text << "'";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.text(), c.text);
        EXPECT_EQ(std::string(error.what()),
                  "'" + std::string(c.text) + "' is not a valid floating point value");
    }
}

const InvalidCase kInvalidCases[] = {
    {"Empty", ""},
    {"BlanksOnly", "  "},
    {"SeparatorOnly", "."},
    {"SignOnly", "-"},
    {"ExponentWithoutDigits", "1e"},
    {"ExponentSignWithoutDigits", "1e+"},
    {"ExponentWithoutMantissa", "e3"},
    {"Letters", "abc"},
    {"TwoSeparators", "1.5.2"},
    {"BlankInside", "1 5"},
    {"TwoSigns", "+-1"},
    {"ThousandsSeparator", "1,000.5"},
    {"Hexadecimal", "0x10"},
    {"Infinity", "inf"},
    {"NotANumber", "nan"},
    {"Overflow", "1e400"},
    {"NegativeOverflow", "-1e400"},
    {"HugeExponentOverflows", "1e99999999999999999999999"},
    {"DoubleMinus", "--1"},
    {"FullWidthDigit", "\xef\xbc\x91"},
    {"OtherSeparatorThanSettings", "1.5", &kComma},
    {"CommaUnderDotSettings", "1,5"},
};

// Ten thousand digits: converted or refused as a whole, never read in part.
TEST(StrToFloatLongTextTest, TenThousandDigits) {
    EXPECT_THROW(StrToFloat(std::string(10000, '9'), kDot), ConversionError);
    EXPECT_EQ(StrToFloat("1." + std::string(9998, '5'), kDot), 1.5555555555555556);
    EXPECT_EQ(StrToFloat(std::string(9999, '0') + "7", kDot), 7.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToFloatInvalidTest, ::testing::ValuesIn(kInvalidCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StrToFloatTest, MessageQuotesTheTextAsTyped) {
    EXPECT_THROW(
        {
            try {
                StrToFloat("abc", kDot);
            } catch (const ConversionError& error) {
                EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
                throw;
            }
        },
        ConversionError);
}

TEST(ReadNumberTest, OnlyAnEmptyTextReadsAsZero) {
    EXPECT_EQ(readNumber("", kDot), 0.0);
    EXPECT_EQ(readNumber(" 2,5 ", kComma), 2.5);
    EXPECT_THROW(readNumber(" ", kDot), ConversionError);
    EXPECT_THROW(readNumber("x", kDot), ConversionError);
}

} // namespace
} // namespace velmora
