#include "design/massbalance.h"

#include "engine/basincalcs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<double> fiveTimes(const std::vector<double>& perRow) {
    std::vector<double> series;
    for (int p = 0; p < kReturnPeriodCount; ++p)
        series.insert(series.end(), perRow.begin(), perRow.end());
    return series;
}

struct BalanceCase {
    const char* name;
    double crest; // ft, above a pool at 100 ft in a pond of 1 acre; a 12-inch weir, C 3
    std::vector<double> deltaT;       // h
    std::vector<double> inflow;       // ac-ft per step
    std::vector<double> infiltration; // ac-ft per step
    MassBalance expected;
};

class MassBalanceOfAnEvent : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(MassBalanceOfAnEvent, AccountsForEveryAcreFoot) {
    const BalanceCase& c = GetParam();
    basinCalcs engine;
    engine.setInputs(c.crest, 3, 12, 0, 0, 0, 0, 0, 1, 0, 100, 0, 12, 0.6, 6);
    const std::vector<RoutingRow> rows =
        engine.route(c.deltaT, fiveTimes(c.infiltration), fiveTimes(c.inflow),
                     DischargeMethod::RectangularWeir, {});
    const MassBalance balance = massBalance(
        std::span<const RoutingRow>(rows).subspan(c.deltaT.size(), c.deltaT.size()), rp10Year);
    const MassBalance& e = c.expected;
    constexpr double kExact = 1e-15;   // ac-ft: sums of a few exact steps
    constexpr double kWorked = 0.5e-5; // ac-ft: the worked example's five digits
    EXPECT_EQ(balance.returnPeriod, rp10Year);
    EXPECT_NEAR(balance.inflow, e.inflow, kExact);
    EXPECT_NEAR(balance.outletVolume, e.outletVolume, kWorked);
    EXPECT_NEAR(balance.infiltration, e.infiltration, kExact);
    EXPECT_NEAR(balance.finalStorage, e.finalStorage, kWorked);
    EXPECT_NEAR(balance.continuityError, e.continuityError, kExact);
    ASSERT_EQ(balance.continuityErrorPercent.has_value(), e.continuityErrorPercent.has_value());
    if (e.continuityErrorPercent) {
        EXPECT_NEAR(*balance.continuityErrorPercent, *e.continuityErrorPercent, 1e-12);
    }
    EXPECT_EQ(balance.firstClampedRow, e.firstClampedRow);
    EXPECT_EQ(balance.clampedStepCount, e.clampedStepCount);
    EXPECT_NEAR(balance.clampedVolume, e.clampedVolume, kExact);
}

MassBalance expected(double inflow, double outlet, double infiltration, double finalStorage,
                     double error, std::optional<double> percent,
                     std::optional<int> firstClamped = std::nullopt, int clampedSteps = 0,
                     double clampedVolume = 0) {
    MassBalance b;
    b.inflow = inflow;
    b.outletVolume = outlet;
    b.infiltration = infiltration;
    b.finalStorage = finalStorage;
    b.continuityError = error;
    b.continuityErrorPercent = percent;
    b.firstClampedRow = firstClamped;
    b.clampedStepCount = clampedSteps;
    b.clampedVolume = clampedVolume;
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MassBalanceOfAnEvent,
    ::testing::Values(
        // The worked weir steps: 0.00196 + 0.00546 ac-ft through the outlet, 0.79258 stored.
        BalanceCase{"WorkedWeirStepsClose",
                    100.5,
                    {0.25, 0.25},
                    {0.6, 0.2},
                    {0, 0},
                    expected(0.8, 0.00742, 0, 0.79258, 0, 0)},
        // 0.5 ac-ft stored after the first hour; the second hour percolates 0.8 of it: 0.3
        // ac-ft leave that the pond never held, and the storage is held at 0.
        BalanceCase{"PercolationBeyondTheStorageIsTheError",
                    200,
                    {1, 1},
                    {0.6, 0},
                    {0.1, 0.8},
                    expected(0.6, 0, 0.9, 0, -0.3, -50, 1, 1, 0.3)},
        BalanceCase{"DryPondFromTheFirstStep",
                    200,
                    {1, 1, 1},
                    {0.1, 0.1, 0.3},
                    {0.2, 0.2, 0.2},
                    expected(0.5, 0, 0.6, 0.1, -0.2, -40, 0, 2, 0.2)},
        BalanceCase{"NoInflowHasNoPercent",
                    200,
                    {1},
                    {0},
                    {0.25},
                    expected(0, 0, 0.25, 0, -0.25, std::nullopt, 0, 1, 0.25)},
        BalanceCase{
            "NoStepsBalanceAtZero", 200, {}, {}, {}, expected(0, 0, 0, 0, 0, std::nullopt)}),
    [](const ::testing::TestParamInfo<BalanceCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
