#include "report/designsheet.h"

#include "platform/canvas/recordingcanvas.h"
#include "report/reportjson.h"
#include "sampleruns.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

using ::testing::HasSubstr;

constexpr int kResultLeft = 610; // the result column's mark, pixels
constexpr int kFirstEventRowTop = 114;
constexpr int kRowPitch = 16;

// A sheet of known values: event p peaks at 2 + p cfs against a rate of 10 cfs (2.25 + p on
// sub-steps); a rate of `lowRate` for the events listed in `low`.
DesignSheet sheetOf(std::vector<int> low = {}, double lowRate = 1.0) {
    DesignSheet sheet;
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        EventCheck& e = sheet.check.events[static_cast<std::size_t>(p)];
        e.returnPeriod = p;
        e.preDevRate = std::find(low.begin(), low.end(), p) != low.end() ? lowRate : 10.0;
        e.peakOutflow = 2.0 + p;
        e.peakStage = 25.5 + 0.25 * p;
        e.maxStorage = 1.0 + 0.5 * p;
        e.outflowRatio = e.peakOutflow / *e.preDevRate;
        e.meetsPreDev = e.peakOutflow <= *e.preDevRate;
        MassBalance& b = sheet.check.balances[static_cast<std::size_t>(p)];
        b.returnPeriod = p;
        b.inflow = 4;
        b.continuityErrorPercent = 0;
    }
    sheet.refinedEvents = sheet.check.events;
    for (EventCheck& e : *sheet.refinedEvents) {
        e.peakOutflow += 0.25;
        e.peakStage += 0.01;
        e.meetsPreDev = e.peakOutflow <= *e.preDevRate;
    }
    return sheet;
}

std::vector<DrawOp> drawSheet(const DesignSheet& sheet, int top = 0) {
    RecordingCanvas canvas;
    drawDesignSheet(canvas, testing::sampleRun(), sheet, cLocaleSettings(), top);
    return canvas.ops();
}

std::vector<std::string> textsAt(const std::vector<DrawOp>& ops, int y) {
    std::vector<std::string> texts;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOpKind::TextOut && op.y1 == y)
            texts.push_back(op.text);
    }
    return texts;
}

bool hasText(const std::vector<DrawOp>& ops, const std::string& part) {
    return std::any_of(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == DrawOpKind::TextOut && op.text.find(part) != std::string::npos;
    });
}

// The mark drawn in an event's row: "pass" (box and check lines), "fail" (a black box) or
// "no rate" (an empty box).
std::string markOfRow(const std::vector<DrawOp>& ops, int row) {
    const int top = kFirstEventRowTop + kRowPitch * row + 1;
    const auto box = std::find(ops.begin(), ops.end(),
                               DrawOp::rectangle(kResultLeft, top, kResultLeft + 11, top + 11));
    if (box == ops.end())
        return "none";
    if (box != ops.begin() && std::prev(box)->kind == DrawOpKind::Brush && box + 1 != ops.end() &&
        (box + 1)->kind == DrawOpKind::Brush)
        return "fail";
    return (box + 1 != ops.end() && (box + 1)->kind == DrawOpKind::MoveTo) ? "pass" : "no rate";
}

struct VerdictCase {
    const char* name;
    DesignSheet sheet;
    std::string verdict;
    std::string refinedVerdict;
    std::vector<std::string> marks; // by event
};

class DesignSheetVerdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(DesignSheetVerdict, ReadsAtAGlance) {
    const std::vector<DrawOp> ops = drawSheet(GetParam().sheet);
    EXPECT_EQ(textsAt(ops, 34), std::vector<std::string>{GetParam().verdict});
    EXPECT_EQ(textsAt(ops, 48), std::vector<std::string>{GetParam().refinedVerdict});
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        EXPECT_EQ(markOfRow(ops, p), GetParam().marks[static_cast<std::size_t>(p)]) << p;
        const std::vector<std::string> row = textsAt(ops, kFirstEventRowTop + kRowPitch * p);
        const std::string& mark = GetParam().marks[static_cast<std::size_t>(p)];
        EXPECT_EQ(row.back(), mark == "pass" ? "PASS" : mark == "fail" ? "FAIL" : "NO RATE");
    }
}

