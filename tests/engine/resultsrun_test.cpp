#include "engine/resultsrun.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// A small weir project: 5 acres at C 0.8 into a 1-acre pond, crest half a foot above the
// permanent pool, city curves, 25-year design event.
MainWindowControls weirProject() {
    MainWindowControls c;
    c.EditPreCondArea = "5";
    c.EditPostCondArea = "5";
    c.EditPreC = "0.3";
    c.EditPostC = "0.8";
    c.EditPreTc = "10";
    c.EditPSA = "1";
    c.EditpermpoolElev = "100";
    c.EditRPerm = "0";
    c.cbxNtnstyMthd = IntensityMethod::CityCurves;
    c.grpRainEvnt = rp25Year;
    c.ComboBoxSelDischMethd = 0;
    c.EditWCEl = "100.5";
    c.EditWCoef = "3";
    c.EditNoEC = "0";
    c.EditWeirLength = "12";
    return c;
}

CapturedTables capturedTables(std::vector<double> fiveYearDepths = {0.6, 1.0, 1.3}) {
    CapturedTables captured;
    RainfallTable& table = captured.rainfall;
    table.rowCount = static_cast<int>(fiveYearDepths.size());
    for (int k = 0; k < table.rowCount; ++k)
        table.durations.push_back(0.25 * (k + 1));
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        for (double depth : fiveYearDepths)
            table.depths[static_cast<std::size_t>(p)].push_back(depth * (1 + 0.5 * p));
    }
    return captured;
}

ResultsRun run(const MainWindowControls& controls,
               const CapturedTables& captured = capturedTables()) {
    return performResultsRun(controls, captured, cLocaleSettings());
}

// The RunError's detail, or "" when the run succeeds.
std::string failureOf(const MainWindowControls& controls,
                      const CapturedTables& captured = capturedTables()) {
    try {
        run(controls, captured);
        return "";
    } catch (const RunError& error) {
        EXPECT_STREQ(error.what(), "CHECK DATA!");
        return error.detail();
    }
}

struct InputCase {
    const char* name;
    void (*change)(MainWindowControls&);
    const char* detail; // "" when the run succeeds
};

class ReadingRule : public testing::TestWithParam<InputCase> {};

