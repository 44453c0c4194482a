// A project file opened, captured and run as the desktop program does it, for the commands
// of velmora-cli.
#pragma once

#include "design/warnings.h"
#include "engine/resultsrun.h"
#include "projectcontrols/projectcontrols.h"
#include "projectfile/projectfile.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// Where the file holds what a warning points at.
struct WarningLines {
    std::vector<int> rainfallRows; // the line of each rainfall row
    int controlElevation = 0;      // the line of the crest or invert elevation; 0 for none

    std::optional<int> lineOf(const DesignWarning& warning) const;
};

WarningLines warningLinesOf(const ProjectWords& words);

// Reads the file; throws CommandFailure (exit 2) when it cannot be opened or read whole.
ReadResult readProjectOrFail(const std::string& path, const FormatSettings& settings);

// Open, the Results command's capture and one results run.
struct ProjectRun {
    OpenedProject opened;
    CapturedTables captured;
    ResultsRun run;
    WarningLines lines;
};

// Throws CommandFailure: exit 2 for a file that cannot be read, 3 for a failed capture or run.
ProjectRun runProject(const std::string& path, int designEvent, const FormatSettings& settings);

// The same from a file's words already read.
ProjectRun runProjectRead(const ReadResult& read, const std::string& path, int designEvent,
                          const FormatSettings& settings);

} // namespace velmora