DesignSheet noRates() {
    DesignSheet sheet = sheetOf();
    for (auto* events : {&sheet.check.events, &*sheet.refinedEvents}) {
        for (EventCheck& e : *events) {
            e.preDevRate.reset();
            e.outflowRatio.reset();
            e.meetsPreDev.reset();
        }
    }
    return sheet;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignSheetVerdict,
    ::testing::Values(
        VerdictCase{"EveryEventMeets",
                    sheetOf(),
                    "PASS: every event keeps its peak outflow at or below its pre-development rate",
                    "On one-minute sub-steps the verdict is the same.",
                    {"pass", "pass", "pass", "pass", "pass"}},
        VerdictCase{"TwoEventsExceed",
                    sheetOf({1, 3}),
                    "FAIL: the 10-year and 50-year events exceed their pre-development rate",
                    "On one-minute sub-steps the verdict is the same.",
                    {"pass", "fail", "pass", "fail", "pass"}},
        VerdictCase{"FinerStepsChangeTheVerdict",
                    // 6.25 cfs on sub-steps is above the 100-year rate of 6.1; 6 is not.
                    sheetOf({4}, 6.1),
                    "PASS: every event keeps its peak outflow at or below its pre-development rate",
                    "On one-minute sub-steps the 100-year event exceeds its rate.",
                    {"pass", "pass", "pass", "pass", "pass"}},
        VerdictCase{"NoRateNoVerdict",
                    noRates(),
                    "NO VERDICT: no intensity method is selected, so there is no "
                    "pre-development rate",
                    "On one-minute sub-steps the verdict is the same.",
                    {"no rate", "no rate", "no rate", "no rate", "no rate"}}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

TEST(DesignSheet, TheRefinedPeaksStandNextToTheTablesPeaks) {
    const std::vector<DrawOp> ops = drawSheet(sheetOf());
    const std::vector<std::string> row = textsAt(ops, kFirstEventRowTop + kRowPitch * 2);
    EXPECT_EQ(row, (std::vector<std::string>{"25-year", "10.00", "4.00", "40.0 %", "26.00",
                                             "2.0000", "4.25", "26.01", "PASS"}));

    DesignSheet unrefined = sheetOf();
    unrefined.refinedEvents.reset();
    unrefined.refinementFailure = "too long";
    const std::vector<DrawOp> without = drawSheet(unrefined);
    EXPECT_EQ(textsAt(without, kFirstEventRowTop)[6], "-");
    EXPECT_EQ(textsAt(without, 48),
              std::vector<std::string>{"On one-minute sub-steps: not routed (too long)"});
}

TEST(DesignSheet, TheBalanceNamesWhereTheStorageWasHeldAtZero) {
    const ResultsRun run = testing::sampleRun(13);
    DesignSheet sheet = sheetOf();
    sheet.check.routed = run;
    MassBalance& b = sheet.check.balances[rp25Year];
    b.continuityError = -0.0873;
    b.continuityErrorPercent = -1.98;
    b.firstClampedRow = 12;
    b.clampedStepCount = 1;
    const std::vector<DrawOp> ops = drawSheet(sheet);
    const std::vector<std::string> row = textsAt(ops, 248 + kRowPitch * 2);
    ASSERT_EQ(row.size(), 8u);
    EXPECT_EQ(row[5], "-0.0873");
    EXPECT_EQ(row[6], "-1.98");
    EXPECT_EQ(row[7], "from row 13 (3.25 hr)");
    EXPECT_EQ(textsAt(ops, 248)[7], "no step");
}

TEST(DesignSheet, WarningsWrapAndWhatDoesNotFitIsCounted) {
    DesignSheet few = sheetOf();
    few.warnings = {"line 9: rainfall row 4: duration 0.5 hr repeats row 3's 0.5 hr, a step of "
                    "0.0 min",
                    std::string(200, 'x') + " " + std::string(40, 'y')};
    const std::vector<DrawOp> ops = drawSheet(few);
    EXPECT_TRUE(hasText(ops, "WARNINGS (2): what to confirm before trusting the numbers"));
    EXPECT_EQ(textsAt(ops, 353), std::vector<std::string>{"- line 9: rainfall row 4: duration 0.5 "
                                                          "hr repeats row 3's 0.5 hr, a step of "
                                                          "0.0 min"});
    EXPECT_EQ(textsAt(ops, 367)[0].size(), 145u); // cut where no space is near
    EXPECT_EQ(textsAt(ops, 381)[0].substr(0, 4), "    ");

    DesignSheet many = sheetOf();
    for (int w = 0; w < 40; ++w)
        many.warnings.push_back("warning " + std::to_string(w + 1));
    const std::vector<DrawOp> crowded = drawSheet(many);
    EXPECT_TRUE(hasText(crowded, "- warning 11"));
    EXPECT_FALSE(hasText(crowded, "- warning 12"));
    EXPECT_TRUE(hasText(crowded, "... and 29 more: velmora-cli check lists every warning"));
    EXPECT_TRUE(hasText(drawSheet(sheetOf()), "WARNINGS: none"));
}

TEST(DesignSheet, EverythingLiesOnTheSheetAndMovesWithItsTop) {
    DesignSheet sheet = sheetOf({0});
    for (int w = 0; w < 40; ++w)
        sheet.warnings.push_back("a warning that takes a whole line of its own");
    const std::vector<DrawOp> ops = drawSheet(sheet);
    const std::vector<DrawOp> below = drawSheet(sheet, 535);
    ASSERT_EQ(ops.size(), below.size());
    EXPECT_EQ(ops[1], DrawOp::rectangle(0, 0, 700, 535));
    for (std::size_t i = 0; i < ops.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << ops[i]);
        if (ops[i].kind == DrawOpKind::Brush)
            continue;
        EXPECT_GE(ops[i].y1, 0);
        EXPECT_LE(ops[i].y1 + (ops[i].kind == DrawOpKind::TextOut ? 13 : 0), 530);
        EXPECT_LE(ops[i].x1, 695);
        EXPECT_EQ(below[i].y1, ops[i].y1 + 535);
        EXPECT_EQ(below[i].y2, ops[i].kind == DrawOpKind::Rectangle ? ops[i].y2 + 535 : 0);
    }
}

// From a real run: the table's check, the peaks on one-minute sub-steps and the warnings.
TEST(DesignSheet, IsMadeFromTheRunAndItsOneMinuteRefinement) {
    MainWindowControls c;
    c.EditPreCondArea = "5";
    c.EditPostCondArea = "5";
    c.EditPreC = "0.3";
    c.EditPostC = "0.8";
    c.EditPreTc = "10";
    c.EditPSA = "1";
    c.EditpermpoolElev = "100";
    c.cbxNtnstyMthd = IntensityMethod::CityCurves;
    c.EditWCEl = "100.5";
    c.EditWCoef = "3";
    c.EditWeirLength = "12";
    CapturedTables captured;
    captured.rainfall.rowCount = 2;
    captured.rainfall.durations = {0.5, 1.0};
    for (auto& depths : captured.rainfall.depths)
        depths = {1.0, 2.5};
    const ResultsRun run = performResultsRun(c, captured, cLocaleSettings());
    const DesignSheet sheet = designSheetFor(run, cLocaleSettings());
    ASSERT_TRUE(sheet.refinedEvents);
    const RefinedRun refined = refinedRun(run, 1);
    EXPECT_EQ(refined.run.routing.rowCount, 60);
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        EXPECT_EQ((*sheet.refinedEvents)[static_cast<std::size_t>(p)].peakOutflow,
                  summarize(refined.run.routing.event(p)).peakOutflow);
        EXPECT_EQ(sheet.check.events[static_cast<std::size_t>(p)].peakOutflow,
                  summarize(run.routing.event(p)).peakOutflow);
    }
    ASSERT_EQ(sheet.warnings.size(), sheet.check.warnings.size());
    EXPECT_THAT(sheet.warnings.front(), HasSubstr("the storm may be too short"));
}

