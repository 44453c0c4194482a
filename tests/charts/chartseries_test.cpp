#include "charts/chartseries.h"

#include "../design/designfixtures.h"
#include "chartfixtures.h"
#include "engine/basincalcs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using testing::chartRun;
using testing::kPool;

// The points against (hours, value) pairs: hours exactly, values to a relative 1e-12.
void expectPoints(const std::vector<ChartPoint>& points,
                  const std::vector<std::pair<double, double>>& expected) {
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].hours, expected[i].first) << "point " << i;
        EXPECT_NEAR(points[i].value, expected[i].second, 1e-12 * expected[i].second)
            << "point " << i;
    }
}

// 25-year event (factor 3): 1.5 acre-feet in a quarter hour is 72.6 cfs, 0.75 in half an hour
// 18.15 cfs; the zero-length step between them adds no points.
TEST(ChartSeries, RatesAreStepsFromZeroHoursAndZeroLengthStepsAddNothing) {
    const ResultsRun run = chartRun();
    expectPoints(inflowRateSeries(run, rp25Year),
                 {{0, 72.6}, {0.25, 72.6}, {0.25, 18.15}, {0.75, 18.15}});
    expectPoints(outletRateSeries(run, rp25Year), {{0, 4.5}, {0.25, 4.5}, {0.25, 9}, {0.75, 9}});
}

// The zero-length step keeps its point: its inflow still raises the pond.
TEST(ChartSeries, StageStartsOnThePoolAndFollowsEveryStepsEnd) {
    expectPoints(stageSeries(chartRun(), rp5Year),
                 {{0, kPool}, {0.25, 100.2}, {0.25, 100.3}, {0.75, 100.25}});
}

// On a routed day-long storm, the area under each step line is the volume the table holds:
// the rate's unit and the steps' ends are right.
TEST(ChartSeries, AreaUnderTheRatesIsTheRoutedVolume) {
    const ResultsRun run = testing::runOf(testing::retailPond(), testing::smoothDayStorm());
    const auto area = [](const std::vector<ChartPoint>& steps) {
        double cfsHours = 0;
        for (std::size_t i = 0; i + 1 < steps.size(); i += 2)
            cfsHours += steps[i].value * (steps[i + 1].hours - steps[i].hours);
        return cfsHours * kSecondsPerHour / kSquareFeetPerAcre; // acre-feet
    };
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        double inflow = 0, outlet = 0;
        for (const RoutingRow& row : run.routing.event(p)) {
            inflow += row.inflowVol;
            outlet += row.volOut;
        }
        EXPECT_NEAR(area(inflowRateSeries(run, p)), inflow, 1e-9 * inflow) << p;
        EXPECT_NEAR(area(outletRateSeries(run, p)), outlet, 1e-9 * outlet) << p;
        EXPECT_EQ(stageSeries(run, p).back().hours, 24.0);
    }
}

TEST(ChartSeries, AnEventTheRunDoesNotHoldIsRefused) {
    ResultsRun run = chartRun();
    EXPECT_THROW(inflowRateSeries(run, -1), std::out_of_range);
    EXPECT_THROW(stageSeries(run, kReturnPeriodCount), std::out_of_range);
    run.routing.rows.resize(6); // the 5-year and 10-year events only
    EXPECT_NO_THROW(outletRateSeries(run, rp10Year));
    EXPECT_THROW(outletRateSeries(run, rp25Year), std::out_of_range);
}

struct ControlCase {
    const char* name;
    DischargeMethod outlet;
    std::optional<double> elevation;
};

class ControlElevation : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlElevation, IsTheCrestOrInvertOfAStructure) {
    DesignInputs inputs;
    inputs.controlElev = 101.25;
    inputs.dischargeMethod = GetParam().outlet;
    EXPECT_EQ(controlElevation(inputs), GetParam().elevation);
}

INSTANTIATE_TEST_SUITE_P(
    Outlets, ControlElevation,
    ::testing::Values(
        ControlCase{"RectangularWeir", DischargeMethod::RectangularWeir, 101.25},
        ControlCase{"CircularOrifice", DischargeMethod::CircularOrifice, 101.25},
        ControlCase{"RectangularOrifice", DischargeMethod::RectangularOrifice, 101.25},
        ControlCase{"StageDischargeTable", DischargeMethod::StageDischargeTable, std::nullopt}),
    [](const ::testing::TestParamInfo<ControlCase>& info) { return info.param.name; });

} // namespace
} // namespace velmora
