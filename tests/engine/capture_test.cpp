#include "engine/capture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> kRainHeading{"Duration", "5yr", "10yr", "25yr", "50yr", "100yr"};

std::vector<std::string> rainRow(const std::string& duration, const std::string& depth = "1") {
    return {duration, depth, depth, depth, depth, depth};
}

struct RainCase {
    const char* name;
    Rows dataRows;
    int gridRowsAfter;
    std::optional<std::vector<double>> durations; // none: the capture fails
    std::string error;
};

class RainfallCapture : public testing::TestWithParam<RainCase> {};

TEST_P(RainfallCapture, DropsTrailingEmptyDurationsAndConvertsStrictly) {
    const RainCase& c = GetParam();
    Rows rows{kRainHeading};
    rows.insert(rows.end(), c.dataRows.begin(), c.dataRows.end());
    StringGrid grid(rows);
    if (c.durations) {
        const RainfallTable table = captureRainfall(grid, cLocaleSettings());
        EXPECT_EQ(table.rowCount, static_cast<int>(c.durations->size()));
        EXPECT_EQ(table.durations, *c.durations);
        for (const auto& depths : table.depths)
            EXPECT_EQ(depths.size(), c.durations->size());
    } else {
        try {
            captureRainfall(grid, cLocaleSettings());
            ADD_FAILURE() << "the capture did not fail";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), c.error.c_str());
        }
    }
    EXPECT_EQ(grid.rowCount(), c.gridRowsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RainfallCapture,
    testing::Values(
        RainCase{"ThreeTrailingEmptyRows",
                 {rainRow("0.5"), rainRow("1"), rainRow(""), rainRow("", ""), rainRow("")},
                 3,
                 std::vector<double>{0.5, 1},
                 ""},
        RainCase{"EmptyDurationAboveFilledRowStaysAndFails",
                 {rainRow("0.5"), rainRow(""), rainRow("2")},
                 4,
                 std::nullopt,
                 "'' is not a valid floating point value"},
        RainCase{"TextInDepthCellFails",
                 {rainRow("0.5"), {"1", "0.6", "abc", "1", "1", "1"}},
                 3,
                 std::nullopt,
                 "'abc' is not a valid floating point value"},
        RainCase{"EmptyDepthCellFails",
                 {{"0.5", "1", "1", "1", "1"}},
                 2,
                 std::nullopt,
                 "'' is not a valid floating point value"},
        RainCase{"EveryRowEmpty", {rainRow(""), rainRow("")}, 1, std::vector<double>{}, ""}),
    [](const testing::TestParamInfo<RainCase>& info) { return std::string(info.param.name); });

TEST(CellConversionErrorTest, NamesTheGridAndCellThatFailed) {
    StringGrid rain(Rows{kRainHeading, rainRow("0.5"), {"1", "0.6", "0.7", "x", "1", "1"}});
    try {
        captureRainfall(rain, cLocaleSettings());
        ADD_FAILURE() << "the capture did not fail";
    } catch (const CellConversionError& error) {
        EXPECT_EQ(&error.grid(), &rain);
        EXPECT_EQ(error.column(), 3);
        EXPECT_EQ(error.row(), 2);
        EXPECT_EQ(error.text(), "x");
    }
    StringGrid stage(Rows{{"Stage", "Disch"}, {"25", "0"}, {"26", "1,5"}});
    int stageRowCount = 0;
    try {
        captureStageDischarge(stage, stageRowCount, cLocaleSettings());
        ADD_FAILURE() << "the capture did not fail";
    } catch (const CellConversionError& error) {
        EXPECT_EQ(&error.grid(), &stage);
        EXPECT_EQ(error.column(), 1);
        EXPECT_EQ(error.row(), 2);
    }
}

struct StageCase {
    const char* name;
    Rows dataRows;
    int gridRowsAfter;
    std::vector<double> stages;
    std::vector<double> discharges;
};

class StageDischargeCapture : public testing::TestWithParam<StageCase> {};