TEST_P(ReadingRule, ReadsOnlyTheControlsTheRunNeeds) {
    MainWindowControls controls = weirProject();
    GetParam().change(controls);
    EXPECT_EQ(failureOf(controls), GetParam().detail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingRule,
    testing::Values(
        InputCase{"EmptyEditReadsZero", [](MainWindowControls& c) { c.EditPreCondArea = ""; }, ""},
        InputCase{"BlankPondAreaFails", [](MainWindowControls& c) { c.EditPSA = " "; },
                  "EditPSA: ' ' is not a valid floating point value"},
        InputCase{"FirstBadControlIsReported",
                  [](MainWindowControls& c) {
                      c.EditWCEl = "x";
                      c.EditRPerm = "y";
                      c.EditPreC = "z";
                  },
                  "EditPreC: 'z' is not a valid floating point value"},
        InputCase{"WeirReadsEndContractions", [](MainWindowControls& c) { c.EditNoEC = "two"; },
                  "EditNoEC: 'two' is not a valid floating point value"},
        InputCase{"WeirIgnoresOrificeFields",
                  [](MainWindowControls& c) {
                      c.edtOrifCoef = "?";
                      c.edtOrifHt = "?";
                  },
                  ""},
        InputCase{"CircularOrificeIgnoresEndContractionsAndHeight",
                  [](MainWindowControls& c) {
                      c.ComboBoxSelDischMethd = 1;
                      c.EditNoEC = "?";
                      c.edtOrifHt = "?";
                  },
                  ""},
        InputCase{"RectangularOrificeReadsHeight",
                  [](MainWindowControls& c) {
                      c.ComboBoxSelDischMethd = 2;
                      c.edtOrifHt = "6in";
                  },
                  "edtOrifHt: '6in' is not a valid floating point value"},
        InputCase{"TableReadsNoOutletField",
                  [](MainWindowControls& c) {
                      c.ComboBoxSelDischMethd = 3;
                      c.EditWCEl = "?";
                      c.EditWCoef = "?";
                  },
                  ""},
        InputCase{"CityCurvesIgnoreIntensityCells",
                  [](MainWindowControls& c) { c.sgUsrNtnsty[2] = "abc"; }, ""},
        InputCase{"UserIntensityReadsEveryCell",
                  [](MainWindowControls& c) {
                      c.cbxNtnstyMthd = IntensityMethod::UserSupplied;
                      c.sgUsrNtnsty[4] = "abc";
                  },
                  "sgUsrNtnsty row 5: 'abc' is not a valid floating point value"}),
    [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

class RunFailure : public testing::TestWithParam<InputCase> {};

TEST_P(RunFailure, NamesTheStepAndWhy) {
    MainWindowControls controls = weirProject();
    GetParam().change(controls);
    CapturedTables captured = capturedTables();
    captured.stageDischarge = StageDischargeTable{3, {100, 100, 101}, {0, 1, 2}};
    EXPECT_EQ(failureOf(controls, captured), GetParam().detail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunFailure,
    testing::Values(
        InputCase{"PondAreaZero", [](MainWindowControls& c) { c.EditPSA = "0"; },
                  "Stage-1 of event 5-year row 1: division by zero (pond area is 0)"},
        InputCase{"CityCurveAtMinusTwentyMinutes",
                  [](MainWindowControls& c) { c.EditPreTc = "-20"; },
                  "Pre-development intensity: division by zero (time of concentration is -20 "
                  "minutes)"},
        InputCase{
            "EqualStagesBracketing",
            [](MainWindowControls& c) {
                c.ComboBoxSelDischMethd = 3;
                c.EditPostCondArea = "0"; // the pond stays at the pool, 100 ft
            },
            "Discharge of event 5-year row 1: division by zero (stage-discharge pairs 1 and 2 "
            "have the same stage)"},
        InputCase{"HugeAreasOverflow",
                  [](MainWindowControls& c) {
                      c.EditPostCondArea = "1e308";
                      c.EditPostC = "1e308";
                  },
                  "Inflow Vol. of event 5-year row 1: overflow"},
        InputCase{"HugePondOverflowsInfiltration",
                  [](MainWindowControls& c) {
                      c.EditPSA = "1e308";
                      c.EditRPerm = "1";
                  },
                  "Infiltration rate: overflow"}),
    [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(ResultsRun, FillsTheRowsFromTheTableAndTheSeries) {
    const ResultsRun result = run(weirProject());
    ASSERT_EQ(result.routing.rowCount, 3);
    ASSERT_EQ(result.routing.rows.size(), 15u);
    const RoutingRow& row = result.routing.event(rp10Year)[1];
    EXPECT_DOUBLE_EQ(row.duration, 0.5);
    EXPECT_DOUBLE_EQ(row.rainfall, 1.5);
    EXPECT_DOUBLE_EQ(row.deltaT, 0.25);
    EXPECT_DOUBLE_EQ(row.deltaR, (1.5 - 0.9) / 12);
    EXPECT_DOUBLE_EQ(row.inflowVol, row.deltaR * 5 * 0.8);
    EXPECT_EQ(result.eventLabel, "25yr/0.75hr");
    EXPECT_DOUBLE_EQ(result.eventExponent, 0.863);
    ASSERT_TRUE(result.preDevRate.has_value());
    EXPECT_NEAR(*result.preDevRate, 11.553, 5e-4);
    EXPECT_EQ(result.eventUserIntensity, 0.0);

    RoutingSummary expected;
    for (const RoutingRow& r : result.routing.event(rp25Year))
        expected.take(r);
    EXPECT_EQ(result.summary.peakStage, expected.peakStage);
    EXPECT_EQ(result.summary.maxStorage, expected.maxStorage);
    EXPECT_GT(result.summary.peakOutflow, 0.0);
}

TEST(ResultsRun, EmptyWeirCoefficientGivesNoOutletFlow) {
    MainWindowControls controls = weirProject();
    controls.EditWCoef = "";
    for (const RoutingRow& row : run(controls).routing.rows) {
        EXPECT_EQ(row.discharge, 0.0);
        EXPECT_EQ(row.outflow, 0.0);
    }
}

TEST(ResultsRun, EveryRunOfOneCaptureSeesTheSameReplacedDepth) {
    const CapturedTables captured = capturedTables({0.6, -0.2, 1.3});
    const ResultsRun first = run(weirProject(), captured);
    const ResultsRun second = run(weirProject(), captured);

    EXPECT_EQ(captured.rainfall.depths[0], (std::vector<double>{0.6, -0.2, 1.3}));
    const auto firstRows = first.routing.event(rp5Year);
    EXPECT_DOUBLE_EQ(firstRows[1].deltaR, (-0.2 - 0.6) / 12);
    EXPECT_EQ(firstRows[1].rainfall, 0.0);
    EXPECT_EQ(first.rainfall.depths[0][1], 0.0);
    for (std::size_t m = 0; m < first.routing.rows.size(); ++m) {
        EXPECT_EQ(first.routing.rows[m].deltaR, second.routing.rows[m].deltaR);
        EXPECT_EQ(first.routing.rows[m].stage2, second.routing.rows[m].stage2);
    }
}

TEST(ResultsRun, SummaryMaximaStartAtZero) {
    MainWindowControls controls = weirProject();
    controls.EditpermpoolElev = "-50";
    controls.EditWCEl = "-49.5";
    const ResultsRun result = run(controls);
    EXPECT_LT(result.routing.event(rp25Year)[0].stage2, 0.0);
    EXPECT_EQ(result.summary.peakStage, 0.0);
    EXPECT_GT(result.summary.maxStorage, 0.0);
}

TEST(ResultsRun, DesignEventOutsideTheGroupIsTheFiveYearEvent) {
    MainWindowControls controls = weirProject();
    controls.grpRainEvnt = -1;
    controls.cbxNtnstyMthd = IntensityMethod::UserSupplied;
    controls.sgUsrNtnsty = {"1", "2", "3", "4", "5"};
    const ResultsRun result = run(controls);
    EXPECT_EQ(result.inputs.designEvent, rp5Year);
    EXPECT_DOUBLE_EQ(result.eventExponent, 0.93);
    EXPECT_EQ(result.eventLabel, "5yr/0.75hr");
    EXPECT_EQ(result.eventUserIntensity, 1.0);
    EXPECT_DOUBLE_EQ(*result.preDevRate, 5 * 0.3 * 1.0);
    EXPECT_EQ(result.summary.maxStorage, summarize(result.routing.event(rp5Year)).maxStorage);
}

TEST(ResultsRun, EmptyRainfallTableRoutesNothing) {
    MainWindowControls controls = weirProject();
    controls.grpRainEvnt = rp100Year;
    const ResultsRun result = run(controls, CapturedTables{});
    EXPECT_EQ(result.maxDuration, 0.0);
    EXPECT_EQ(result.eventLabel, "100yr/0hr");
    EXPECT_EQ(result.routing.rowCount, 0);
    EXPECT_TRUE(result.routing.rows.empty());
    EXPECT_EQ(result.summary.maxStorage, 0.0);
}

TEST(ResultsRun, TableMethodWithoutPairsHasNoOutletFlow) {
    MainWindowControls controls = weirProject();
    controls.ComboBoxSelDischMethd = 3;
    controls.EditWCEl = "5";
    const ResultsRun result = run(controls);
    EXPECT_EQ(result.inputs.dischargeMethod, DischargeMethod::StageDischargeTable);
    EXPECT_EQ(result.inputs.controlElev, 0.0); // not read by the table method
    for (const RoutingRow& row : result.routing.rows)
        EXPECT_EQ(row.outflow, 0.0);
}

TEST(ResultsRun, UnknownDischargeMethodIsTheWeir) {
    MainWindowControls controls = weirProject();
    controls.ComboBoxSelDischMethd = -1;
    const ResultsRun result = run(controls);
    EXPECT_EQ(result.inputs.dischargeMethod, DischargeMethod::RectangularWeir);
    EXPECT_EQ(result.summary.peakOutflow, run(weirProject()).summary.peakOutflow);
}

// A search that varies inputs as numbers runs them without the controls: the same run, and
// the same failure.
TEST(ResultsRun, RunOfReadInputsIsTheRunOfTheControls) {
    const ResultsRun fromControls = run(weirProject());
    DesignInputs inputs = fromControls.inputs;
    const ResultsRun fromInputs = performResultsRun(inputs, capturedTables(), cLocaleSettings());
    ASSERT_EQ(fromInputs.routing.rows.size(), fromControls.routing.rows.size());
    for (std::size_t m = 0; m < fromInputs.routing.rows.size(); ++m)
        EXPECT_EQ(fromInputs.routing.rows[m].stage2, fromControls.routing.rows[m].stage2) << m;
    EXPECT_EQ(fromInputs.preDevRate, fromControls.preDevRate);
    EXPECT_EQ(fromInputs.eventLabel, "25yr/0.75hr");

    inputs.designEvent = 7; // outside the group: the 5-year event
    inputs.pondArea = 0;
    try {
        performResultsRun(inputs, capturedTables(), cLocaleSettings());
        FAIL() << "a pond of no area must fail the run";
    } catch (const RunError& error) {
        EXPECT_STREQ(error.what(), "CHECK DATA!");
        EXPECT_EQ(error.detail(),
                  "Stage-1 of event 5-year row 1: division by zero (pond area is 0)");
    }
}

} // namespace
} // namespace velmora
