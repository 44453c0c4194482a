#include "report/reportpage.h"

#include "report/reportcolumns.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace velmora {

namespace {

// Positions on the page, in pixels.
constexpr int kTextLeft = 10; // the header, input and outlet lines
constexpr int kHeaderTop = 1;
constexpr int kFrameLeft = 5;
constexpr int kFrameTop = 13; // on the header's last pixel row
constexpr int kFrameRight = 695;
constexpr int kEventLineTop = 14;
constexpr int kPreDevelopmentLineTop = 27;
constexpr int kPostDevelopmentLineTop = 41;
constexpr int kPondLineTop = 55;
constexpr int kInputsRuleY = 69;
constexpr int kOutletLineTop = 70;
constexpr int kTableTopRuleY = 84;
constexpr int kHeadingRuleY = 118;
constexpr int kHeadingLine1Top = 85;
constexpr int kHeadingLine2Top = 100;
constexpr int kFirstRowTop = 121;
constexpr int kRowPitch = 15;              // between table rows and between summary lines
constexpr int kFrameBottomBelowRows = 135; // the frame ends at 15n + 135
constexpr std::array kColumnRuleXs{55, 110, 155, 210, 265, 322, 375, 434, 487, 540, 595, 640};

// The summary block: four lines at the right, the stage-discharge list at the left.
constexpr int kSummaryLeft = 487;
constexpr int kSummaryTop = 470;         // while the frame ends above it
constexpr int kSummaryGapBelowFrame = 5; // once a long table pushes the block down
constexpr int kSummaryLineCount = 4;
constexpr int kStageHeadingLeft = 10;
constexpr int kStageUnitsLeft = 12;
constexpr int kStageRuleLeft = 5;
constexpr int kStageRuleRight = 100;
constexpr int kStageValueLeft = 10;
constexpr int kDischargeValueLeft = 58;
constexpr int kStagePairsFirstLine = 2; // the first pair stands on the list's rule, two lines down
constexpr int kPageBottomMargin = 7;    // pixels kept under the lowest text

// The page's pattern brush: plain white, so page and frame are white on screen and paper.
PatternBrush reportPatternBrush() {
    return PatternBrush::plainWhite(kReportPatternWidth, kReportPatternHeight);
}

struct NumberTexts {
    const FormatSettings& settings;

    std::string general(double value) const { return FloatToStr(value, settings); }
    std::string fixed(double value, int precision, int digits) const {
        return FloatToStrF(value, ffFixed, precision, digits, settings);
    }
};

constexpr const std::array<ReportColumn, 13>& kColumns = kReportColumns;

int rowTop(int row) {
    return kFirstRowTop + kRowPitch * row;
}

// The part of the page a drawing is for: a text wholly outside it is neither formatted nor
// drawn, so a sheet or a repaint costs what it shows, not what the whole page holds. Shapes
// are few and are drawn whole; the painter clips them.
struct VisibleBand {
    int top = 0;
    int bottom = 0;

    bool showsTextAt(int y) const { return y + kTextCellHeight > top && y < bottom; }

