#include "design/designcheck.h"

#include "designfixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora {
namespace {

using testing::retailPond;
using testing::runOf;

struct VerdictCase {
    const char* name;
    void (*change)(MainWindowControls&);
    bool meets;
};

class DesignVerdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(DesignVerdict, NeedsEveryEventAtOrBelowItsRate) {
    MainWindowControls controls = retailPond();
    GetParam().change(controls);
    const DesignCheck check =
        checkDesign(runOf(controls, testing::smoothDayStorm()), std::nullopt, cLocaleSettings());
    EXPECT_EQ(check.meetsPreDevelopment(), GetParam().meets);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignVerdict,
    ::testing::Values(
        VerdictCase{"EveryEventMeets", [](MainWindowControls&) {}, true},
        VerdictCase{"OneEventAboveItsRate",
                    [](MainWindowControls& c) { c.sgUsrNtnsty[rp50Year] = "0.5"; }, false},
        VerdictCase{"NoRateToMeet", [](MainWindowControls& c) { c.cbxNtnstyMthd = -1; }, false}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

// On the table's rows and on one-minute sub-steps alike the balance closes but for the water
// the steps held at 0 removed beyond the storage.
TEST(DesignCheck, ContinuityErrorIsTheWaterRemovedBeyondTheStorage) {
    MainWindowControls controls = retailPond();
    controls.EditRPerm = "2";
    const ResultsRun run = runOf(controls, testing::rainfallOf({1, 6, 24}, {2, 3, 4}));
    for (const std::optional<double> step : {std::optional<double>(), std::optional<double>(1.0)}) {
        const DesignCheck check = checkDesign(run, step, cLocaleSettings());
        for (const MassBalance& balance : check.balances) {
            SCOPED_TRACE(::testing::Message()
                         << "event " << balance.returnPeriod << " step " << step.value_or(0));
            EXPECT_TRUE(balance.firstClampedRow);
            EXPECT_NEAR(balance.continuityError, -balance.clampedVolume, 1e-12);
        }
    }
    const DesignCheck clean =
        checkDesign(runOf(retailPond(), testing::smoothDayStorm()), 1.0, cLocaleSettings());
    for (const MassBalance& balance : clean.balances) {
        EXPECT_FALSE(balance.firstClampedRow);
        EXPECT_NEAR(balance.continuityError, 0.0, 1e-12);
    }
}

// With sub-steps the rows are the sub-steps, and a warning about a step names the sub-step
// and points at the rainfall row it belongs to.
TEST(DesignCheck, SubStepsAreRoutedAndNamed) {
    const ResultsRun run = runOf(retailPond(), testing::rainfallOf({0.25, 0.5}, {1, 2}));
    const DesignCheck check = checkDesign(run, 1.0, cLocaleSettings());
    EXPECT_EQ(check.maxStepMinutes, 1.0);
    EXPECT_EQ(check.routed.routing.rowCount, 30);
    EXPECT_EQ(check.sourceRows.front(), 0);
    EXPECT_EQ(check.sourceRows[15], 1);
    EXPECT_EQ(check.events[rp5Year].peakStage, summarize(check.routed.routing.event(0)).peakStage);
    ASSERT_FALSE(check.warnings.empty());
    const DesignWarning& peak = check.warnings.front();
    EXPECT_EQ(peak.code, WarningCode::PeakOnLastRow);
    EXPECT_NE(peak.message.find("the last step, sub-step 30 of row 2 (0.500 hr)"),
              std::string::npos)
        << peak.message;
    EXPECT_EQ(peak.rainfallRow, 1);

    const DesignCheck onRows = checkDesign(run, std::nullopt, cLocaleSettings());
    EXPECT_EQ(onRows.routed.routing.rows.size(), run.routing.rows.size());
    EXPECT_EQ(onRows.sourceRows, (std::vector<int>{0, 1}));
}

TEST(DesignCheck, NumbersInMessagesFollowTheLocale) {
    MainWindowControls controls = retailPond();
    controls.EditWCEl = "23.75";
    const DesignCheck check = checkDesign(runOf(controls, testing::smoothDayStorm()), std::nullopt,
                                          FormatSettings{',', "dd.MM.yyyy"});
    ASSERT_FALSE(check.warnings.empty());
    EXPECT_EQ(check.warnings.front().message.substr(0, 25), "the weir crest (23,75 ft)");
}

} // namespace
} // namespace velmora
