// The three ways `velmora-cli run` prints a results run.
#pragma once

#include "engine/resultsrun.h"
#include "platform/conversions.h"

#include <ostream>
#include <string>

namespace velmora {

// The shortest text that reads back to the same double, with a point.
std::string roundTripNumber(double value);

// A readable table: header, inputs, pre-development rate, outlet, the design event's rows and
// the four maxima, numbers as the report writes them.
void printRunText(std::ostream& out, const ResultsRun& run, const FormatSettings& settings);

// The design event's rows, one line each, after a line of field names.
void printRunCsv(std::ostream& out, const ResultsRun& run);

// The whole run: every event's rows, the design event's values and summary. `moreMembers`
// (", \"key\": value...") is written after them, inside the object.
void printRunJson(std::ostream& out, const ResultsRun& run, const std::string& moreMembers = {});

} // namespace velmora