    // The first table row whose text reaches into the band.
    int firstRow() const {
        const int first = (top - kTextCellHeight - kFirstRowTop) / kRowPitch;
        return std::max(0, first);
    }
};

// Draws the text when it reaches into the band; `text` is only called then.
template <class MakeText>
void textOutIn(Canvas& canvas, const VisibleBand& band, int x, int y, MakeText text) {
    if (band.showsTextAt(y))
        canvas.TextOut(x, y, text());
}
int frameBottom(int rowCount) {
    return kRowPitch * rowCount + kFrameBottomBelowRows;
}

// How far a table longer than 22 rows pushes the summary block and the stage-discharge list
// down, so they start 5 pixels below the frame instead of running over the table.
int summaryShift(int rowCount) {
    return std::max(0, frameBottom(rowCount) + kSummaryGapBelowFrame - kSummaryTop);
}

// The top of line `line` of the summary block (the summary's first line is line 0).
int summaryLineTop(int rowCount, int line) {
    return kSummaryTop + summaryShift(rowCount) + kRowPitch * line;
}

std::span<const RoutingRow> designEventRows(const ResultsRun& run) {
    const int event = run.inputs.designEvent;
    const int rowCount = run.routing.rowCount;
    const bool holdsEvent = event >= 0 && event < kReturnPeriodCount && rowCount >= 0 &&
                            run.routing.rows.size() >= static_cast<std::size_t>(event + 1) *
                                                           static_cast<std::size_t>(rowCount);
    if (!holdsEvent)
        throw std::invalid_argument("The routing table does not hold the design event's rows");
    return run.routing.event(event);
}

int tableRowCount(const ResultsRun& run) {
    return static_cast<int>(designEventRows(run).size());
}

// The pairs listed: one per data row of the stage-discharge grid, as far as the captured
// table holds a pair; none unless the outlet is the user's table.
int stagePairsShown(const ResultsRun& run, int stageGridRowCount) {
    if (run.inputs.dischargeMethod != DischargeMethod::StageDischargeTable)
        return 0;
    const StageDischargeTable& table = run.stageDischarge;
    const auto stored = static_cast<int>(std::min(table.stages.size(), table.discharges.size()));
    return std::max(0, std::min({table.pairCount, stored, stageGridRowCount - 1}));
}

std::string headerLine(const ResultsRun& run, const FormatSettings& settings) {
    return "Velmora    Proj. Date: " + DateToStr(run.inputs.projDate, settings) +
           "   Proj. No.: " + run.inputs.projNo;
}

std::string eventLine(const ResultsRun& run) {
    return "Design Rainfall Event: " + run.eventLabel + "  Proj. Descr.: " + run.inputs.projDescr;
}

// None when no intensity method is selected: the run then has no pre-development rate.
std::optional<std::string> preDevelopmentLine(const ResultsRun& run, const NumberTexts& n) {
    const DesignInputs& in = run.inputs;
    const bool userSupplied = in.intensityMethod == IntensityMethod::UserSupplied;
    const bool cityCurves = in.intensityMethod == IntensityMethod::CityCurves;
    if ((!userSupplied && !cityCurves) || !run.preDevRate)
        return std::nullopt;
    std::string line = "PRE-DEV. DRAIN. AREA(Acres): " + n.general(in.preArea) +
                       "    PRE-DEV. C: " + n.general(in.preC) +
                       "    PRE-DEV. Tc(min.): " + n.general(in.preTc);
    if (userSupplied)
        line += "    User IDF(\"/hr): " + n.general(run.eventUserIntensity);
    return line + "    PRE-DEV. RUNOFF RATE(cfs): " + n.fixed(*run.preDevRate, 10, 2);
}

std::string postDevelopmentLine(const DesignInputs& in, const NumberTexts& n) {
    return "POST-DEVELOPMENT AREA(Acres): " + n.general(in.postArea) +
           "    POST-DEV.(weighted) C:" + n.general(in.postC);
}

std::string pondLine(const DesignInputs& in, const NumberTexts& n) {
    return "POND DATA:  AV'G. SURF. AREA(Acres): " + n.general(in.pondArea) +
           "    PERMANENT POOL ELEV.(ft): " + n.general(in.permPoolElev) +
           "    PERM. RATE(in/hr): " + n.general(in.permRate);
}

std::string outletLine(const DesignInputs& in, const NumberTexts& n) {
    switch (in.dischargeMethod) {
    case DischargeMethod::RectangularWeir:
        return "Disch. Method: Rect. Weir - Crest Elev.(ft):" + n.general(in.controlElev) +
               "    Weir Length(in):" + n.general(in.openingSize) +
               "    Weir Coeff.:" + n.general(in.weirCoef) +
               "    No. of End Contractions: " + n.general(in.endContractions);
    case DischargeMethod::CircularOrifice:
        return "Disch. Method: Circ. Orifice - Inv. Elev.(ft):" + n.general(in.controlElev) +
               "    Orif. Diam.(in):" + n.general(in.openingSize) +
               "    Weir Coeff.:" + n.general(in.weirCoef) +
               "    Orif. Coef.: " + n.general(in.orifCoef);
    case DischargeMethod::RectangularOrifice:
        return "Disch. Method: Rect. Orifice - Inv. Elev.(ft):" + n.general(in.controlElev) +
               "    Orif. Width(in):" + n.general(in.openingSize) +
               "    Orif. Hgt.(in):" + n.general(in.orifHeight) +
               "    Weir Coeff.:" + n.general(in.weirCoef) +
               "    Orif. Coef.: " + n.general(in.orifCoef);
    case DischargeMethod::StageDischargeTable:
        return "Disch. Method: User supplied Stage-Disch";
    }
    return {};
}

void drawRule(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// The list's headings and rule are drawn again before every pair; the first pair stands on
// the rule, and its white cells hide the rule where they lie until the next pair redraws it.
void drawStageDischargeList(Canvas& canvas, const ResultsRun& run, int pairs, int rowCount,
                            const NumberTexts& n, const VisibleBand& band) {
    const int headingTop = summaryLineTop(rowCount, 0);
    const int unitsTop = summaryLineTop(rowCount, 1);
    const int ruleY = summaryLineTop(rowCount, kStagePairsFirstLine);
    // The headings and the rule are redrawn before every pair; below the band they show
    // nothing, so the pairs there are not visited.
    const bool ruleShown = ruleY >= band.top && ruleY < band.bottom;
    const bool headingsShown = band.showsTextAt(headingTop) || band.showsTextAt(unitsTop);
    for (int k = 0; k < pairs; ++k) {
        const int top = summaryLineTop(rowCount, kStagePairsFirstLine + k);
        if (top >= band.bottom && !ruleShown && !headingsShown)
            break;
        if (!band.showsTextAt(top) && !ruleShown && !headingsShown)
            continue;
        const auto index = static_cast<std::size_t>(k);
        textOutIn(canvas, band, kStageHeadingLeft, headingTop,
                  [] { return std::string("Stage       Disch."); });
        textOutIn(canvas, band, kStageUnitsLeft, unitsTop,
                  [] { return std::string(" (ft)          (cfs)"); });
        drawRule(canvas, kStageRuleLeft, ruleY, kStageRuleRight, ruleY);
        textOutIn(canvas, band, kStageValueLeft, top,
                  [&] { return n.fixed(run.stageDischarge.stages[index], 7, 2); });
        textOutIn(canvas, band, kDischargeValueLeft, top,
                  [&] { return n.fixed(run.stageDischarge.discharges[index], 7, 2); });
    }
}

void drawHeadings(Canvas& canvas, const ReportColumn& column, const VisibleBand& band) {
    textOutIn(canvas, band, column.headingX, kHeadingLine1Top,
              [&] { return std::string(column.heading1); });
    textOutIn(canvas, band, column.headingX, kHeadingLine2Top,
              [&] { return std::string(column.heading2); });
}

void drawColumnValue(Canvas& canvas, const ReportColumn& column, const RoutingRow& row, int r,
                     const NumberTexts& n, const VisibleBand& band) {
    textOutIn(canvas, band, column.valueX, rowTop(r),
              [&] { return n.fixed(column.shown(row), column.precision, column.digits); });
}

// The rows whose text reaches into the band, from the first, in order.
template <class Visit>
void forRowsInBand(std::span<const RoutingRow> rows, const VisibleBand& band, Visit visit) {
    for (std::size_t r = static_cast<std::size_t>(band.firstRow());
         r < rows.size() && rowTop(static_cast<int>(r)) < band.bottom; ++r)
        visit(r);
}

void drawColumnValues(Canvas& canvas, const ReportColumn& column, std::span<const RoutingRow> rows,
                      const NumberTexts& n, const VisibleBand& band) {
    forRowsInBand(rows, band, [&](std::size_t r) {
        drawColumnValue(canvas, column, rows[r], static_cast<int>(r), n, band);
    });
}

void drawTable(Canvas& canvas, std::span<const RoutingRow> rows, const NumberTexts& n,
               const VisibleBand& band) {
    const int bottom = frameBottom(static_cast<int>(rows.size()));
    drawRule(canvas, kFrameLeft, kTableTopRuleY, kFrameRight, kTableTopRuleY);
    drawRule(canvas, kFrameLeft, kHeadingRuleY, kFrameRight, kHeadingRuleY);
    for (int x : kColumnRuleXs)
        drawRule(canvas, x, kTableTopRuleY, x, bottom);

    drawHeadings(canvas, kColumns[kDurationColumn], band);
    drawColumnValues(canvas, kColumns[kDurationColumn], rows, n, band);
    drawHeadings(canvas, kColumns[kRainfallColumn], band);
    drawHeadings(canvas, kColumns[kDeltaTColumn], band);
    drawColumnValues(canvas, kColumns[kDeltaTColumn], rows, n, band);
    for (std::size_t c = kDeltaRColumn; c < kColumns.size(); ++c)
        drawHeadings(canvas, kColumns[c], band);

    forRowsInBand(rows, band, [&](std::size_t r) {
        for (std::size_t c = kRainfallColumn; c < kColumns.size(); ++c) {
            if (c != kDeltaTColumn)
                drawColumnValue(canvas, kColumns[c], rows[r], static_cast<int>(r), n, band);
        }
    });
}

// The four maxima of every row, drawn or not; taken only where the band shows them.
void drawSummary(Canvas& canvas, std::span<const RoutingRow> rows, const NumberTexts& n,
                 const VisibleBand& band) {
    const int rowCount = static_cast<int>(rows.size());
    bool shown = false;
    for (int line = 0; line < kSummaryLineCount; ++line)
        shown = shown || band.showsTextAt(summaryLineTop(rowCount, line));
    if (!shown)
        return;
    const RoutingSummary summary = summarize(rows);
    const std::array<std::string, kSummaryLineCount> lines{
        "Peak Stage(ft) = " + n.fixed(summary.peakStage, 12, 2),
        "Peak Rate of Outflow(cfs) = " + n.fixed(summary.peakOutflow, 12, 2),
        "Peak Vol. Outflow(ac-ft) = " + n.fixed(summary.peakVolOut, 12, 4),
        "Max. Vol. Storage req'd.(ac-ft) = " + n.fixed(summary.maxStorage, 12, 4),
    };
    for (int line = 0; line < kSummaryLineCount; ++line)
        textOutIn(canvas, band, kSummaryLeft, summaryLineTop(rowCount, line),
                  [&] { return lines[static_cast<std::size_t>(line)]; });
}

// Lines of the summary block holding text: the summary's four, or the stage list's when it
// reaches further down.
int summaryBlockLineCount(int pairs) {
    return pairs > 0 ? std::max(kSummaryLineCount, kStagePairsFirstLine + pairs)
                     : kSummaryLineCount;
}

void drawPage(Canvas& canvas, const ResultsRun& run, int stageGridRowCount,
              const FormatSettings& settings, const VisibleBand& band) {
    const NumberTexts n{settings};
    const DesignInputs& in = run.inputs;
    const std::span<const RoutingRow> rows = designEventRows(run);
    const int rowCount = static_cast<int>(rows.size());

    canvas.SetPatternBrush(reportPatternBrush());
    canvas.Rectangle(0, 0, kReportPageWidth, reportPageHeight(run, stageGridRowCount));
    textOutIn(canvas, band, kTextLeft, kHeaderTop, [&] { return headerLine(run, settings); });
    canvas.Rectangle(kFrameLeft, kFrameTop, kFrameRight, frameBottom(rowCount));
    textOutIn(canvas, band, kTextLeft, kEventLineTop, [&] { return eventLine(run); });
    if (band.showsTextAt(kPreDevelopmentLineTop))
        if (const auto line = preDevelopmentLine(run, n))
            canvas.TextOut(kTextLeft, kPreDevelopmentLineTop, *line);
    textOutIn(canvas, band, kTextLeft, kPostDevelopmentLineTop,
              [&] { return postDevelopmentLine(in, n); });
    textOutIn(canvas, band, kTextLeft, kPondLineTop, [&] { return pondLine(in, n); });
    drawRule(canvas, kFrameLeft, kInputsRuleY, kFrameRight, kInputsRuleY);
    textOutIn(canvas, band, kTextLeft, kOutletLineTop, [&] { return outletLine(in, n); });
    drawStageDischargeList(canvas, run, stagePairsShown(run, stageGridRowCount), rowCount, n, band);
    drawTable(canvas, rows, n, band);
    drawSummary(canvas, rows, n, band);
}

} // namespace

void DrawReportPage(Canvas& canvas, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings) {
    drawPage(canvas, run, stageGridRowCount, settings,
             VisibleBand{0, reportPageHeight(run, stageGridRowCount)});
}

void DrawReportPage(Canvas& canvas, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, PageBand visible) {
    drawPage(canvas, run, stageGridRowCount, settings, VisibleBand{visible.top, visible.bottom});
}

int reportPageHeight(const ResultsRun& run, int stageGridRowCount) {
    const int rowCount = tableRowCount(run);
    const int lines = summaryBlockLineCount(stagePairsShown(run, stageGridRowCount));
    const int lowestTextBottom = summaryLineTop(rowCount, lines - 1) + kTextCellHeight;
    return std::max(kReportPageMinHeight, lowestTextBottom + kPageBottomMargin);
}

std::vector<PageBand> reportSheetBands(const ResultsRun& run, int stageGridRowCount) {
    const int rowCount = tableRowCount(run);
    const int height = reportPageHeight(run, stageGridRowCount);

    // Places where a cut splits no text: above every table row but the first, and above
    // every line of the summary block.
    std::vector<int> cuts;
    for (int r = 1; r < rowCount; ++r)
        cuts.push_back(rowTop(r));
    const int lines = summaryBlockLineCount(stagePairsShown(run, stageGridRowCount));
    for (int line = 0; line < lines; ++line)
        cuts.push_back(summaryLineTop(rowCount, line));
    std::sort(cuts.begin(), cuts.end());

    std::vector<PageBand> bands;
    int top = 0;
    while (height - top > kReportPageMinHeight) {
        int bottom = top + kReportPageMinHeight;
        const auto fits = std::upper_bound(cuts.begin(), cuts.end(), bottom);
        if (fits != cuts.begin() && *std::prev(fits) > top)
            bottom = *std::prev(fits);
        bands.push_back({top, bottom});
        top = bottom;
    }
    bands.push_back({top, height});
    return bands;
}

} // namespace velmora
