#include "report/reportpage.h"

#include "platform/canvas/recordingcanvas.h"
#include "sampleruns.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing::sampleRun;
using testing::stageTableRun;

constexpr int kDefaultStageGridRows = 14; // heading row and 13 data rows

std::vector<DrawOp> drawPage(const ResultsRun& run, int stageGridRowCount = kDefaultStageGridRows) {
    RecordingCanvas canvas;
    DrawReportPage(canvas, run, stageGridRowCount, cLocaleSettings());
    return canvas.ops();
}

std::vector<DrawOp> textsAt(const std::vector<DrawOp>& ops, int y) {
    std::vector<DrawOp> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found),
                 [y](const DrawOp& op) { return op.kind == DrawOpKind::TextOut && op.y1 == y; });
    return found;
}

std::optional<DrawOp> textAt(const std::vector<DrawOp>& ops, int x, int y) {
    const auto it = std::find_if(ops.begin(), ops.end(), [x, y](const DrawOp& op) {
        return op.kind == DrawOpKind::TextOut && op.x1 == x && op.y1 == y;
    });
    return it == ops.end() ? std::nullopt : std::optional<DrawOp>(*it);
}

// The ops from the first textOut at (x, y) on, or nothing when there is none.
std::vector<DrawOp> opsFrom(const std::vector<DrawOp>& ops, const DrawOp& first) {
    const auto it = std::find(ops.begin(), ops.end(), first);
    return {it, ops.end()};
}

const std::string kHeader = "Velmora    Proj. Date: 3/15/2007   Proj. No.: P-101";
const std::string kPreDevelopmentStart =
    "PRE-DEV. DRAIN. AREA(Acres): 10    PRE-DEV. C: 0.2    PRE-DEV. Tc(min.): 60";

TEST(ReportPage, DefaultPageDrawsHeaderInputsAndRulesInOrder) {
    const std::vector<DrawOp> ops = drawPage(sampleRun(13));
    const std::vector<DrawOp> expectedStart{
        DrawOp::brush(),
        DrawOp::rectangle(0, 0, 700, 535),
        DrawOp::textOut(10, 1, kHeader),
        DrawOp::rectangle(5, 13, 695, 330),
        DrawOp::textOut(10, 14,
                        "Design Rainfall Event: 25yr/24hr  Proj. Descr.: Example detention pond"),
        DrawOp::textOut(10, 27,
                        kPreDevelopmentStart +
                            "    User IDF(\"/hr): 6.1    PRE-DEV. RUNOFF RATE(cfs): 12.20"),
        DrawOp::textOut(10, 41, "POST-DEVELOPMENT AREA(Acres): 10    POST-DEV.(weighted) C:0.85"),
        DrawOp::textOut(10, 55,
                        "POND DATA:  AV'G. SURF. AREA(Acres): 0.75    PERMANENT POOL "
                        "ELEV.(ft): 25    PERM. RATE(in/hr): 0.5"),
        DrawOp::moveTo(5, 69),
        DrawOp::lineTo(695, 69),
        DrawOp::textOut(10, 70,
                        "Disch. Method: Rect. Weir - Crest Elev.(ft):26.5    Weir "
                        "Length(in):12    Weir Coeff.:3.33    No. of End Contractions: 0"),
        DrawOp::moveTo(5, 84),
        DrawOp::lineTo(695, 84),
        DrawOp::moveTo(5, 118),
        DrawOp::lineTo(695, 118),
    };
    ASSERT_GT(ops.size(), expectedStart.size());
    EXPECT_THAT(std::vector<DrawOp>(ops.begin(), ops.begin() + 15),
                ElementsAreArray(expectedStart));

    std::vector<DrawOp> expectedColumnRules;
    for (int x : {55, 110, 155, 210, 265, 322, 375, 434, 487, 540, 595, 640}) {
        expectedColumnRules.push_back(DrawOp::moveTo(x, 84));
        expectedColumnRules.push_back(DrawOp::lineTo(x, 330));
    }
    EXPECT_THAT(std::vector<DrawOp>(ops.begin() + 15, ops.begin() + 39),
                ElementsAreArray(expectedColumnRules));
}

