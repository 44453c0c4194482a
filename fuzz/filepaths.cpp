#include "fuzz/filepaths.h"

#include "charts/chartseries.h"
#include "design/designcheck.h"
#include "engine/resultsrun.h"
#include "projectcontrols/projectcontrols.h"
#include "report/designsheet.h"
#include "report/reportjson.h"

#include <cmath>
#include <optional>
#include <utility>

namespace velmora::fuzzing {

namespace {

void noteFirstFailure(PathOutcome& outcome, PathEnd end, std::string message) {
    if (outcome.end == PathEnd::Drawn) {
        outcome.end = end;
        outcome.message = std::move(message);
    }
}

// `run --event`, the points `plot` draws, then `report -o page.json` of one design event; the
// 5-year event's report also carries the design sheet, whose one-minute sub-steps are the
// path's costliest step.
void runEvent(const OpenedProject& opened, const CapturedTables& captured, int event,
              const FormatSettings& settings, PathOutcome& outcome) {
    MainWindowControls controls = opened.controls;
    controls.grpRainEvnt = event;
    ResultsRun run;
    try {
        run = performResultsRun(controls, captured, settings);
        checkDesign(run, std::nullopt, settings);
    } catch (const RunError& e) {
        noteFirstFailure(outcome, PathEnd::RunFailed, std::string(e.what()) + " " + e.detail());
        return;
    } catch (const RefinementError& e) {
        noteFirstFailure(outcome, PathEnd::RunFailed, e.what());
        return;
    }
    // `plot` and the hydrograph sheet: the event's rates and stage as chart points.
    for (const auto& series :
         {inflowRateSeries(run, event), outletRateSeries(run, event), stageSeries(run, event)}) {
        for (const ChartPoint& point : series) {
            if (!std::isfinite(point.hours) || !std::isfinite(point.value))
                ++outcome.notFinitePoints;
        }
    }
    const int stageRows = opened.stageDisch.rowCount();
    outcome.drawnBytes += reportDrawListJson(run, stageRows, settings).size();
    if (event == rp5Year) {
        try {
            const DesignSheet sheet = designSheetFor(run, settings);
            outcome.drawnBytes += reportDrawListJson(run, stageRows, settings, &sheet).size();
        } catch (const RunError& e) {
            noteFirstFailure(outcome, PathEnd::RunFailed, std::string(e.what()) + " " + e.detail());
        }
    }
}

} // namespace

FormatSettings pointSettings() {
    return cLocaleSettings();
}

FormatSettings commaSettings() {
    return FormatSettings{',', "dd.MM.yyyy"};
}

std::string readResultFault(const ReadResult& read) {
    if (read.ok())
        return read.error.empty() ? std::string()
                                  : "a whole read with the error '" + read.error + "'";
    if (read.error.empty())
        return "a failed read without a message";
    if (read.errorLine < 0)
        return "the failure '" + read.error + "' names line " + std::to_string(read.errorLine);
    return {};
}

PathOutcome followFilePath(std::string_view bytes, const FormatSettings& settings) {
    PathOutcome outcome;
    outcome.read = parseProjectFile(bytes, settings);
    // The desktop program keeps what a failed read delivered in its window, and the Results
    // command then captures and runs it.
    OpenedProject opened = openIntoControls(outcome.read);
    CapturedTables captured;
    try {
        captured = captureOpenedProject(opened, settings);
    } catch (const ConversionError& e) {
        outcome.end = PathEnd::CaptureFailed;
        outcome.message = e.what();
        return outcome;
    }
    for (int event = 0; event < kReturnPeriodCount; ++event)
        runEvent(opened, captured, event, settings, outcome);
    return outcome;
}

std::string pathOutcomeFault(const PathOutcome& outcome) {
    if (std::string fault = readResultFault(outcome.read); !fault.empty())
        return fault;
    if (outcome.end != PathEnd::Drawn && outcome.message.empty())
        return "a failed capture or run without a message";
    if (outcome.notFinitePoints > 0)
        return std::to_string(outcome.notFinitePoints) + " chart points that are not finite";
    return {};
}

} // namespace velmora::fuzzing
