#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

struct LocaleCase {
    const char* name;
    const char* localeName;
    char decimalSeparator;
    const char* shortDatePattern;
};

class SettingsForLocaleNameTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(SettingsForLocaleNameTest, GivesTheConventions) {
    const LocaleCase& c = GetParam();
    const FormatSettings settings = settingsForLocaleName(c.localeName);
    EXPECT_EQ(settings.decimalSeparator, c.decimalSeparator);
    EXPECT_EQ(settings.shortDatePattern, c.shortDatePattern);
}

const LocaleCase kLocaleCases[] = {
    {"C", "C", '.', "M/d/yyyy"},
    {"Posix", "POSIX", '.', "M/d/yyyy"},
    {"CUtf8", "C.UTF-8", '.', "M/d/yyyy"},
    {"Empty", "", '.', "M/d/yyyy"},
    {"Unknown", "xx_YY.UTF-8", '.', "M/d/yyyy"},
    {"UnitedStates", "en_US.UTF-8", '.', "M/d/yyyy"},
    {"Britain", "en_GB.UTF-8", '.', "dd/MM/yyyy"},
    {"EnglishOtherTerritory", "en_PH", '.', "M/d/yyyy"},
    {"GermanyWithModifier", "de_DE.UTF-8@euro", ',', "dd.MM.yyyy"},
    {"GermanyWithoutCodeSet", "de_DE@euro", ',', "dd.MM.yyyy"},
    {"LanguageOnly", "de", ',', "dd.MM.yyyy"},
    {"SwitzerlandKeepsThePoint", "de_CH.UTF-8", '.', "dd.MM.yyyy"},
    {"France", "fr_FR.ISO-8859-1", ',', "dd/MM/yyyy"},
    {"Spain", "es_ES.UTF-8", ',', "dd/MM/yyyy"},
    {"Mexico", "es_MX.UTF-8", '.', "dd/MM/yyyy"},
    {"Brazil", "pt_BR.utf8", ',', "dd/MM/yyyy"},
    {"Russia", "ru_RU.KOI8-R", ',', "dd.MM.yyyy"},
    {"Sweden", "sv_SE.UTF-8", ',', "yyyy-MM-dd"},
    {"Japan", "ja_JP.eucJP", '.', "yyyy/MM/dd"},
    {"CaseIgnored", "DE_de.utf8", ',', "dd.MM.yyyy"},
    {"HyphenSeparator", "en-GB", '.', "dd/MM/yyyy"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SettingsForLocaleNameTest, ::testing::ValuesIn(kLocaleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CLocaleSettingsTest, PointAndMonthFirst) {
    const FormatSettings settings = cLocaleSettings();
    EXPECT_EQ(settings.decimalSeparator, '.');
    EXPECT_EQ(settings.shortDatePattern, "M/d/yyyy");
}

} // namespace
} // namespace velmora
