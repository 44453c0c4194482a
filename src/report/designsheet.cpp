#include "report/designsheet.h"

#include "engine/calculationerror.h"
#include "report/reportpage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace velmora {

namespace {

// Positions on the sheet, in pixels from its top-left corner.
constexpr int kTextLeft = 10;
constexpr int kFrameLeft = 5;
constexpr int kFrameTop = 13;
constexpr int kFrameRight = 695;
constexpr int kFrameBottom = 530;
constexpr int kProjectLineTop = 14;
constexpr int kVerdictTop = 31;
constexpr int kVerdictBottom = 63;
constexpr int kVerdictTextLeft = 44;
constexpr int kVerdictLine1Top = 34;
constexpr int kVerdictLine2Top = 48;
constexpr int kVerdictMarkLeft = 16;
constexpr int kVerdictMarkTop = 37;
constexpr int kVerdictMarkSize = 20;
constexpr int kRowMarkSize = 11;
constexpr int kRowPitch = 16;    // between table rows
constexpr int kTitleToRule = 14; // from a section title to its table's top rule
constexpr int kHeading1Below = 2;
constexpr int kHeading2Below = 15;
constexpr int kHeadingRuleBelow = 29; // the rule under the headings, below the top rule
constexpr int kFirstRowBelow = 32;
constexpr int kCellLeftPad = 5;
constexpr int kEventsTitleTop = 68;
constexpr int kBalanceTitleTop = 202;
constexpr int kWarningsTitleTop = 336;
constexpr int kWarningPitch = 14;
constexpr int kWarningsBottom = 512; // no warning line starts below this
constexpr int kHydrographTitleTop = 31;
// Characters of a warning line: about 5 pixels each in the sheet's font, within the frame.
constexpr std::size_t kWarningLineChars = 145;
constexpr double kPercent = 100.0;

// The column boundaries of the two tables, in pixels; a table's last column ends at the
// frame's right side.
constexpr std::array kEventColumns{5, 65, 140, 215, 290, 365, 445, 525, 605, 695};
constexpr std::array kBalanceColumns{5, 65, 140, 215, 290, 365, 445, 525, 695};

struct Heading {
    const char* line1;
    const char* line2;
};

constexpr std::array<Heading, 9> kEventHeadings{{{"Event", ""},
                                                 {"Pre-dev. rate", "(cfs)"},
                                                 {"Peak outflow", "(cfs)"},
                                                 {"Outflow /", "pre-dev. rate"},
                                                 {"Peak stage", "(ft)"},
                                                 {"Max. storage", "(ac-ft)"},
                                                 {"1-min peak", "outflow (cfs)"},
                                                 {"1-min peak", "stage (ft)"},
                                                 {"Result", ""}}};

constexpr std::array<Heading, 8> kBalanceHeadings{{{"Event", ""},
                                                   {"Inflow", "(ac-ft)"},
                                                   {"Outlet", "(ac-ft)"},
                                                   {"Infiltration", "(ac-ft)"},
                                                   {"Final storage", "(ac-ft)"},
                                                   {"Continuity", "error (ac-ft)"},
                                                   {"Error", "(% of inflow)"},
                                                   {"Storage held at 0", "(the error's cause)"}}};

// Every operation moved down by `top`, so the sheet can follow the results page on one
// surface.
class ShiftedCanvas final : public Canvas {
  public:
    ShiftedCanvas(Canvas& target, int top) : target_(target), top_(top) {}

    void SetPatternBrush(const PatternBrush& brush) override { target_.SetPatternBrush(brush); }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        target_.Rectangle(x1, y1 + top_, x2, y2 + top_);
    }
    void TextOut(int x, int y, const std::string& text) override {
        target_.TextOut(x, y + top_, text);
    }
    void MoveTo(int x, int y) override { target_.MoveTo(x, y + top_); }
    void LineTo(int x, int y) override { target_.LineTo(x, y + top_); }