TEST(ReportPage, TableHeadingsAndFirstColumnsComeInDrawingOrder) {
    const std::vector<DrawOp> ops = drawPage(sampleRun(13));
    std::vector<DrawOp> texts;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(texts),
                 [](const DrawOp& op) { return op.kind == DrawOpKind::TextOut && op.y1 >= 85; });

    std::vector<DrawOp> expected{DrawOp::textOut(10, 85, "Duration"),
                                 DrawOp::textOut(10, 100, "  (hr.)")};
    const std::array durations{"0.250", "0.500", "0.750", "1.000", "1.250", "1.500", "1.750",
                               "2.000", "2.250", "2.500", "2.750", "3.000", "3.250"};
    for (int r = 0; r < 13; ++r)
        expected.push_back(DrawOp::textOut(6, 15 * r + 121, durations[r]));
    expected.push_back(DrawOp::textOut(64, 85, "Rainfall"));
    expected.push_back(DrawOp::textOut(64, 100, "  (in.)"));
    expected.push_back(DrawOp::textOut(116, 85, "Delta-T"));
    expected.push_back(DrawOp::textOut(116, 100, " (min.)"));
    for (int r = 0; r < 13; ++r)
        expected.push_back(DrawOp::textOut(114, 15 * r + 121, "15")); // 0.25 h in minutes
    const std::array<std::array<const char*, 2>, 10> headings{{
        {"Delta-R", "  (ft.)"},
        {"Inflow Vol.", "(ac-ft)"},
        {"Stage-1", "  (ft.)"},
        {"Discharge", "  (cfs)"},
        {"Outflow Vol.", "  (ac-ft)"},
        {"Increm Vol", "  (ac-ft)"},
        {" Cum. Vol.", " (ac-ft)"},
        {"Stage-2", " (ft)"},
        {"Outflow", "  (cfs)"},
        {"Vol. Out", " (ac-ft)"},
    }};
    const std::array headingXs{165, 215, 275, 325, 377, 435, 490, 550, 598, 645};
    for (std::size_t c = 0; c < headings.size(); ++c) {
        expected.push_back(DrawOp::textOut(headingXs[c], 85, headings[c][0]));
        expected.push_back(DrawOp::textOut(headingXs[c], 100, headings[c][1]));
    }
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_THAT(std::vector<DrawOp>(texts.begin(), texts.begin() + expected.size()),
                ElementsAreArray(expected));
}

TEST(ReportPage, RowValuesAreTheDesignEventsAtTheirColumnsLeftToRight) {
    const std::vector<DrawOp> ops = drawPage(sampleRun(13));
    // Row 0 shows column 2 and columns 4 to 13; Delta-T and the duration were drawn earlier.
    const std::vector<DrawOp> row0 = opsFrom(ops, DrawOp::textOut(58, 121, "1.500"));
    ASSERT_GE(row0.size(), 11u);
    EXPECT_THAT(std::vector<DrawOp>(row0.begin(), row0.begin() + 11),
                ElementsAre(DrawOp::textOut(58, 121, "1.500"), DrawOp::textOut(158, 121, "0.010"),
                            DrawOp::textOut(213, 121, "0.1000"), DrawOp::textOut(267, 121, "25.00"),
                            DrawOp::textOut(324, 121, "1.25"), DrawOp::textOut(378, 121, "0.0200"),
                            DrawOp::textOut(437, 121, "0.0800"),
                            DrawOp::textOut(490, 121, "0.3000"), DrawOp::textOut(542, 121, "25.50"),
                            DrawOp::textOut(597, 121, "2.00"),
                            DrawOp::textOut(642, 121, "0.0300")));
    const std::vector<DrawOp> lastRow = opsFrom(ops, DrawOp::textOut(58, 301, "3.000"));
    ASSERT_GE(lastRow.size(), 11u);
    EXPECT_EQ(lastRow[10], DrawOp::textOut(642, 301, "0.0336"));
}

