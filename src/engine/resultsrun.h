// One results run: the main window's inputs and the captured tables in, the routing of all
// five design events and the values the report prints out.
#pragma once

#include "engine/capture.h"
#include "engine/controls.h"
#include "engine/inputs.h"
#include "engine/routing.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace velmora {

// Any failure of a results run. what() is "CHECK DATA!", the message the user sees;
// detail() says which input and why, for the command line.
class RunError : public std::runtime_error {
  public:
    explicit RunError(std::string detail);
    const std::string& detail() const noexcept { return detail_; }

  private:
    std::string detail_;
};

struct ResultsRun {
    DesignInputs inputs;    // designEvent and dischargeMethod normalised
    RainfallTable rainfall; // the run's own copy, negative previous depths replaced by 0
    StageDischargeTable stageDischarge; // the captured pairs the run routed with
    RoutingTable routing;               // all five events
    RoutingSummary summary;             // of the design event
    double maxDuration = 0;             // hours
    double infiltrationRate = 0;        // cubic feet per hour
    double eventExponent = 0;           // exponent of the city intensity curve
    std::string eventLabel;             // such as "25yr/24hr"
    double eventUserIntensity = 0;      // inches per hour; 0 unless the intensity method is 0
    std::optional<double> preDevRate;   // cfs; none unless the intensity method is 0 or 1
};

// Reads every input from the controls by the reading rule and routes the captured tables.
// Works on copies: the captured tables are never changed, so every run of the same capture
// gives the same result. Throws RunError on any failure.
ResultsRun performResultsRun(const MainWindowControls& controls, const CapturedTables& captured,
                             const FormatSettings& settings);

// The same run on inputs already read (a design search varies them as numbers); the design
// event is normalised to 0..4 first. Throws RunError on any failure.
ResultsRun performResultsRun(const DesignInputs& inputs, const CapturedTables& captured,
                             const FormatSettings& settings);

} // namespace velmora
