#include "design/designcheck.h"

#include "designfixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

using ::testing::ElementsAreArray;
using testing::retailPond;
using testing::runOf;

std::vector<WarningCode> codesOf(const std::vector<DesignWarning>& warnings) {
    std::vector<WarningCode> codes;
    for (const DesignWarning& warning : warnings)
        codes.push_back(warning.code);
    return codes;
}

struct WarningCase {
    const char* name;
    void (*project)(MainWindowControls&, CapturedTables&);
    std::vector<WarningCode> codes; // every warning, in order
    std::string firstMessage;
    std::optional<int> firstRow;
};

class DesignWarnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(DesignWarnings, PointAtTheCauseWithoutFailingTheRun) {
    MainWindowControls controls = retailPond();
    CapturedTables captured = testing::smoothDayStorm();
    GetParam().project(controls, captured);
    const DesignCheck check =
        checkDesign(runOf(controls, captured), std::nullopt, cLocaleSettings());
    EXPECT_THAT(codesOf(check.warnings), ElementsAreArray(GetParam().codes));
    if (check.warnings.empty())
        return;
    EXPECT_EQ(check.warnings.front().message, GetParam().firstMessage);
    EXPECT_EQ(check.warnings.front().rainfallRow, GetParam().firstRow);
}

constexpr auto kPeak = WarningCode::PeakOnLastRow;
constexpr auto kClamped = WarningCode::StorageClamped;
constexpr auto kContinuity = WarningCode::ContinuityError;

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignWarnings,
    ::testing::Values(
        WarningCase{"SmoothStormThroughAWeirIsClean",
                    [](MainWindowControls&, CapturedTables&) {},
                    {},
                    "",
                    std::nullopt},
        WarningCase{"DurationOutOfOrder",
                    [](MainWindowControls&, CapturedTables& t) { t.rainfall.durations[3] = 1.25; },
                    {WarningCode::DurationOrder},
                    "rainfall row 4: duration 1.25 hr comes before row 3's 1.5 hr, a step of "
                    "-15.0 min",
                    3},
        WarningCase{"RepeatedDuration",
                    [](MainWindowControls&, CapturedTables& t) { t.rainfall.durations[1] = 0.5; },
                    {WarningCode::DurationOrder},
                    "rainfall row 2: duration 0.5 hr repeats row 1's 0.5 hr, a step of 0.0 min",
                    1},
        WarningCase{"FirstDurationAtTheStart",
                    [](MainWindowControls&, CapturedTables& t) { t.rainfall.durations[0] = 0; },
                    {WarningCode::DurationOrder},
                    "rainfall row 1: duration 0 hr repeats the storm's start at 0 hr, a step of "
                    "0.0 min",
                    0},
        WarningCase{"DepthFallsInTwoColumns",
                    [](MainWindowControls&, CapturedTables& t) {
                        t.rainfall.depths[rp10Year][20] = t.rainfall.depths[rp10Year][19] - 0.25;
                        t.rainfall.depths[rp100Year][20] = t.rainfall.depths[rp100Year][19] - 0.5;
                    },
                    {WarningCode::DepthDecrease},
                    "rainfall row 21: the cumulative depth falls (10-year by 0.250 in, 100-year "
                    "by 0.500 in), so the step's rain is negative",
                    20},
        WarningCase{"CrestBelowThePool",
                    [](MainWindowControls& c, CapturedTables&) { c.EditWCEl = "23.75"; },
                    // The outlet then draws on the pool itself: in every event steps remove more
                    // than the pond holds, and all but the 100-year event miss the balance by
                    // over 1 %.
                    {WarningCode::ControlBelowPool, kClamped, kContinuity, kClamped, kContinuity,
                     kClamped, kContinuity, kClamped, kContinuity, kClamped},
                    "the weir crest (23.75 ft) lies below the permanent pool (24 ft): the outlet "
                    "flows even when the pond stores nothing",
                    std::nullopt},
        WarningCase{"InvertBelowThePool",
                    [](MainWindowControls& c, CapturedTables&) {
                        c.ComboBoxSelDischMethd = 1;
                        c.EditWCEl = "23";
                    },
                    {WarningCode::ControlBelowPool, kClamped, kContinuity, kClamped, kContinuity,
                     kClamped, kContinuity, kClamped, kContinuity, kClamped, kContinuity},
                    "the orifice invert (23 ft) lies below the permanent pool (24 ft): the "
                    "outlet flows even when the pond stores nothing",
                    std::nullopt},
        WarningCase{"StormEndsStillRising",
                    [](MainWindowControls&, CapturedTables& t) {
                        t = testing::rainfallOf({0.25, 0.5}, {1, 2});
                    },
                    {kPeak, kPeak, kPeak, kPeak, kPeak},
                    "5-year event: the peak stage (25.11 ft) is reached on the last step, row 2 "
                    "(0.5 hr): the storm may be too short to show the true peak",
                    1},
        // Two inches of percolation an hour empty the pond in the storm's long later rows:
        // the storage is held at 0 there, and the balance misses by what they removed.
        WarningCase{"PercolationDrainsThePond",
                    [](MainWindowControls& c, CapturedTables& t) {
                        c.EditRPerm = "2";
                        t = testing::rainfallOf({1, 6, 24}, {2, 3, 4});
                    },
                    {kClamped, kContinuity, kClamped, kContinuity, kClamped, kContinuity, kClamped,
                     kContinuity, kClamped, kContinuity},
                    "5-year event: 2 steps remove more water than the pond holds, first row 2 "
                    "(6 hr); the storage is held at 0 and the 3.1355 ac-ft removed beyond it is "
                    "the continuity error",
                    1}),
    [](const ::testing::TestParamInfo<WarningCase>& info) { return std::string(info.param.name); });

TEST(DesignWarningCodes, NameEveryCode) {
    const std::vector<std::string> names{warningCodeName(WarningCode::DurationOrder),
                                         warningCodeName(WarningCode::DepthDecrease),
                                         warningCodeName(WarningCode::ControlBelowPool),
                                         warningCodeName(WarningCode::PeakOnLastRow),
                                         warningCodeName(WarningCode::StorageClamped),
                                         warningCodeName(WarningCode::ContinuityError)};
    EXPECT_EQ(names, (std::vector<std::string>{"duration-order", "depth-decrease",
                                               "control-below-pool", "peak-on-last-row",
                                               "storage-clamped", "continuity-error"}));
}

} // namespace
} // namespace velmora
