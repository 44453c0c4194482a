#include "design/eventcheck.h"

#include "designfixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace velmora {
namespace {

using testing::retailPond;
using testing::runOf;

struct RateCase {
    const char* name;
    int intensityMethod;
    std::array<std::optional<double>, kReturnPeriodCount> rates; // cfs
};

class PreDevelopmentRateOfEachEvent : public ::testing::TestWithParam<RateCase> {};

// Each event gets its own rate, whichever event the run was made for.
TEST_P(PreDevelopmentRateOfEachEvent, FollowsTheIntensityMethod) {
    MainWindowControls controls = retailPond();
    controls.cbxNtnstyMthd = GetParam().intensityMethod;
    controls.grpRainEvnt = rp50Year;
    const auto checks = checkEvents(runOf(controls, testing::smoothDayStorm()));
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        SCOPED_TRACE(::testing::Message() << "event " << p);
        const EventCheck& check = checks[static_cast<std::size_t>(p)];
        EXPECT_EQ(check.returnPeriod, p);
        const std::optional<double> expected = GetParam().rates[static_cast<std::size_t>(p)];
        ASSERT_EQ(check.preDevRate.has_value(), expected.has_value());
        if (!expected) {
            EXPECT_FALSE(check.outflowRatio);
            EXPECT_FALSE(check.meetsPreDev);
            continue;
        }
        EXPECT_NEAR(*check.preDevRate, *expected, 1e-12);
        EXPECT_DOUBLE_EQ(*check.outflowRatio, check.peakOutflow / *expected);
        EXPECT_EQ(*check.meetsPreDev, check.peakOutflow <= *expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, PreDevelopmentRateOfEachEvent,
                         ::testing::Values(
                             // 145 / (45 + 20)^e x 12.5 acres x C 0.25, e by event.
                             RateCase{"CityCurvesTakeEachEventsExponent",
                                      IntensityMethod::CityCurves,
                                      {9.337026732842256, 10.582688256835095, 12.350194496927,
                                       13.766056395702334, 16.132447184450747}},
                             RateCase{"UserIntensityOfEachEvent",
                                      IntensityMethod::UserSupplied,
                                      {12.8125, 14.375, 16.875, 18.75, 20.625}},
                             RateCase{"NoMethodGivesNoRate", -1, {}}),
                         [](const ::testing::TestParamInfo<RateCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(EventCheck, PeaksAreEachEventsOwnAndTheDesignEventsAreTheReports) {
    MainWindowControls controls = retailPond();
    controls.grpRainEvnt = rp25Year;
    const ResultsRun run = runOf(controls, testing::smoothDayStorm());
    const auto checks = checkEvents(run);
    for (int p = 1; p < kReturnPeriodCount; ++p) { // deeper storms fill the pond higher
        EXPECT_GT(checks[static_cast<std::size_t>(p)].peakStage,
                  checks[static_cast<std::size_t>(p - 1)].peakStage);
        EXPECT_GT(checks[static_cast<std::size_t>(p)].maxStorage,
                  checks[static_cast<std::size_t>(p - 1)].maxStorage);
    }
    const EventCheck& design = checks[rp25Year];
    EXPECT_EQ(design.peakOutflow, run.summary.peakOutflow);
    EXPECT_EQ(design.peakStage, run.summary.peakStage);
    EXPECT_EQ(design.maxStorage, run.summary.maxStorage);
}

// A site of one acre at C 1 makes the rate the intensity itself, so the boundary is exact.
TEST(EventCheck, AnOutflowEqualToTheRateMeetsIt) {
    MainWindowControls controls = retailPond();
    controls.EditPreCondArea = "1";
    controls.EditPreC = "1";
    const ResultsRun run = runOf(controls, testing::smoothDayStorm());
    const double peak = run.summary.peakOutflow;
    for (const auto& [intensity, meets] :
         {std::pair{peak, true}, std::pair{std::nextafter(peak, 0.0), false}}) {
        ResultsRun atRate = run;
        atRate.inputs.userIntensity[rp5Year] = intensity;
        const EventCheck check = checkEvent(atRate, rp5Year);
        EXPECT_EQ(check.meetsPreDev, meets) << intensity;
    }
    ResultsRun noRate = run;
    noRate.inputs.userIntensity[rp5Year] = 0;
    const EventCheck zero = checkEvent(noRate, rp5Year);
    EXPECT_EQ(zero.preDevRate, 0.0);
    EXPECT_FALSE(zero.outflowRatio); // no share of nothing
    EXPECT_EQ(zero.meetsPreDev, false);
}

} // namespace
} // namespace velmora
