#include "engine/calculationerror.h"
#include "engine/dischrate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace velmora {
namespace {

const StageDischargeTable kThreePairs{3, {100, 101, 102}, {0, 10, 30}};

struct OutletCase {
    const char* name;
    double (*flow)();
    double expected; // cfs
};

class OutletFlow : public testing::TestWithParam<OutletCase> {};

TEST_P(OutletFlow, MatchesTheFormula) {
    EXPECT_NEAR(GetParam().flow(), GetParam().expected, 1e-9);
}

const double kSqrt2g = std::sqrt(64.4);

INSTANTIATE_TEST_SUITE_P(
    Outlets, OutletFlow,
    testing::Values(
        OutletCase{"WeirStageAtCrest", [] { return dischRate::weirFlow(100, 3.33, 1, 0, 100); },
                   0.0},
        OutletCase{"WeirStageBelowCrest", [] { return dischRate::weirFlow(99, 3.33, 1, 0, 100); },
                   0.0},
        OutletCase{"WeirOneFootHead", [] { return dischRate::weirFlow(101, 3.33, 1, 0, 100); },
                   3.33},
        OutletCase{"WeirTwoEndContractions",
                   [] { return dischRate::weirFlow(101, 3.33, 1, 2, 100); }, 3.33 * 0.8},
        OutletCase{"WeirNegativeEffectiveLengthUsedAsComputed",
                   [] { return dischRate::weirFlow(104, 1, 0.2, 2, 100); }, (0.2 - 0.8) * 8.0},
        OutletCase{"CircularAtCentreLineIsWeir",
                   [] { return dischRate::circOrifFlow(100.5, 3.33, 1, 100, 0.6); },
                   3.33 * std::pow(0.5, 1.5)},
        OutletCase{"CircularAboveCentreLineIsOrifice",
                   [] { return dischRate::circOrifFlow(101.5, 3.33, 1, 100, 0.6); },
                   0.6 * 0.7853981633974483 * kSqrt2g},
        OutletCase{"CircularBelowInvert",
                   [] { return dischRate::circOrifFlow(99.9, 3.33, 1, 100, 0.6); }, 0.0},
        OutletCase{"RectangularAtCentreLineIsWeirWithContractions",
                   [] { return dischRate::rectOrifFlow(100.25, 3.33, 1, 0.5, 2, 100, 0.6); },
                   3.33 * (1 - 0.1 * 2 * 0.25) * std::pow(0.25, 1.5)},
        OutletCase{"RectangularAboveCentreLineIsOrifice",
                   [] { return dischRate::rectOrifFlow(101.25, 3.33, 1, 0.5, 2, 100, 0.6); },
                   0.6 * 0.5 * kSqrt2g},
        OutletCase{"TableInsideFirstSegment",
                   [] { return dischRate(kThreePairs).tableFlow(100.5); }, 5.0},
        OutletCase{"TableSharedStageTakesFirstSegment",
                   [] { return dischRate(kThreePairs).tableFlow(101); }, 10.0},
        OutletCase{"TableLastStage", [] { return dischRate(kThreePairs).tableFlow(102); }, 30.0},
        OutletCase{"TableBelowFirstStage", [] { return dischRate(kThreePairs).tableFlow(99); },
                   0.0},
        OutletCase{"TableAboveLastStageNoExtrapolation",
                   [] { return dischRate(kThreePairs).tableFlow(102.5); }, 0.0},
        OutletCase{"TableSinglePair",
                   [] {
                       return dischRate(StageDischargeTable{1, {100}, {5}}).tableFlow(100);
                   },
                   0.0},
        OutletCase{"TableOutOfOrderUsesFirstBracketingSegment",
                   [] {
                       return dischRate(StageDischargeTable{3, {102, 100, 101}, {0, 10, 20}})
                           .tableFlow(100.5);
                   },
                   15.0},
        OutletCase{"TableEqualStagesNotBracketing",
                   [] {
                       return dischRate(StageDischargeTable{4, {99, 100, 100, 101}, {0, 4, 8, 10}})
                           .tableFlow(100);
                   },
                   4.0}),
    [](const testing::TestParamInfo<OutletCase>& info) { return std::string(info.param.name); });

TEST(TableFlow, EqualStagesBracketingTheStageAreADivisionByZero) {
    const StageDischargeTable ascending{3, {100, 100, 101}, {0, 5, 10}};
    const StageDischargeTable unordered{3, {101, 100, 100}, {0, 0, 5}};
    for (const auto* table : {&ascending, &unordered}) {
        const dischRate outlet(*table);
        EXPECT_THROW(outlet.tableFlow(100), CalculationError);
    }
    EXPECT_DOUBLE_EQ(dischRate(ascending).tableFlow(100.5), 7.5);
}

// The search used for tables in stage order must find the same segment as a scan of the
// segments in captured order, duplicates and stages outside the table included.
TEST(TableFlow, OrderedTableSearchAgreesWithScan) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(0, 2); // 0 makes equal neighbouring stages
    std::uniform_real_distribution<double> discharge(0.0, 50.0);
    for (int trial = 0; trial < 50; ++trial) {
        StageDischargeTable table;
        double stage = 100;
        for (int i = 0; i < 12; ++i) {
            table.stages.push_back(stage);
            table.discharges.push_back(discharge(random));
            stage += step(random) * 0.5;
        }
        table.pairCount = static_cast<int>(table.stages.size());
        const dischRate outlet(table);
        ASSERT_TRUE(outlet.stagesAscending());
        for (double x = 99.0; x <= stage + 1.0; x += 0.25) {
            std::optional<double> expected = 0.0;
            for (std::size_t i = 1; i < table.stages.size(); ++i) {
                const double lo = table.stages[i - 1], hi = table.stages[i];
                if (lo <= x && x <= hi) {
                    expected = hi == lo ? std::nullopt
                                        : std::optional<double>(
                                              table.discharges[i - 1] +
                                              (x - lo) / (hi - lo) *
                                                  (table.discharges[i] - table.discharges[i - 1]));
                    break;
                }
            }
            if (expected) {
                EXPECT_DOUBLE_EQ(outlet.tableFlow(x), *expected) << "stage " << x;
            } else {
                EXPECT_THROW(outlet.tableFlow(x), CalculationError) << "stage " << x;
            }
        }
    }
}

