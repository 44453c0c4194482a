#include "engine/basincalcs.h"
#include "engine/calculationerror.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

constexpr double kFiveDigits = 5e-6;

// A table whose five events share the same durations and 5-year depths.
RainfallTable tableOf(std::vector<double> durations, std::vector<double> depths) {
    RainfallTable table;
    table.rowCount = static_cast<int>(durations.size());
    table.durations = std::move(durations);
    for (auto& column : table.depths)
        column = depths;
    return table;
}

std::vector<double> fiveTimes(const std::vector<double>& perRow) {
    std::vector<double> series;
    for (int p = 0; p < kReturnPeriodCount; ++p)
        series.insert(series.end(), perRow.begin(), perRow.end());
    return series;
}

// Weir outlet: crest 100.5, coefficient 3, length 12 inches; permanent pool 100, pond 1 acre.
basinCalcs workedExampleEngine(double pondArea = 1.0, double permPool = 100.0) {
    basinCalcs engine;
    engine.setInputs(100.5, 3, 12, 0, 0, 0, 0, 0, pondArea, 0, permPool, 0, 12, 0.6, 6);
    return engine;
}

TEST(BasinCalcs, SetInputsKeepsLengthsInFeet) {
    basinCalcs engine;
    engine.setInputs(1, 2, 18, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 12, 6);
    EXPECT_DOUBLE_EQ(engine.parameters().weirLength, 1.5);
    EXPECT_DOUBLE_EQ(engine.parameters().orifSize, 1.5);
    EXPECT_DOUBLE_EQ(engine.parameters().orifHeight, 0.5);
    EXPECT_DOUBLE_EQ(engine.parameters().pondArea, 8);
    EXPECT_DOUBLE_EQ(engine.parameters().endContractions, 11);
}

TEST(BasinCalcs, RoutesTheWorkedWeirSteps) {
    const std::vector<double> deltaT{0.25, 0.25};
    const auto rows = workedExampleEngine().route(deltaT, fiveTimes({0, 0}), fiveTimes({0.6, 0.2}),
                                                  DischargeMethod::RectangularWeir, {});
    ASSERT_EQ(rows.size(), 10u);
    struct Expected {
        double stage1, discharge, outflowVol, incremVol, cumVol, stage2, outflow, volOut;
    };
    const Expected expected[] = {
        {100.6, 0.09487, 0.00196, 0.59804, 0.59804, 100.59804, 0.09209, 0.00190},
        {100.69804, 0.26439, 0.00546, 0.19454, 0.79258, 100.79258, 0.47477, 0.00981},
    };
    for (int p = 0; p < kReturnPeriodCount; ++p) { // every event starts from an empty pond
        for (int k = 0; k < 2; ++k) {
            SCOPED_TRACE(testing::Message() << "event " << p << " row " << k);
            const RoutingRow& row = rows[static_cast<std::size_t>(p * 2 + k)];
            const Expected& e = expected[k];
            EXPECT_NEAR(row.stage1, e.stage1, kFiveDigits);
            EXPECT_NEAR(row.discharge, e.discharge, kFiveDigits);
            EXPECT_NEAR(row.outflowVol, e.outflowVol, kFiveDigits);
            EXPECT_NEAR(row.incremVol, e.incremVol, kFiveDigits);
            EXPECT_NEAR(row.cumVol, e.cumVol, kFiveDigits);
            EXPECT_NEAR(row.stage2, e.stage2, kFiveDigits);
            EXPECT_NEAR(row.outflow, e.outflow, kFiveDigits);
            EXPECT_NEAR(row.volOut, e.volOut, kFiveDigits);
            EXPECT_DOUBLE_EQ(row.deltaT, 0.25);
        }
    }
}

TEST(BasinCalcs, InfiltrationAboveInflowKeepsThePondAtThePermanentPool) {
    const std::vector<double> deltaT{0.25, 0.25, 0.5};
    const double rate = infiltrationRate(2, 0.6);
    EXPECT_DOUBLE_EQ(rate, 4356.0);
    const auto infiltration = basinCalcs::infiltrationVolumes(deltaT, rate);
    ASSERT_EQ(infiltration.size(), 15u);
    EXPECT_DOUBLE_EQ(infiltration[0], 0.025);
    EXPECT_DOUBLE_EQ(infiltration[14], 0.05);

    const auto rows = workedExampleEngine(2.0).route(
        deltaT, infiltration, fiveTimes({0.01, 0.02, 0.0}), DischargeMethod::RectangularWeir, {});
    for (const RoutingRow& row : rows) {
        EXPECT_EQ(row.cumVol, 0.0);
        EXPECT_EQ(row.stage2, 100.0);
        EXPECT_GE(row.stage1, 100.0);
        EXPECT_LT(row.incremVol, 0.0);
    }
}