  private:
    Canvas& target_;
    int top_;
};

PatternBrush whiteBrush() {
    return PatternBrush::plainWhite(kReportPatternWidth, kReportPatternHeight);
}

// All bits 0: fills in the text colour, black.
PatternBrush blackBrush() {
    constexpr int kSize = 16;
    return PatternBrush(kSize, kSize,
                        std::vector<std::uint8_t>(
                            static_cast<std::size_t>(PatternBrush::bytesPerRow(kSize) * kSize), 0));
}

struct Texts {
    const FormatSettings& settings;

    std::string fixed(double value, int digits) const {
        return FloatToStrF(value, ffFixed, 15, digits, settings);
    }
    std::string fixed(const std::optional<double>& value, int digits) const {
        return value ? fixed(*value, digits) : "-";
    }
    std::string percent(const std::optional<double>& share) const {
        return share ? fixed(*share * kPercent, 1) + " %" : "-";
    }
};

std::string eventName(int returnPeriod) {
    return std::to_string(kReturnPeriodYears[static_cast<std::size_t>(returnPeriod)]) + "-year";
}

void drawRule(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// A box with a check mark drawn two pixels thick: the event meets its rate.
void drawPassMark(Canvas& canvas, int x, int y, int size) {
    canvas.Rectangle(x, y, x + size, y + size);
    for (int thickness = 0; thickness < 2; ++thickness) {
        canvas.MoveTo(x + size / 5, y + size / 2 + thickness);
        canvas.LineTo(x + size * 2 / 5, y + size * 3 / 4 + thickness);
        canvas.LineTo(x + size * 4 / 5, y + size / 5 + thickness);
    }
}

// A solid black box: the event exceeds its rate.
void drawFailMark(Canvas& canvas, int x, int y, int size) {
    canvas.SetPatternBrush(blackBrush());
    canvas.Rectangle(x, y, x + size, y + size);
    canvas.SetPatternBrush(whiteBrush());
}

// An empty box: there is no rate to meet.
void drawNoRateMark(Canvas& canvas, int x, int y, int size) {
    canvas.Rectangle(x, y, x + size, y + size);
}

void drawMark(Canvas& canvas, const std::optional<bool>& meets, int x, int y, int size) {
    if (!meets)
        drawNoRateMark(canvas, x, y, size);
    else if (*meets)
        drawPassMark(canvas, x, y, size);
    else
        drawFailMark(canvas, x, y, size);
}

std::string methodText(const DesignInputs& in, const Texts& t) {
    const std::string opening = FloatToStr(in.openingSize, t.settings) + " in";
    const std::string control = FloatToStr(in.controlElev, t.settings) + " ft";
    switch (in.dischargeMethod) {
    case DischargeMethod::RectangularWeir:
        return "Rect. weir " + opening + " long, crest at " + control;
    case DischargeMethod::CircularOrifice:
        return "Circ. orifice " + opening + " diameter, invert at " + control;
    case DischargeMethod::RectangularOrifice:
        return "Rect. orifice " + opening + " wide, invert at " + control;
    case DischargeMethod::StageDischargeTable:
        break;
    }
    return "User stage-discharge table";
}

void drawHeader(Canvas& canvas, const ResultsRun& run, const Texts& t) {
    const DesignInputs& in = run.inputs;
    canvas.TextOut(kTextLeft, 1,
                   "Velmora    DESIGN CHECK    Proj. Date: " + DateToStr(in.projDate, t.settings) +
                       "   Proj. No.: " + in.projNo);
    canvas.Rectangle(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    canvas.TextOut(kTextLeft, kProjectLineTop,
                   "Proj. Descr.: " + in.projDescr + "    Outlet: " + methodText(in, t) +
                       "    Pond: " + FloatToStr(in.pondArea, t.settings) + " ac on a pool at " +
                       FloatToStr(in.permPoolElev, t.settings) + " ft");
}

std::vector<std::string> eventNamesWhere(const std::array<EventCheck, kReturnPeriodCount>& events,
                                         bool meets) {
    std::vector<std::string> names;
    for (const EventCheck& event : events) {
        if (event.meetsPreDev == meets)
            names.push_back(eventName(event.returnPeriod));
    }
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

std::string verdictText(const std::array<EventCheck, kReturnPeriodCount>& events) {
    const bool anyRate = std::any_of(events.begin(), events.end(),
                                     [](const EventCheck& e) { return e.preDevRate.has_value(); });
    if (!anyRate)
        return "NO VERDICT: no intensity method is selected, so there is no pre-development rate";
    const std::vector<std::string> failing = eventNamesWhere(events, false);
    if (failing.empty())
        return "PASS: every event keeps its peak outflow at or below its pre-development rate";
    return "FAIL: the " + joined(failing) +
           (failing.size() == 1 ? " event exceeds its" : " events exceed their") +
           " pre-development rate";
}

std::string refinedVerdictText(const DesignSheet& sheet) {
    if (!sheet.refinedEvents)
        return "On one-minute sub-steps: not routed (" + sheet.refinementFailure + ")";
    const std::vector<std::string> failing = eventNamesWhere(*sheet.refinedEvents, false);
    const std::vector<std::string> failedBefore = eventNamesWhere(sheet.check.events, false);
    if (failing == failedBefore)
        return "On one-minute sub-steps the verdict is the same.";
    if (failing.empty())
        return "On one-minute sub-steps every event with a rate meets it.";
    return "On one-minute sub-steps the " + joined(failing) +
           (failing.size() == 1 ? " event exceeds its rate." : " events exceed their rates.");
}

void drawVerdict(Canvas& canvas, const DesignSheet& sheet) {
    const DesignCheck& check = sheet.check;
    canvas.Rectangle(kFrameLeft + 5, kVerdictTop, kFrameRight - 5, kVerdictBottom);
    const bool anyRate = std::any_of(check.events.begin(), check.events.end(),
                                     [](const EventCheck& e) { return e.preDevRate.has_value(); });
    const std::optional<bool> verdict =
        anyRate ? std::optional<bool>(check.meetsPreDevelopment()) : std::nullopt;
    drawMark(canvas, verdict, kVerdictMarkLeft, kVerdictMarkTop, kVerdictMarkSize);
    canvas.TextOut(kVerdictTextLeft, kVerdictLine1Top, verdictText(check.events));
    canvas.TextOut(kVerdictTextLeft, kVerdictLine2Top, refinedVerdictText(sheet));
}

template <std::size_t N, std::size_t M>
void drawTableFrame(Canvas& canvas, int ruleTop, const std::array<int, N>& columns,
                    const std::array<Heading, M>& headings, int rows) {
    const int bottom = ruleTop + kFirstRowBelow + kRowPitch * rows;
    drawRule(canvas, kFrameLeft, ruleTop, kFrameRight, ruleTop);
    drawRule(canvas, kFrameLeft, ruleTop + kHeadingRuleBelow, kFrameRight,
             ruleTop + kHeadingRuleBelow);
    drawRule(canvas, kFrameLeft, bottom, kFrameRight, bottom);
    for (std::size_t c = 1; c + 1 < columns.size(); ++c)
        drawRule(canvas, columns[c], ruleTop, columns[c], bottom);
    for (std::size_t c = 0; c < headings.size(); ++c) {
        canvas.TextOut(columns[c] + kCellLeftPad, ruleTop + kHeading1Below, headings[c].line1);
        if (*headings[c].line2 != '\0')
            canvas.TextOut(columns[c] + kCellLeftPad, ruleTop + kHeading2Below, headings[c].line2);
    }
}

int rowTop(int ruleTop, int row) {
    return ruleTop + kFirstRowBelow + kRowPitch * row;
}

template <std::size_t N>
void drawCells(Canvas& canvas, const std::array<int, N>& columns, int top,
               const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c)
        canvas.TextOut(columns[c] + kCellLeftPad, top, cells[c]);
}

std::string resultText(const EventCheck& event) {
    if (!event.meetsPreDev)
        return "NO RATE";
    return *event.meetsPreDev ? "PASS" : "FAIL";
}

void drawEventTable(Canvas& canvas, const DesignSheet& sheet, const Texts& t) {
    canvas.TextOut(kTextLeft, kEventsTitleTop,
                   "FIVE-EVENT CHECK: peak outflow against each event's own pre-development rate; "
                   "1-min: the same storm routed on one-minute sub-steps");
    const int ruleTop = kEventsTitleTop + kTitleToRule;
    drawTableFrame(canvas, ruleTop, kEventColumns, kEventHeadings, kReturnPeriodCount);
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        const EventCheck& e = sheet.check.events[static_cast<std::size_t>(p)];
        const int top = rowTop(ruleTop, p);
        std::optional<double> refinedOutflow, refinedStage;
        if (sheet.refinedEvents) {
            refinedOutflow = (*sheet.refinedEvents)[static_cast<std::size_t>(p)].peakOutflow;
            refinedStage = (*sheet.refinedEvents)[static_cast<std::size_t>(p)].peakStage;
        }
        drawCells(canvas, kEventColumns, top,
                  {eventName(p), t.fixed(e.preDevRate, 2), t.fixed(e.peakOutflow, 2),
                   t.percent(e.outflowRatio), t.fixed(e.peakStage, 2), t.fixed(e.maxStorage, 4),
                   t.fixed(refinedOutflow, 2), t.fixed(refinedStage, 2)});
        const int resultLeft = kEventColumns[8] + kCellLeftPad;
        drawMark(canvas, e.meetsPreDev, resultLeft, top + 1, kRowMarkSize);
        canvas.TextOut(resultLeft + kRowMarkSize + kCellLeftPad, top, resultText(e));
    }
}

std::string clampedText(const DesignSheet& sheet, const MassBalance& balance, const Texts& t) {
    if (!balance.firstClampedRow)
        return "no step";
    const auto row = static_cast<std::size_t>(*balance.firstClampedRow);
    const double duration = sheet.check.routed.routing.event(balance.returnPeriod)[row].duration;
    return "from row " + std::to_string(row + 1) + " (" + FloatToStr(duration, t.settings) +
           " hr)" +
           (balance.clampedStepCount > 1
                ? ", " + std::to_string(balance.clampedStepCount) + " steps"
                : "");
}

void drawBalanceTable(Canvas& canvas, const DesignSheet& sheet, const Texts& t) {
    canvas.TextOut(kTextLeft, kBalanceTitleTop,
                   "MASS BALANCE: inflow - outlet - infiltration - final storage = continuity "
                   "error; not 0 where a step removes more water than the pond holds");
    const int ruleTop = kBalanceTitleTop + kTitleToRule;
    drawTableFrame(canvas, ruleTop, kBalanceColumns, kBalanceHeadings, kReturnPeriodCount);
    for (const MassBalance& b : sheet.check.balances) {
        drawCells(canvas, kBalanceColumns, rowTop(ruleTop, b.returnPeriod),
                  {eventName(b.returnPeriod), t.fixed(b.inflow, 4), t.fixed(b.outletVolume, 4),
                   t.fixed(b.infiltration, 4), t.fixed(b.finalStorage, 4),
                   t.fixed(b.continuityError, 4), t.fixed(b.continuityErrorPercent, 2),
                   clampedText(sheet, b, t)});
    }
}

// The text cut into lines of at most kWarningLineChars at spaces; later lines indented.
std::vector<std::string> wrapped(const std::string& text) {
    std::vector<std::string> lines;
    std::string rest = text;
    const std::string indent = "    ";
    while (rest.size() > kWarningLineChars - (lines.empty() ? 0 : indent.size())) {
        const std::size_t limit = kWarningLineChars - (lines.empty() ? 0 : indent.size());
        // At the last space before the limit, unless that leaves most of the line empty.
        std::size_t cut = rest.rfind(' ', limit);
        if (cut == std::string::npos || cut < limit / 2)
            cut = limit;
        lines.push_back((lines.empty() ? "" : indent) + rest.substr(0, cut));
        rest = rest.substr(cut + (rest[cut] == ' ' ? 1 : 0));
    }
    lines.push_back((lines.empty() ? "" : indent) + rest);
    return lines;
}

// One warning after the other, wrapped; when the rest no longer fits, a line that says how
// many are left out.
void drawWarnings(Canvas& canvas, const DesignSheet& sheet) {
    const std::size_t count = sheet.warnings.size();
    canvas.TextOut(kTextLeft, kWarningsTitleTop,
                   count == 0 ? "WARNINGS: none"
                              : "WARNINGS (" + std::to_string(count) +
                                    "): what to confirm before trusting the numbers");
    const int ruleY = kWarningsTitleTop + kTitleToRule;
    drawRule(canvas, kFrameLeft, ruleY, kFrameRight, ruleY);
    int top = ruleY + kHeading1Below + 1;
    for (std::size_t w = 0; w < count; ++w) {
        const std::vector<std::string> lines = wrapped("- " + sheet.warnings[w]);
        const int linesLeft = (kWarningsBottom - top) / kWarningPitch + 1;
        const bool others = w + 1 < count;
        if (static_cast<int>(lines.size()) + (others ? 1 : 0) > linesLeft) {
            canvas.TextOut(kTextLeft, top,
                           "... and " + std::to_string(count - w) +
                               " more: velmora-cli check lists every warning");
            return;
        }
        for (const std::string& line : lines) {
            canvas.TextOut(kTextLeft, top, line);
            top += kWarningPitch;
        }
    }
}

} // namespace

