// `velmora-cli size`: the opening or pond area that just meets a target in the chosen events.
#pragma once

#include "cli/cli.h"
#include "design/sizing.h"

#include <ostream>
#include <string>

namespace velmora {

struct SizeOptions {
    std::string project;
    SizingRequest request;
    std::string output; // the project written with the value found; empty for none
};

// Prints the value and the chosen events before and after. Throws UsageError for an opening
// of a stage-discharge table, CommandFailure with exit 4 when no value in the range meets the
// target, and as `run` does for a file that cannot be read or run.
int commandSize(const SizeOptions& options, std::ostream& out, const CliEnvironment& environment);

} // namespace velmora