// The discharge a scan of the segments in captured order gives, std::nullopt where the first
// bracketing segment has two equal stages.
std::optional<double> scannedFlow(const StageDischargeTable& table, double x) {
    for (std::size_t i = 1; i < table.stages.size(); ++i) {
        const double lo = table.stages[i - 1], hi = table.stages[i];
        if (lo <= x && x <= hi) {
            if (hi == lo)
                return std::nullopt;
            return table.discharges[i - 1] +
                   (x - lo) / (hi - lo) * (table.discharges[i] - table.discharges[i - 1]);
        }
    }
    return 0.0;
}

// Tables out of stage order are looked up through an index instead of a scan: it must find
// the same first segment, with falling segments, repeated stages, stages at a segment's ends
// and stages outside the table.
TEST(TableFlow, UnorderedTableIndexAgreesWithScan) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> stageStep(0, 16); // quarter feet above 100
    std::uniform_real_distribution<double> discharge(0.0, 50.0);
    for (int trial = 0; trial < 200; ++trial) {
        StageDischargeTable table;
        const int pairs = 2 + trial % 15;
        for (int i = 0; i < pairs; ++i) {
            table.stages.push_back(100 + 0.25 * stageStep(random));
            table.discharges.push_back(discharge(random));
        }
        table.pairCount = pairs;
        const dischRate outlet(table);
        if (outlet.stagesAscending())
            continue;
        for (double x = 99.5; x <= 104.5; x += 0.125) {
            if (const std::optional<double> expected = scannedFlow(table, x)) {
                EXPECT_EQ(outlet.tableFlow(x), *expected) << "trial " << trial << " stage " << x;
            } else {
                EXPECT_THROW(outlet.tableFlow(x), CalculationError)
                    << "trial " << trial << " stage " << x;
            }
        }
    }
}

} // namespace
} // namespace velmora