TEST_P(StageDischargeCapture, DropsTrailingEmptyStagesAndSkipsInnerOnes) {
    const StageCase& c = GetParam();
    Rows rows{{"Stage", "Discharge"}};
    rows.insert(rows.end(), c.dataRows.begin(), c.dataRows.end());
    StringGrid grid(rows);
    int stageRowCount = 99;
    const StageDischargeTable table = captureStageDischarge(grid, stageRowCount, cLocaleSettings());
    EXPECT_EQ(table.pairCount, static_cast<int>(c.stages.size()));
    EXPECT_EQ(table.stages, c.stages);
    EXPECT_EQ(table.discharges, c.discharges);
    EXPECT_EQ(grid.rowCount(), c.gridRowsAfter);
    EXPECT_EQ(stageRowCount, c.gridRowsAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, StageDischargeCapture,
                         testing::Values(StageCase{"PairsInRowsOneAndTwo",
                                                   {{"100", "0"}, {"101", "10"}, {}, {}},
                                                   3,
                                                   {100, 101},
                                                   {0, 10}},
                                         StageCase{"EmptyRowBetweenPairsIsSkipped",
                                                   {{"100", "0"}, {"", "7"}, {"101", "10"}, {""}},
                                                   4,
                                                   {100, 101},
                                                   {0, 10}},
                                         StageCase{"NoPairs", {{}, {}}, 1, {}, {}}),
                         [](const testing::TestParamInfo<StageCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StageDischargeCapture, EmptyDischargeBesideAStageFails) {
    StringGrid grid(Rows{{"Stage", "Discharge"}, {"100", ""}});
    int stageRowCount = 0;
    EXPECT_THROW(captureStageDischarge(grid, stageRowCount, cLocaleSettings()), ConversionError);
}

class CaptureForResults : public testing::Test {
  protected:
    CaptureForResults() {
        previous.rainfall.rowCount = 1;
        previous.rainfall.durations = {9};
        previous.stageDischarge = StageDischargeTable{1, {50}, {5}};
        previous.stageRowCount = 2;
    }

    void expectPreviousTables(const CapturedTables& captured) const {
        EXPECT_EQ(captured.rainfall.durations, previous.rainfall.durations);
        EXPECT_EQ(captured.stageDischarge.stages, previous.stageDischarge.stages);
        EXPECT_EQ(captured.stageRowCount, previous.stageRowCount);
    }

    CapturedTables previous;
    StringGrid rainfall{Rows{kRainHeading, rainRow("0.5"), rainRow("")}};
    StringGrid stages{Rows{{"Stage", "Discharge"}, {"100", "0"}, {"101", "10"}, {}}};
};

TEST_F(CaptureForResults, OtherMethodsLeaveTheStageGridAndPairsAlone) {
    for (int method : {-1, 0, 1, 2, 4}) {
        CapturedTables captured = previous;
        captureForResults(rainfall, stages, method, captured, cLocaleSettings());
        EXPECT_EQ(captured.rainfall.durations, std::vector<double>{0.5});
        EXPECT_EQ(captured.stageDischarge.stages, previous.stageDischarge.stages);
        EXPECT_EQ(captured.stageRowCount, 2);
        EXPECT_EQ(stages.rowCount(), 4);
    }
}

TEST_F(CaptureForResults, MethodThreeCapturesBothTables) {
    CapturedTables captured = previous;
    captureForResults(rainfall, stages, 3, captured, cLocaleSettings());
    EXPECT_EQ(captured.rainfall.durations, std::vector<double>{0.5});
    EXPECT_EQ(captured.stageDischarge.stages, (std::vector<double>{100, 101}));
    EXPECT_EQ(captured.stageRowCount, 3);
}

TEST_F(CaptureForResults, FailedCaptureKeepsThePreviousTables) {
    StringGrid badRainfall{Rows{kRainHeading, rainRow("abc")}};
    StringGrid badStages{Rows{{"Stage", "Discharge"}, {"100", "x"}}};
    const struct {
        const char* name;
        StringGrid* rain;
        StringGrid* stage;
    } cases[] = {{"BadRainfall", &badRainfall, &stages}, {"BadStage", &rainfall, &badStages}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CapturedTables captured = previous;
        EXPECT_THROW(captureForResults(*c.rain, *c.stage, 3, captured, cLocaleSettings()),
                     ConversionError);
        expectPreviousTables(captured);
    }
}

} // namespace
} // namespace velmora