DesignSheet designSheetFor(const ResultsRun& run, const FormatSettings& settings) {
    DesignSheet sheet;
    sheet.check = checkDesign(run, std::nullopt, settings);
    try {
        sheet.refinedEvents = checkEvents(refinedRun(run, kDesignSheetSubStepMinutes).run);
    } catch (const RefinementError& e) {
        sheet.refinementFailure = e.what();
    } catch (const RunError& e) {
        sheet.refinementFailure = std::string(e.what()) + " " + e.detail();
    } catch (const CalculationError& e) {
        sheet.refinementFailure = e.what();
    }
    for (const DesignWarning& warning : sheet.check.warnings)
        sheet.warnings.push_back(warning.message);
    return sheet;
}

void drawDesignSheet(Canvas& target, const ResultsRun& run, const DesignSheet& sheet,
                     const FormatSettings& settings, int top) {
    ShiftedCanvas canvas(target, top);
    const Texts t{settings};
    canvas.SetPatternBrush(whiteBrush());
    canvas.Rectangle(0, 0, kReportPageWidth, kDesignSheetHeight);
    drawHeader(canvas, run, t);
    drawVerdict(canvas, sheet);
    drawEventTable(canvas, sheet, t);
    drawBalanceTable(canvas, sheet, t);
    drawWarnings(canvas, sheet);
}

void drawHydrographSheetFrame(Canvas& target, const ResultsRun& run, const FormatSettings& settings,
                              int top) {
    ShiftedCanvas canvas(target, top);
    const Texts t{settings};
    canvas.SetPatternBrush(whiteBrush());
    canvas.Rectangle(0, 0, kReportPageWidth, kDesignSheetHeight);
    drawHeader(canvas, run, t);
    canvas.TextOut(kTextLeft, kHydrographTitleTop,
                   "HYDROGRAPHS, " + eventName(run.inputs.designEvent) +
                       " design event: inflow and outlet rates against the pre-development "
                       "rate, and the pond's stage");
}

} // namespace velmora