// With the sheet, the draw list holds the page, then the sheet below it.
TEST(DesignSheet, DrawListFollowsThePageWithTheSheet) {
    const ResultsRun run = testing::sampleRun(13);
    const DesignSheet sheet = sheetOf();
    const std::string page = reportDrawListJson(run, 14, cLocaleSettings());
    const std::string both = reportDrawListJson(run, 14, cLocaleSettings(), &sheet);
    EXPECT_THAT(both, ::testing::StartsWith(R"({"width": 700, "height": 1070, "ops": [)"));
    const std::string pageOps = page.substr(page.find("\"ops\": [") + 8);
    const std::string bothOps = both.substr(both.find("\"ops\": [") + 8);
    EXPECT_EQ(bothOps.substr(0, pageOps.size() - 2), pageOps.substr(0, pageOps.size() - 2));
    EXPECT_THAT(both,
                HasSubstr(R"({"op": "rectangle", "x1": 0, "y1": 535, "x2": 700, "y2": 1070})"));
    EXPECT_THAT(both, HasSubstr("DESIGN CHECK"));
}

// The hydrograph sheet's frame: the design sheet's heading and a title naming the design
// event, moved with its top, and nothing drawn where Qt Charts paints the charts.
TEST(HydrographSheetFrame, HeadsTheSheetAndLeavesTheChartsAreaFree) {
    RecordingCanvas canvas;
    drawHydrographSheetFrame(canvas, testing::sampleRun(), cLocaleSettings(), 535);
    const std::vector<DrawOp>& ops = canvas.ops();
    EXPECT_THAT(textsAt(ops, 536),
                ::testing::ElementsAre(
                    "Velmora    DESIGN CHECK    Proj. Date: 3/15/2007   Proj. No.: P-101"));
    EXPECT_THAT(textsAt(ops, 566),
                ::testing::ElementsAre("HYDROGRAPHS, 25-year design event: inflow and outlet rates "
                                       "against the pre-development rate, and the pond's stage"));
    EXPECT_NE(std::find(ops.begin(), ops.end(), DrawOp::rectangle(5, 548, 695, 1065)), ops.end());
    const SheetArea charts = kHydrographSheetCharts;
    for (const DrawOp& op : ops) {
        SCOPED_TRACE(::testing::Message() << op);
        if (op.kind == DrawOpKind::Brush || op.kind == DrawOpKind::Rectangle)
            continue;
        EXPECT_GE(op.y1, 535);
        EXPECT_LE(op.y1 + 13, 535 + charts.top);
    }
}

} // namespace
} // namespace velmora
