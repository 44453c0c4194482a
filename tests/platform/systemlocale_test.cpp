#include "platform/systemlocale/systemlocale.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace velmora {
namespace {

using namespace std::chrono;

struct LocaleCase {
    const char* name;
    const char* localeName;
    char decimalSeparator;
    const char* shortDatePattern;
};

class FormatSettingsForLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

// A project file holds the date as written under the user's settings: every pattern must read
// back what it writes, as one word.
TEST_P(FormatSettingsForLocaleTest, GivesTheConventionsAndItsDatesReadBack) {
    const LocaleCase& c = GetParam();
    const FormatSettings settings = formatSettingsForLocaleName(c.localeName);
    EXPECT_EQ(settings.decimalSeparator, c.decimalSeparator);
    EXPECT_EQ(settings.shortDatePattern, c.shortDatePattern);
    for (const Date date : {2007y / March / 5, 1999y / December / 31, 2024y / February / 29,
                            1901y / January / 1, 2105y / October / 12}) {
        const std::string text = DateToStr(date, settings);
        EXPECT_EQ(text.find(' '), std::string::npos) << text;
        EXPECT_EQ(StrToDate(text, settings), date) << text;
    }
}

const LocaleCase kLocaleCases[] = {
    {"C", "C", '.', "M/d/yyyy"},
    {"Posix", "POSIX", '.', "M/d/yyyy"},
    {"CUtf8", "C.UTF-8", '.', "M/d/yyyy"},
    {"UnknownNameIsC", "xx_YY.UTF-8", '.', "M/d/yyyy"},
    {"UnitedStatesYearWidened", "en_US.UTF-8", '.', "M/d/yyyy"},
    {"Britain", "en_GB.UTF-8", '.', "dd/MM/yyyy"},
    {"GermanyWithModifier", "de_DE.UTF-8@euro", ',', "dd.MM.yyyy"},
    {"SwitzerlandKeepsThePoint", "de_CH.UTF-8", '.', "dd.MM.yyyy"},
    {"France", "fr_FR.UTF-8", ',', "dd/MM/yyyy"},
    {"Sweden", "sv_SE.UTF-8", ',', "yyyy-MM-dd"},
    {"Japan", "ja_JP.eucJP", '.', "yyyy/MM/dd"},
    {"HungaryBlanksFallBack", "hu_HU.UTF-8", ',', "yyyy-MM-dd"},
    {"BulgariaQuotedTextFallsBack", "bg_BG.UTF-8", ',', "yyyy-MM-dd"},
    {"SerbiaTrailingDotKept", "sr_RS.UTF-8", ',', "d.M.yyyy."},
    {"ArabicPointAndMarksFallBack", "ar_SA.UTF-8", '.', "yyyy-MM-dd"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatSettingsForLocaleTest, ::testing::ValuesIn(kLocaleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatSettingsForLocaleTest, QtsOwnCLocaleGivesMonthFirst) {
    const FormatSettings settings = formatSettingsForLocale(QLocale::c());
    EXPECT_EQ(settings.decimalSeparator, '.');
    EXPECT_EQ(settings.shortDatePattern, "M/d/yyyy");
}

// Restores the variables a test sets, so later tests see the environment ctest gave.
class EnvironmentTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"})
            unsetenv(name);
        setenv("LC_ALL", "C", 1);
    }
};

TEST_F(EnvironmentTest, NumbersAndDatesFollowTheirOwnVariables) {
    unsetenv("LC_ALL");
    setenv("LANG", "en_US.UTF-8", 1);
    setenv("LC_NUMERIC", "de_DE.UTF-8", 1);
    setenv("LC_TIME", "en_GB.UTF-8", 1);
    const FormatSettings settings = formatSettingsFromEnvironment();
    EXPECT_EQ(settings.decimalSeparator, ',');
    EXPECT_EQ(settings.shortDatePattern, "dd/MM/yyyy");

    setenv("LC_ALL", "sv_SE.UTF-8", 1);
    EXPECT_EQ(formatSettingsFromEnvironment().shortDatePattern, "yyyy-MM-dd");
}

TEST_F(EnvironmentTest, NothingSetIsC) {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"})
        unsetenv(name);
    const FormatSettings settings = formatSettingsFromEnvironment();
    EXPECT_EQ(settings.decimalSeparator, '.');
    EXPECT_EQ(settings.shortDatePattern, "M/d/yyyy");
}

} // namespace
} // namespace velmora