TEST(BasinCalcs, PondAreaZeroFailsTheFirstStage) {
    const std::vector<double> deltaT{0.25};
    const struct {
        double firstInflow;
        const char* message;
    } cases[] = {
        {0.6, "Stage-1 of event 5-year row 1: division by zero (pond area is 0)"},
        {0.0, "Stage-1 of event 5-year row 1: invalid operation 0/0 (pond area and inflow "
              "volume are 0)"},
    };
    for (const auto& c : cases) {
        try {
            workedExampleEngine(0.0).route(deltaT, fiveTimes({0}), fiveTimes({c.firstInflow}),
                                           DischargeMethod::RectangularWeir, {});
            ADD_FAILURE() << "no failure for inflow " << c.firstInflow;
        } catch (const CalculationError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(BasinCalcs, RainIncrementsReplaceOnlyNegativePreviousDepths) {
    const struct {
        const char* name;
        std::vector<double> depths;
        std::vector<double> deltaR;      // ft
        std::vector<double> depthsAfter; // in
    } cases[] = {
        {"DefaultFirstRow", {0.6}, {0.05}, {0.6}},
        {"NegativeMiddleDepth", {0.6, -0.2, 1.3}, {0.05, -0.8 / 12, 1.3 / 12}, {0.6, 0, 1.3}},
        {"NegativeLastDepthStays", {0.6, 1.0, -0.5}, {0.05, 0.4 / 12, -1.5 / 12}, {0.6, 1.0, -0.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RainfallTable table = tableOf(std::vector<double>(c.depths.size(), 1.0), c.depths);
        const auto deltaR = basinCalcs::rainIncrements(table);
        ASSERT_EQ(deltaR.size(), 5 * c.depths.size());
        for (std::size_t k = 0; k < c.depths.size(); ++k) {
            EXPECT_DOUBLE_EQ(deltaR[k], c.deltaR[k]);
            EXPECT_DOUBLE_EQ(deltaR[4 * c.depths.size() + k], c.deltaR[k]);
        }
        EXPECT_EQ(table.depths[0], c.depthsAfter);
        EXPECT_EQ(table.depths[4], c.depthsAfter);
    }
}

TEST(BasinCalcs, DeltaTAndLongestDurationTakeRowsAsTheyStand) {
    const RainfallTable table = tableOf({0.5, 0.25, 24, 6}, {0, 0, 0, 0});
    EXPECT_EQ(basinCalcs::deltaTSeries(table), (std::vector<double>{0.5, -0.25, 23.75, -18}));
    EXPECT_DOUBLE_EQ(basinCalcs::maxDuration(table), 24.0);
    EXPECT_DOUBLE_EQ(basinCalcs::deltaTSeries(tableOf({0.0833}, {0.6}))[0], 0.0833);
    EXPECT_DOUBLE_EQ(basinCalcs::maxDuration(RainfallTable{}), 0.0);
}

TEST(BasinCalcs, InflowVolumesScaleByPostDevelopmentSite) {
    basinCalcs engine;
    engine.setInputs(0, 0, 0, 0, 10, 0, 0.5, 0, 1, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(engine.inflowVolumes(std::vector<double>{0.1, -0.2}),
              (std::vector<double>{0.5, -1.0}));
}

TEST(BasinCalcs, OverflowInASeriesFails) {
    basinCalcs engine;
    engine.setInputs(0, 0, 0, 0, 1e308, 0, 1e308, 0, 1, 0, 0, 0, 0, 0, 0);
    EXPECT_THROW(engine.inflowVolumes(fiveTimes({0.05})), CalculationError);
    EXPECT_THROW(infiltrationRate(1e308, 12), CalculationError);
    RainfallTable wide = tableOf({-1.7e308, 1.7e308}, {1.7e308, -1.7e308});
    EXPECT_THROW(basinCalcs::deltaTSeries(wide), CalculationError);
}

} // namespace
} // namespace velmora
