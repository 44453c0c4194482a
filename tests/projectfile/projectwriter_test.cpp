#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {
namespace {

using namespace velmora::testing;

std::vector<std::string> fileLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the last line has no CR LF";
    return lines;
}

TEST(ProjectWriter, WritesTheExampleFilesByteForByte) {
    EXPECT_EQ(formatProjectFile(weirProject(), pointSettings()), kWeirFile);
    EXPECT_EQ(formatProjectFile(stageTableProject(), pointSettings()), kStageTableFile);
    EXPECT_EQ(formatProjectFile(circularOrificeProject(), pointSettings()), kCircularOrificeFile);
}

TEST(ProjectWriter, WritesTheDateInTheSettingsPatternAndNumbersWithAPoint) {
    const auto lines = fileLines(formatProjectFile(weirProject(), commaSettings()));
    EXPECT_EQ(lines[1], "15.03.2007");
    EXPECT_EQ(lines[4], "4.500 5.200 6.100 6.800 7.500");
}

struct FormatCase {
    const char* name;
    std::function<void(ProjectValues&)> change;
    std::size_t lineIndex; // from 0
    std::string line;
};

class ProjectWriterFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ProjectWriterFormat, WritesTheLine) {
    ProjectValues values = weirProject();
    GetParam().change(values);
    const auto lines = fileLines(formatProjectFile(values, pointSettings()));
    ASSERT_LT(GetParam().lineIndex, lines.size());
    EXPECT_EQ(lines[GetParam().lineIndex], GetParam().line);
}

// Lines of the weir project, from 0: 4 intensities, 5-7 rainfall, 8 end of table, 9-16 site,
// 17 discharge method, 18-21 outlet.
const FormatCase kFormatCases[] = {
    {"RainfallHalfHasThreeDecimals",
     [](ProjectValues& v) {
         v.rainfallRows = {{0.5, 1, 1, 1, 1, 1}};
     },
     5, "0.500 1.000 1.000 1.000 1.000 1.000"},
    {"NegativePoolElevation", [](ProjectValues& v) { v.siteValues[6] = -1.25; }, 15, "-1.25"},
    {"WeirCoefficientRoundedToTwoDecimals", [](ProjectValues& v) { v.outletValues[1] = 3.333; }, 19,
     "3.33"},
    {"TinyNegativeKeepsItsMinus", [](ProjectValues& v) { v.siteValues[0] = -0.001; }, 9, "-0.00"},
    {"BinaryValueBelowTheTieRoundsDown", [](ProjectValues& v) { v.siteValues[0] = 2.675; }, 9,
     "2.67"},
    {"ExactTieRoundsToEven", [](ProjectValues& v) { v.siteValues[0] = 0.125; }, 9, "0.12"},
    {"CoefficientThreeDecimals", [](ProjectValues& v) { v.siteValues[2] = 0.0005; }, 11, "0.001"},
    {"LargeValueNoExponent", [](ProjectValues& v) { v.siteValues[5] = 1.0e7; }, 14, "10000000.000"},
    {"NoSelectionIsMinusOne", [](ProjectValues& v) { v.intensityMethod = -1; }, 3, "-1"},
    {"NoIntensityLineForCurves", [](ProjectValues& v) { v.intensityMethod = 1; }, 4,
     "1.000 2.100 2.500 3.100 3.600 4.100"},
    {"EmptyRainfallTable", [](ProjectValues& v) { v.rainfallRows.clear(); }, 5,
     "999 *** *** *** *** ***"},
    {"LineBreakInDescriptionBecomesBlank",
     [](ProjectValues& v) { v.description = "Pond\r\nNorth"; }, 0, "Pond  North"},
    {"EmptyProjectNumber", [](ProjectValues& v) { v.projectNumber.clear(); }, 2, ""},
    {"RectangularOrificeHeight",
     [](ProjectValues& v) {
         v.dischargeMethod = 2;
         v.outletValues = {25, 3.2, 0, 12, 0.6, 6};
     },
     23, "6.00"},
};

INSTANTIATE_TEST_SUITE_P(Formats, ProjectWriterFormat, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectWriter, EndsAfterTheMethodLineForOtherMethods) {
    for (const int method : {-1, 4}) {
        ProjectValues values = weirProject();
        values.dischargeMethod = method;
        const auto lines = fileLines(formatProjectFile(values, pointSettings()));
        ASSERT_EQ(lines.size(), 18u) << method;
        EXPECT_EQ(lines.back(), std::to_string(method));
    }
}

TEST(ProjectWriter, WritesEveryStagePairAndNoneForAnEmptyTable) {
    ProjectValues values = stageTableProject();
    values.stagePairs.clear();
    auto lines = fileLines(formatProjectFile(values, pointSettings()));
    EXPECT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines.back(), "3");
}

TEST(ProjectWriter, RefusesTooFewOutletValues) {
    ProjectValues values = weirProject();
    values.dischargeMethod = 2; // needs six
    EXPECT_THROW(formatProjectFile(values, pointSettings()), std::invalid_argument);
}

TEST(ProjectWriter, OutletValueCounts) {
    EXPECT_EQ(outletValueCount(0), 4u);
    EXPECT_EQ(outletValueCount(1), 5u);
    EXPECT_EQ(outletValueCount(2), 6u);
    EXPECT_EQ(outletValueCount(3), 0u);
    EXPECT_EQ(outletValueCount(-1), 0u);
    EXPECT_EQ(outletValueCount(4), 0u);
}

} // namespace
} // namespace velmora