TEST(ReportPage, SummaryIsTakenFromTheDrawnRowsAndDrawnLast) {
    ResultsRun run = sampleRun(13);
    run.summary = RoutingSummary{99, 99, 99, 99}; // must not be what the page shows
    const std::vector<DrawOp> ops = drawPage(run);
    ASSERT_GE(ops.size(), 4u);
    EXPECT_THAT(std::vector<DrawOp>(ops.end() - 4, ops.end()),
                ElementsAre(DrawOp::textOut(487, 470, "Peak Stage(ft) = 25.62"),
                            DrawOp::textOut(487, 485, "Peak Rate of Outflow(cfs) = 8.00"),
                            DrawOp::textOut(487, 500, "Peak Vol. Outflow(ac-ft) = 0.0336"),
                            DrawOp::textOut(487, 515, "Max. Vol. Storage req'd.(ac-ft) = 0.3120")));
}

TEST(ReportPage, PeakInTheMiddleRowAndNothingAboveZero) {
    ResultsRun run = sampleRun(3);
    auto rows = run.routing.rows.begin() + 3 * rp25Year;
    rows[1].stage2 = 31.456; // rounds half away from zero
    rows[1].cumVol = 1.23456;
    ResultsRun negative = sampleRun(3);
    for (RoutingRow& row : negative.routing.rows) {
        row.stage2 = -1;
        row.outflow = 0;
        row.volOut = -0.5;
        row.cumVol = 0;
    }
    const auto summaryTexts = [](const ResultsRun& r) {
        std::vector<std::string> texts;
        for (const DrawOp& op : drawPage(r))
            if (op.kind == DrawOpKind::TextOut && op.x1 == 487 && op.y1 >= 470)
                texts.push_back(op.text);
        return texts;
    };
    EXPECT_THAT(summaryTexts(run),
                ElementsAre("Peak Stage(ft) = 31.46", "Peak Rate of Outflow(cfs) = 3.00",
                            "Peak Vol. Outflow(ac-ft) = 0.0306",
                            "Max. Vol. Storage req'd.(ac-ft) = 1.2346"));
    EXPECT_THAT(summaryTexts(negative),
                ElementsAre("Peak Stage(ft) = 0.00", "Peak Rate of Outflow(cfs) = 0.00",
                            "Peak Vol. Outflow(ac-ft) = 0.0000",
                            "Max. Vol. Storage req'd.(ac-ft) = 0.0000"));
}

struct RowCountCase {
    const char* name;
    int rowCount;
    int frameBottom;
    int summaryTop;
    int pageHeight;
};

class ReportPageRowCount : public ::testing::TestWithParam<RowCountCase> {};

TEST_P(ReportPageRowCount, FrameRulesSummaryAndHeightFollowTheRowCount) {
    const RowCountCase& c = GetParam();
    const ResultsRun run = sampleRun(c.rowCount);
    const std::vector<DrawOp> ops = drawPage(run);

    EXPECT_EQ(ops[1], DrawOp::rectangle(0, 0, 700, c.pageHeight));
    EXPECT_EQ(ops[3], DrawOp::rectangle(5, 13, 695, c.frameBottom));
    EXPECT_EQ(ops[16], DrawOp::lineTo(55, c.frameBottom));
    EXPECT_EQ(ops[38], DrawOp::lineTo(640, c.frameBottom));
    EXPECT_EQ(textAt(ops, 6, 15 * (c.rowCount - 1) + 121)->text.empty(), false);
    EXPECT_FALSE(textAt(ops, 6, 15 * c.rowCount + 121).has_value());
    EXPECT_EQ(ops[ops.size() - 4].y1, c.summaryTop);
    EXPECT_EQ(ops.back().y1, c.summaryTop + 45);
    EXPECT_EQ(reportPageHeight(run, kDefaultStageGridRows), c.pageHeight);
}

INSTANTIATE_TEST_SUITE_P(
    ReportPage, ReportPageRowCount,
    ::testing::Values(RowCountCase{"OneRow", 1, 150, 470, 535},
                      RowCountCase{"DefaultThirteenRows", 13, 330, 470, 535},
                      RowCountCase{"TwentyTwoRowsStillAboveTheSummary", 22, 465, 470, 535},
                      RowCountCase{"TwentyThreeRowsPushTheSummaryDown", 23, 480, 485, 550},
                      RowCountCase{"FortyRows", 40, 735, 740, 805}),
    [](const auto& info) { return std::string(info.param.name); });

struct IntensityCase {
    const char* name;
    int intensityMethod;
    std::optional<double> preDevRate;
    std::optional<std::string> line;
};

