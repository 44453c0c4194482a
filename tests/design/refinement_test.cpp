#include "design/refinement.h"

#include "designfixtures.h"
#include "engine/basincalcs.h"
#include "engine/dischrate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>

namespace velmora {
namespace {

using testing::retailPond;
using testing::runOf;

struct CountCase {
    const char* name;
    double stepHours;
    double maxStepMinutes;
    int parts;
};

class SubStepCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(SubStepCount, SplitsIntoEqualStepsOfAtMostTheLimit) {
    EXPECT_EQ(subStepCount(GetParam().stepHours, GetParam().maxStepMinutes), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubStepCount,
    ::testing::Values(
        CountCase{"QuarterHourInFives", 0.25, 5, 3}, CountCase{"QuarterHourInSevens", 0.25, 7, 3},
        CountCase{"QuarterHourInOneStep", 0.25, 20, 1},
        CountCase{"RoundedTypedDurationGetsNoSliver", 0.25000000000000006, 5, 3},
        CountCase{"FiveMinutesTypedAsHours", 0.083, 1, 5}, CountCase{"DayInMinutes", 24, 1, 1440},
        CountCase{"HalfMinuteSteps", 0.25, 0.5, 30}, CountCase{"ZeroLengthIsNotSplit", 0, 1, 1},
        CountCase{"NegativeLengthIsNotSplit", -0.25, 1, 1}),
    [](const ::testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

std::vector<double> field(std::span<const RoutingRow> rows, double RoutingRow::*member) {
    std::vector<double> values;
    for (const RoutingRow& row : rows)
        values.push_back(row.*member);
    return values;
}

double total(std::span<const RoutingRow> rows, double RoutingRow::*member) {
    const std::vector<double> values = field(rows, member);
    return std::accumulate(values.begin(), values.end(), 0.0);
}

TEST(Refinement, RowsShorterThanTheLimitKeepTheirValuesExactly) {
    const ResultsRun run = runOf(retailPond(), testing::smoothDayStorm());
    const RefinedRun refined = refinedRun(run, 30);
    ASSERT_EQ(refined.run.routing.rows.size(), run.routing.rows.size());
    for (std::size_t m = 0; m < run.routing.rows.size(); ++m) {
        const RoutingRow& a = run.routing.rows[m];
        const RoutingRow& b = refined.run.routing.rows[m];
        EXPECT_TRUE(a.duration == b.duration && a.rainfall == b.rainfall && a.deltaR == b.deltaR &&
                    a.inflowVol == b.inflowVol && a.stage1 == b.stage1 &&
                    a.discharge == b.discharge && a.cumVol == b.cumVol && a.stage2 == b.stage2 &&
                    a.outflow == b.outflow && a.volOut == b.volOut &&
                    a.infiltrationVol == b.infiltrationVol)
            << "row " << m;
    }
    std::vector<int> identity(48);
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(refined.sourceRows, identity);
    EXPECT_EQ(refined.run.summary.peakStage, run.summary.peakStage);
}

// Two quarter hours with a repeated duration between them: three five-minute sub-steps each,
// the zero-length row left whole, and the cumulative depth interpolated in time.
TEST(Refinement, SplitsRowsEvenlyAndLeavesZeroLengthRowsWhole) {
    MainWindowControls controls = retailPond();
    controls.EditRPerm = "0.6";
    const ResultsRun run = runOf(controls, testing::rainfallOf({0.25, 0.25, 0.5}, {1.2, 1.2, 1.8}));
    const RefinedRun refined = refinedRun(run, 5);
    EXPECT_EQ(refined.sourceRows, (std::vector<int>{0, 0, 0, 1, 2, 2, 2}));
    const std::span<const RoutingRow> rows = refined.run.routing.event(rp5Year);
    ASSERT_EQ(rows.size(), 7u);
    const std::vector<double> durations{0.25 / 3,        0.5 / 3,        0.25, 0.25,
                                        0.25 + 0.25 / 3, 0.25 + 0.5 / 3, 0.5};
    const std::vector<double> depths{0.4, 0.8, 1.2, 1.2, 1.4, 1.6, 1.8};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "sub-step " << i);
        EXPECT_NEAR(rows[i].duration, durations[i], 1e-15);
        EXPECT_NEAR(rows[i].rainfall, depths[i], 1e-14);
        EXPECT_NEAR(rows[i].deltaT, i == 3 ? 0.0 : 0.25 / 3, 1e-15);
        EXPECT_NEAR(rows[i].deltaR, i < 3 ? 0.1 / 3 : i == 3 ? 0.0 : 0.05 / 3, 1e-15);
    }
    EXPECT_EQ(refined.run.rainfall.rowCount, 7);
    EXPECT_EQ(refined.run.rainfall.durations[6], 0.5);
    // The 100-year event's rain is twice the 5-year's and spread the same way.
    const std::span<const RoutingRow> hundred = refined.run.routing.event(rp100Year);
    EXPECT_NEAR(hundred[1].rainfall, 1.6, 1e-14);
    EXPECT_NEAR(total(hundred, &RoutingRow::inflowVol),
                total(run.routing.event(rp100Year), &RoutingRow::inflowVol), 1e-14);
    EXPECT_NEAR(total(rows, &RoutingRow::infiltrationVol),
                total(run.routing.event(rp5Year), &RoutingRow::infiltrationVol), 1e-15);
    EXPECT_EQ(refined.run.summary.peakStage, summarize(rows).peakStage);
}

TEST(Refinement, NegativeRainIsSpreadLikeAnyOther) {
    const ResultsRun run = runOf(retailPond(), testing::rainfallOf({0.5, 1.0}, {1.2, 0.6}));
    const RefinedRun refined = refinedRun(run, 10);
    const std::span<const RoutingRow> rows = refined.run.routing.event(rp5Year);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_NEAR(rows[3].deltaR, -0.05 / 3, 1e-15);
    EXPECT_NEAR(rows[4].rainfall, 0.8, 1e-14);
}

TEST(Refinement, RefusesLengthsThatAreNotPositiveAndStormsTooLongToSplit) {
    const ResultsRun run = runOf(retailPond(), testing::smoothDayStorm());
    for (double minutes : {0.0, -1.0, std::nan(""), HUGE_VAL})
        EXPECT_THROW(refinedRun(run, minutes), RefinementError) << minutes;
    try {
        refinedRun(run, 0.001);
        FAIL() << "1.44 million sub-steps are too many";
    } catch (const RefinementError& error) {
        EXPECT_STREQ(error.what(),
                     "Sub-steps of at most 0.001 min would split the storm into more than 200000 "
                     "steps");
    }
}

// The pond's storage equation solved on its own, as the oracle the sub-steps must agree
// with: dV/dt = I(t) - Q(stage) - F with V in ft3 above the permanent pool, held at 0 when
// the pond runs dry; I(t) is each rainfall row's runoff spread evenly over the row, F the
// percolation. Classic fourth-order Runge-Kutta in one-second steps.
struct Peaks {
    double stage = 0;   // ft
    double outflow = 0; // cfs
};

constexpr double kOracleStepSeconds = 1.0;

Peaks integrateStorage(const ResultsRun& run, int event,
                       const std::function<double(double)>& outlet) {
    const DesignInputs& in = run.inputs;
    const double pondSquareFeet = in.pondArea * kSquareFeetPerAcre;
    const double percolationCfs = run.infiltrationRate / kSecondsPerHour;
    const auto stageOf = [&](double volume) {
        return in.permPoolElev + std::max(volume, 0.0) / pondSquareFeet;
    };
    Peaks peaks{in.permPoolElev, outlet(in.permPoolElev)};
    double volume = 0.0;
    for (const RoutingRow& row : run.routing.event(event)) {
        const double inflowCfs =
            row.inflowVol * kSquareFeetPerAcre / (row.deltaT * kSecondsPerHour);
        const auto rate = [&](double v) {
            return inflowCfs - outlet(stageOf(v)) - percolationCfs;
        };
        const auto steps = static_cast<long>(std::lround(row.deltaT * kSecondsPerHour));
        const double h = kOracleStepSeconds;
        for (long s = 0; s < steps; ++s) {
            const double k1 = rate(volume);
            const double k2 = rate(volume + h / 2 * k1);
            const double k3 = rate(volume + h / 2 * k2);
            const double k4 = rate(volume + h * k3);
            volume = std::max(volume + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4), 0.0);
            peaks.stage = std::max(peaks.stage, stageOf(volume));
            peaks.outflow = std::max(peaks.outflow, outlet(stageOf(volume)));
        }
    }
    return peaks;
}

struct OracleCase {
    const char* name;
    void (*outlet)(MainWindowControls&, CapturedTables&);
};

class AgainstTheStorageEquation : public ::testing::TestWithParam<OracleCase> {};

TEST_P(AgainstTheStorageEquation, OneMinuteSubStepsGiveThePeaks) {
    MainWindowControls controls = retailPond();
    CapturedTables captured = testing::smoothDayStorm();
    GetParam().outlet(controls, captured);
    const ResultsRun run = runOf(controls, captured);
    const BasinParameters pond = routingEngineFor(run.inputs).parameters();
    const dischRate table(run.stageDischarge);
    const std::function<double(double)> outlet = [&](double stage) {
        switch (run.inputs.dischargeMethod) {
        case DischargeMethod::CircularOrifice:
            return dischRate::circOrifFlow(stage, pond.weirCoef, pond.orifSize, pond.controlElev,
                                           pond.orifCoef);
        case DischargeMethod::RectangularOrifice:
            return dischRate::rectOrifFlow(stage, pond.weirCoef, pond.orifSize, pond.orifHeight,
                                           pond.endContractions, pond.controlElev, pond.orifCoef);
        case DischargeMethod::StageDischargeTable:
            return table.tableFlow(stage);
        case DischargeMethod::RectangularWeir:
            break;
        }
        return dischRate::weirFlow(stage, pond.weirCoef, pond.weirLength, pond.endContractions,
                                   pond.controlElev);
    };
    const RefinedRun refined = refinedRun(run, 1);
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        SCOPED_TRACE(::testing::Message() << "event " << p);
        const Peaks oracle = integrateStorage(run, p, outlet);
        const RoutingSummary fine = summarize(refined.run.routing.event(p));
        EXPECT_NEAR(fine.peakStage, oracle.stage, 0.01);
        EXPECT_NEAR(fine.peakOutflow, oracle.outflow, 0.01 * oracle.outflow);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outlets, AgainstTheStorageEquation,
    ::testing::Values(
        OracleCase{"Weir",
                   [](MainWindowControls&, CapturedTables&) {
                   }},
        OracleCase{"WeirWithPercolation",
                   [](MainWindowControls& c, CapturedTables&) {
                       c.EditRPerm = "2";
                   }},
        OracleCase{"CircularOrificeWithPercolation",
                   [](MainWindowControls& c, CapturedTables&) {
                       c.ComboBoxSelDischMethd = 1;
                       c.EditWCEl = "24.2";
                       c.EditWeirLength = "9";
                       c.edtOrifCoef = "0.6";
                       c.EditRPerm = "1";
                   }},
        OracleCase{"RectangularOrificeWithPercolation",
                   [](MainWindowControls& c, CapturedTables&) {
                       c.ComboBoxSelDischMethd = 2;
                       c.EditWCEl = "24.2";
                       c.EditWeirLength = "10";
                       c.EditNoEC = "0";
                       c.edtOrifHt = "4";
                       c.edtOrifCoef = "0.6";
                       c.EditRPerm = "1";
                   }},
        OracleCase{"RatingTableWithPercolation",
                   [](MainWindowControls& c, CapturedTables& captured) {
                       c.ComboBoxSelDischMethd = 3;
                       c.EditRPerm = "1";
                       captured.stageDischarge = {4, {24, 24.5, 25.5, 27}, {0, 0.8, 4.5, 14}};
                   }}),
    [](const ::testing::TestParamInfo<OracleCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
