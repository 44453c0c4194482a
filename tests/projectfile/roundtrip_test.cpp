#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace velmora {
namespace {

using namespace velmora::testing;

// The C library's own text of a number; the tests run in the C locale.
std::string printfText(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

constexpr int kSiteDecimals[kSiteValueCount] = {2, 2, 3, 3, 2, 3, 2, 2};

// Every word the reader gives back is the writer's text of the value saved.
void expectReadsBack(const ProjectValues& v, const ProjectWords& w) {
    EXPECT_EQ(w.description, v.description);
    EXPECT_EQ(w.date, v.date);
    EXPECT_EQ(w.projectNumber.text, v.projectNumber);
    EXPECT_EQ(w.intensityMethod, v.intensityMethod);
    for (std::size_t i = 0; v.intensityMethod == 0 && i < v.userIntensities.size(); ++i) {
        EXPECT_EQ(w.userIntensities[i].text, printfText(v.userIntensities[i], 3));
    }
    ASSERT_EQ(w.rainfallRows.size(), v.rainfallRows.size());
    for (std::size_t r = 0; r < v.rainfallRows.size(); ++r) {
        for (std::size_t c = 0; c < 6; ++c) {
            EXPECT_EQ(w.rainfallRows[r][c].text, printfText(v.rainfallRows[r][c], 3));
        }
    }
    for (std::size_t i = 0; i < kSiteValueCount; ++i) {
        EXPECT_EQ(w.siteWords[i].text, printfText(v.siteValues[i], kSiteDecimals[i]));
    }
    EXPECT_EQ(w.dischargeMethod, v.dischargeMethod);
    ASSERT_EQ(w.outletWords.size(), outletValueCount(v.dischargeMethod));
    for (std::size_t i = 0; i < w.outletWords.size(); ++i) {
        EXPECT_EQ(w.outletWords[i].text, printfText(v.outletValues[i], 2));
    }
    if (v.dischargeMethod != 3) {
        EXPECT_TRUE(w.stagePairs.empty());
        return;
    }
    ASSERT_EQ(w.stagePairs.size(), std::max<std::size_t>(v.stagePairs.size(), 1));
    for (std::size_t i = 0; i < v.stagePairs.size(); ++i) {
        EXPECT_EQ(w.stagePairs[i].first.text, printfText(v.stagePairs[i].first, 2));
        EXPECT_EQ(w.stagePairs[i].second.text, printfText(v.stagePairs[i].second, 2));
    }
}

struct RoundTripCase {
    const char* name;
    std::function<ProjectValues()> project;
};

class ProjectRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProjectRoundTrip, ReadsBackWhatWasWritten) {
    const ProjectValues values = GetParam().project();
    for (const FormatSettings& settings : {pointSettings(), FormatSettings{'.', "yyyy-MM-dd"}}) {
        const ReadResult result = parseProjectFile(formatProjectFile(values, settings), settings);
        ASSERT_TRUE(result.ok()) << result.error << " at line " << result.errorLine;
        expectReadsBack(values, result.words);
    }
}

ProjectValues changed(ProjectValues values, const std::function<void(ProjectValues&)>& change) {
    change(values);
    return values;
}

const RoundTripCase kRoundTripCases[] = {
    {"RectangularWeir", weirProject},
    {"CircularOrifice", circularOrificeProject},
    {"RectangularOrifice",
     [] {
         return changed(weirProject(), [](ProjectValues& v) {
             v.dischargeMethod = 2;
             v.outletValues = {25, 3.2, 2, 18, 0.6, 6};
         });
     }},
    {"StageTable", stageTableProject},
    {"StageTableWithoutPairs",
     [] {
         return changed(stageTableProject(), [](ProjectValues& v) { v.stagePairs.clear(); });
     }},
    {"NoDischargeMethod",
     [] {
         return changed(weirProject(), [](ProjectValues& v) { v.dischargeMethod = -1; });
     }},
    {"CurvesWithoutRainfallRows",
     [] {
         return changed(weirProject(), [](ProjectValues& v) {
             v.intensityMethod = 1;
             v.rainfallRows.clear();
         });
     }},
    {"NoIntensityMethod",
     [] {
         return changed(weirProject(), [](ProjectValues& v) { v.intensityMethod = -1; });
     }},
    {"EmptyTexts",
     [] {
         return changed(weirProject(), [](ProjectValues& v) {
             v.description.clear();
             v.projectNumber.clear();
         });
     }},
    {"BlankProjectNumber",
     [] {
         return changed(weirProject(), [](ProjectValues& v) { v.projectNumber = " "; });
     }},
    {"ProjectNumberWithBlanks",
     [] {
         return changed(weirProject(), [](ProjectValues& v) { v.projectNumber = " P 101  "; });
     }},
    {"LongTextsAndWords",
     [] {
         return changed(weirProject(), [](ProjectValues& v) {
             v.description = std::string(100, 'x') + "  with blanks  " + std::string(85, 'y');
             v.projectNumber = std::string(200, '7');
             v.rainfallRows.push_back({1.0e20, -1.0e15, 123456789.125, 0, 0, 0});
             v.siteValues = {-123456.78, 1.0e12, 1000, -100, 1.0e7, 1234567.891, -99999.99, 0.001};
             v.outletValues = {1.0e30, -1.0e30, 0.005, 12345678901.0};
         });
     }},
};

INSTANTIATE_TEST_SUITE_P(Projects, ProjectRoundTrip, ::testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