class ReportPageIntensity : public ::testing::TestWithParam<IntensityCase> {};

TEST_P(ReportPageIntensity, PreDevelopmentLineFollowsTheMethod) {
    const IntensityCase& c = GetParam();
    ResultsRun run = sampleRun();
    run.inputs.intensityMethod = c.intensityMethod;
    run.preDevRate = c.preDevRate;
    const std::vector<DrawOp> ops = drawPage(run);
    if (c.line) {
        EXPECT_THAT(textsAt(ops, 27), ElementsAre(DrawOp::textOut(10, 27, *c.line)));
    } else {
        EXPECT_THAT(textsAt(ops, 27), IsEmpty());
    }
    // The rest of the page does not move.
    EXPECT_EQ(textsAt(ops, 41).size(), 1u);
    EXPECT_EQ(ops[1], DrawOp::rectangle(0, 0, 700, 535));
}

INSTANTIATE_TEST_SUITE_P(
    ReportPage, ReportPageIntensity,
    ::testing::Values(
        IntensityCase{"UserSuppliedShowsTheInchSign", 0, 12.2,
                      kPreDevelopmentStart +
                          "    User IDF(\"/hr): 6.1    PRE-DEV. RUNOFF RATE(cfs): 12.20"},
        IntensityCase{"CityCurves", 1, 3.456,
                      kPreDevelopmentStart + "    PRE-DEV. RUNOFF RATE(cfs): 3.46"},
        IntensityCase{"NoMethodSelected", -1, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutletCase {
    const char* name;
    DischargeMethod method;
    const char* line;
};

class ReportPageOutlet : public ::testing::TestWithParam<OutletCase> {};

TEST_P(ReportPageOutlet, OutletLineFollowsTheMethod) {
    const OutletCase& c = GetParam();
    ResultsRun run = sampleRun();
    run.inputs.dischargeMethod = c.method;
    run.inputs.controlElev = 25.25;
    run.inputs.openingSize = 18;
    run.inputs.weirCoef = 3.1;
    run.inputs.endContractions = 2;
    run.inputs.orifCoef = 0.61;
    run.inputs.orifHeight = 4.5;
    EXPECT_THAT(textsAt(drawPage(run), 70), ElementsAre(DrawOp::textOut(10, 70, c.line)));
}

INSTANTIATE_TEST_SUITE_P(
    ReportPage, ReportPageOutlet,
    ::testing::Values(
        OutletCase{"RectangularWeir", DischargeMethod::RectangularWeir,
                   "Disch. Method: Rect. Weir - Crest Elev.(ft):25.25    Weir Length(in):18    "
                   "Weir Coeff.:3.1    No. of End Contractions: 2"},
        OutletCase{"CircularOrifice", DischargeMethod::CircularOrifice,
                   "Disch. Method: Circ. Orifice - Inv. Elev.(ft):25.25    Orif. Diam.(in):18    "
                   "Weir Coeff.:3.1    Orif. Coef.: 0.61"},
        OutletCase{"RectangularOrifice", DischargeMethod::RectangularOrifice,
                   "Disch. Method: Rect. Orifice - Inv. Elev.(ft):25.25    Orif. Width(in):18    "
                   "Orif. Hgt.(in):4.5    Weir Coeff.:3.1    Orif. Coef.: 0.61"},
        OutletCase{"StageDischargeTable", DischargeMethod::StageDischargeTable,
                   "Disch. Method: User supplied Stage-Disch"}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<DrawOp> stageListPart(const std::vector<DrawOp>& ops) {
    // Between the outlet line and the table's first rule.
    const auto outlet =
        std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.y1 == 70; });
    const auto tableRule = std::find(outlet, ops.end(), DrawOp::moveTo(5, 84));
    return {outlet + 1, tableRule};
}

// The discharges of stageTableRun, 1.5 k cfs, as the list writes them.
const std::array<std::string, 5> kDischargeTexts{"0.00", "1.50", "3.00", "4.50", "6.00"};

std::vector<DrawOp> stagePairOps(int k, int shift = 0) {
    const int top = 500 + shift + 15 * k;
    return {DrawOp::textOut(10, 470 + shift, "Stage       Disch."),
            DrawOp::textOut(12, 485 + shift, " (ft)          (cfs)"),
            DrawOp::moveTo(5, 500 + shift),
            DrawOp::lineTo(100, 500 + shift),
            DrawOp::textOut(10, top, std::to_string(25 + k) + ".00"),
            DrawOp::textOut(58, top, kDischargeTexts[static_cast<std::size_t>(k)])};
}

struct StageListCase {
    const char* name;
    int pairs;
    int stageGridRowCount;
    int rowCount;
    int pairsShown;
    int shift;
    int pageHeight;
};

class ReportPageStageList : public ::testing::TestWithParam<StageListCase> {};

TEST_P(ReportPageStageList, OnePairPerGridDataRowWithHeadingsRedrawn) {
    const StageListCase& c = GetParam();
    const ResultsRun run = stageTableRun(c.pairs, c.rowCount);
    const std::vector<DrawOp> ops = drawPage(run, c.stageGridRowCount);
    std::vector<DrawOp> expected;
    for (int k = 0; k < c.pairsShown; ++k) {
        const std::vector<DrawOp> pair = stagePairOps(k, c.shift);
        expected.insert(expected.end(), pair.begin(), pair.end());
    }
    EXPECT_THAT(stageListPart(ops), ElementsAreArray(expected));
    EXPECT_EQ(reportPageHeight(run, c.stageGridRowCount), c.pageHeight);
    EXPECT_EQ(ops[1], DrawOp::rectangle(0, 0, 700, c.pageHeight));
}

INSTANTIATE_TEST_SUITE_P(
    ReportPage, ReportPageStageList,
    ::testing::Values(StageListCase{"NoPairs", 0, 14, 13, 0, 0, 535},
                      StageListCase{"GridWithHeadingRowOnly", 3, 1, 13, 0, 0, 535},
                      StageListCase{"OnePair", 1, 2, 13, 1, 0, 535},
                      StageListCase{"TwoPairsFitThePage", 2, 3, 13, 2, 0, 535},
                      StageListCase{"FivePairsGrowThePage", 5, 6, 13, 5, 0, 580},
                      StageListCase{"GridRowCountLimitsFivePairs", 5, 3, 13, 2, 0, 535},
                      StageListCase{"PairCountLimitsALongerGrid", 2, 14, 13, 2, 0, 535},
                      StageListCase{"MovesDownWithALongTable", 1, 2, 23, 1, 15, 550}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportPage, StageListIsDrawnOnlyForTheUserTable) {
    ResultsRun run = stageTableRun(3);
    run.inputs.dischargeMethod = DischargeMethod::CircularOrifice;
    EXPECT_THAT(stageListPart(drawPage(run)), IsEmpty());
}

TEST(ReportPage, EmptyProjectNumberAndDescriptionKeepTheLabelsSpaces) {
    ResultsRun run = sampleRun();
    run.inputs.projNo.clear();
    run.inputs.projDescr.clear();
    const std::vector<DrawOp> ops = drawPage(run);
    EXPECT_EQ(ops[2], DrawOp::textOut(10, 1, "Velmora    Proj. Date: 3/15/2007   Proj. No.: "));
    EXPECT_EQ(ops[4], DrawOp::textOut(10, 14, "Design Rainfall Event: 25yr/24hr  Proj. Descr.: "));
}

TEST(ReportPage, NumbersFollowTheLocaleAndTheColumnFormats) {
    ResultsRun run = sampleRun(2);
    RoutingRow& row = run.routing.rows[2 * rp25Year];
    row.duration = 123.4567;                              // five significant digits first: 123.460
    run.routing.rows[2 * rp25Year + 1].duration = 100000; // more integer digits than 5
    row.stage1 = 123.4;
    row.deltaT = 1.0 / 12; // 5 minutes
    FormatSettings comma = cLocaleSettings();
    comma.decimalSeparator = ',';
    comma.shortDatePattern = "dd.MM.yyyy";
    RecordingCanvas canvas;
    DrawReportPage(canvas, run, kDefaultStageGridRows, comma);
    const std::vector<DrawOp>& ops = canvas.ops();
    EXPECT_EQ(textAt(ops, 6, 121)->text, "123,460");
    EXPECT_EQ(textAt(ops, 6, 136)->text, "1E5");
    EXPECT_EQ(textAt(ops, 267, 121)->text, "123,40");
    EXPECT_EQ(textAt(ops, 114, 121)->text, "5");
    EXPECT_EQ(ops[2].text, "Velmora    Proj. Date: 15.03.2007   Proj. No.: P-101");
    EXPECT_EQ(textAt(ops, 10, 41)->text,
              "POST-DEVELOPMENT AREA(Acres): 10    POST-DEV.(weighted) C:0,85");
}

TEST(ReportPage, RoutingTableWithoutTheDesignEventsRowsIsRefused) {
    ResultsRun run = sampleRun(13);
    run.routing.rows.resize(2 * 13); // events 0 and 1 only; the design event is 2
    RecordingCanvas canvas;
    EXPECT_THROW(DrawReportPage(canvas, run, kDefaultStageGridRows, cLocaleSettings()),
                 std::invalid_argument);
}

TEST(ReportSheetBands, PageIsCutBetweenLinesOfText) {
    EXPECT_THAT(reportSheetBands(sampleRun(13), kDefaultStageGridRows),
                ElementsAre(PageBand{0, 535}));
    EXPECT_THAT(reportSheetBands(stageTableRun(5), 6),
                ElementsAre(PageBand{0, 530}, PageBand{530, 580}));
    // 40 rows (805 pixels): the cut falls above row 27 (15 * 27 + 121 = 526).
    EXPECT_THAT(reportSheetBands(sampleRun(40), kDefaultStageGridRows),
                ElementsAre(PageBand{0, 526}, PageBand{526, 805}));
    // 70 rows (1255 pixels): above row 27, then above row 62 (15 * 62 + 121 = 1051).
    EXPECT_THAT(reportSheetBands(sampleRun(70), kDefaultStageGridRows),
                ElementsAre(PageBand{0, 526}, PageBand{526, 1051}, PageBand{1051, 1255}));
}

// What a band shows of a list of operations: the texts that reach into it, and every shape but
// a horizontal rule that lies outside it.
std::vector<DrawOp> shownIn(const std::vector<DrawOp>& ops, PageBand band) {
    auto outside = [&](int y) {
        return y < band.top || y >= band.bottom;
    };
    std::vector<DrawOp> shown;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const DrawOp& op = ops[i];
        const bool textShown = op.y1 + kTextCellHeight > band.top && op.y1 < band.bottom;
        if (op.kind == DrawOpKind::TextOut && !textShown)
            continue;
        const bool horizontalRule = op.kind == DrawOpKind::MoveTo && i + 1 < ops.size() &&
                                    ops[i + 1].kind == DrawOpKind::LineTo &&
                                    ops[i + 1].y1 == op.y1 && outside(op.y1);
        if (horizontalRule) {
            ++i;
            continue;
        }
        shown.push_back(op);
    }
    return shown;
}

// A band of the page shows what the whole page shows there, in the page's order: sheets,
// stage lists and odd bands alike.
TEST(ReportPageBand, ShowsWhatTheWholePageShowsThere) {
    struct Case {
        const char* name;
        ResultsRun run;
        int stageGridRows;
    };
    const Case cases[] = {{"LongTable", sampleRun(120), kDefaultStageGridRows},
                          {"LongStageList", stageTableRun(40, 30), 41},
                          {"DefaultPage", sampleRun(13), kDefaultStageGridRows}};
    for (const Case& c : cases) {
        const std::vector<DrawOp> whole = drawPage(c.run, c.stageGridRows);
        std::vector<PageBand> bands = reportSheetBands(c.run, c.stageGridRows);
        bands.insert(bands.end(), {PageBand{0, 1}, PageBand{127, 128}, PageBand{300, 905},
                                   PageBand{5000, 6000}, PageBand{-50, 20}});
        for (const PageBand band : bands) {
            RecordingCanvas canvas;
            DrawReportPage(canvas, c.run, c.stageGridRows, cLocaleSettings(), band);
            EXPECT_EQ(shownIn(canvas.ops(), band), shownIn(whole, band))
                << c.name << " " << band.top << "-" << band.bottom;
        }
    }
}

} // namespace
} // namespace velmora
