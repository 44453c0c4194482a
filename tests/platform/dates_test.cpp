#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using namespace std::chrono;

FormatSettings withPattern(const char* pattern) {
    return FormatSettings{'.', pattern};
}

struct WriteCase {
    const char* name;
    const char* pattern;
    Date date;
    const char* expected;
};

class DateToStrTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(DateToStrTest, WritesThePattern) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(DateToStr(c.date, withPattern(c.pattern)), c.expected);
}

const WriteCase kWriteCases[] = {
    {"UnitedStates", "M/d/yyyy", 2007y / March / 5, "3/5/2007"},
    {"UnitedStatesTwoDigitFields", "M/d/yyyy", 2007y / December / 25, "12/25/2007"},
    {"PaddedDayFirst", "dd/MM/yyyy", 2007y / March / 5, "05/03/2007"},
    {"Dotted", "dd.MM.yyyy", 2007y / March / 15, "15.03.2007"},
    {"YearFirst", "yyyy-MM-dd", 2007y / March / 5, "2007-03-05"},
    {"ShortYear", "M/d/yy", 2007y / March / 5, "3/5/07"},
    {"LowerCaseMonth", "m/d/yy", 1999y / December / 31, "12/31/99"},
    {"ThreeLetterYear", "d.M.yyy", 2007y / March / 5, "5.3.2007"},
    {"EarlyYearPadded", "yyyy-MM-dd", 999y / January / 1, "0999-01-01"},
    {"NoPatternKeepsTheCentury", "", 2070y / March / 5, "3/5/2070"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DateToStrTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    const char* pattern;
    const char* text;
    Date expected;
};

class StrToDateTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StrToDateTest, ReadsThePattern) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(StrToDate(c.text, withPattern(c.pattern)), c.expected);
}

const ReadCase kReadCases[] = {
    {"UnitedStates", "M/d/yyyy", "3/15/2007", 2007y / March / 15},
    {"TwoDigitsForOneLetter", "M/d/yyyy", "03/05/2007", 2007y / March / 5},
    {"OneDigitForTwoLetters", "dd/MM/yyyy", "5/3/2007", 2007y / March / 5},
    {"Dotted", "dd.MM.yyyy", "15.03.2007", 2007y / March / 15},
    {"YearFirst", "yyyy-MM-dd", "2007-3-15", 2007y / March / 15},
    {"BlanksAround", "M/d/yyyy", " \t3/15/2007 ", 2007y / March / 15},
    {"LeapDay", "M/d/yyyy", "2/29/2008", 2008y / February / 29},
    {"ShortYearThisCentury", "M/d/yy", "3/15/49", 2049y / March / 15},
    {"ShortYearLastCentury", "M/d/yy", "3/15/50", 1950y / March / 15},
    {"FullYearUnderShortPattern", "M/d/yy", "3/15/2007", 2007y / March / 15},
    {"NoPattern", "", "3/15/2070", 2070y / March / 15},
};

INSTANTIATE_TEST_SUITE_P(Cases, StrToDateTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    const char* pattern;
    const char* text;
};

class StrToDateRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(StrToDateRefusedTest, ThrowsWithTheText) {
    const RefusedCase& c = GetParam();
    try {
        StrToDate(c.text, withPattern(c.pattern));
        FAIL() << "read '" << c.text << "'";
    } catch (const DateConversionError& error) {
        EXPECT_EQ(error.text(), c.text);
        EXPECT_EQ(std::string(error.what()), "'" + std::string(c.text) + "' is not a valid date");
    }
}

const RefusedCase kRefusedCases[] = {
    {"DayNotInMonth", "M/d/yyyy", "2/30/2007"},
    {"NoLeapDay", "M/d/yyyy", "2/29/2007"},
    {"MonthThirteen", "M/d/yyyy", "13/1/2007"},
    {"MonthZero", "M/d/yyyy", "0/1/2007"},
    {"YearZero", "M/d/yyyy", "1/1/0000"},
    {"ShortYearUnderLongPattern", "M/d/yyyy", "3/15/07"},
    {"ThreeDigitYear", "M/d/yy", "3/15/207"},
    {"FiveDigitYear", "M/d/yyyy", "3/15/20071"},
    {"ThreeDigitMonth", "M/d/yyyy", "123/1/2007"},
    {"OtherSeparator", "M/d/yyyy", "3-15-2007"},
    {"MissingYear", "M/d/yyyy", "3/15"},
    {"TrailingText", "M/d/yyyy", "3/15/2007x"},
    {"BlankInside", "M/d/yyyy", "3/ 15/2007"},
    {"DayFirstReadAsMonth", "M/d/yyyy", "15/3/2007"},
    {"Empty", "M/d/yyyy", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, StrToDateRefusedTest, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseIsoDateTest, ReadsOnlyTheFullForm) {
    EXPECT_EQ(parseIsoDate("2007-03-15"), Date{2007y / March / 15});
    EXPECT_EQ(parseIsoDate("2008-02-29"), Date{2008y / February / 29});
    for (const char* refused : {"2007-02-30", "2007-3-15", "07-03-15", "2007/03/15", " 2007-03-15",
                                "2007-03-15 ", "2007-13-01", "0000-01-01", "", "abcd-ef-gh"})
        EXPECT_EQ(parseIsoDate(refused), std::nullopt) << refused;
}

} // namespace
} // namespace velmora
