// The paths a project file's bytes take through the program, as the fuzz targets and the
// corpus test follow them: the reader alone, and the whole way velmora-cli takes a file
// (read, Open into the controls, the Results command's capture, a results run of every
// design event, the design check, the hydrographs' points and the report's draw list).
//
// Everything the program catches on that way ends the path with a message; anything else
// (another exception, a crash, a sanitizer report) is a fault of the program.
#pragma once

#include "platform/conversions.h"
#include "projectfile/projectfile.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::fuzzing {

// The settings a file is read under: the C locale's, and a decimal comma with a day-first
// date, where the file's points are turned into commas.
FormatSettings pointSettings();
FormatSettings commaSettings();

// What is wrong with a reader's answer: a whole read carries no error, a failed one a message
// (and the line it stopped on, 0 for the file as a whole). Empty when nothing is wrong.
std::string readResultFault(const ReadResult& read);

// Where the whole path ended.
enum class PathEnd {
    Drawn,         // every design event was run, checked and drawn
    CaptureFailed, // a table cell did not convert
    RunFailed,     // a results run or the design check failed ("CHECK DATA!")
};

struct PathOutcome {
    ReadResult read; // Open goes on with what a failed read delivered, as the window does
    PathEnd end = PathEnd::Drawn;
    std::string message;        // why the capture, a run or a check failed
    std::size_t drawnBytes = 0; // the draw lists' length, all events together
    int notFinitePoints = 0;    // chart points of a successful run that are not finite
};

// The whole path of one file's bytes. Throws only what the program does not catch.
PathOutcome followFilePath(std::string_view bytes, const FormatSettings& settings);

// What is wrong with an outcome: as readResultFault, a failure without a message, or a chart
// point that is not finite.
std::string pathOutcomeFault(const PathOutcome& outcome);

} // namespace velmora::fuzzing
