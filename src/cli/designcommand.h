// `velmora-cli design`: the five-event design check of many project files, one row per file
// and event.
#pragma once

#include "cli/cli.h"
#include "cli/designoutput.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {

struct DesignOptions {
    std::vector<std::string> projects;
    TableFormat format = TableFormat::Text;
    std::optional<double> maxStepMinutes;
};

// A file that cannot be read or run is reported on `err` with its reason and the others go
// on. Exit 0 when every event of every file meets its rate, 4 when any does not; a file that
// failed makes it 2 (unreadable) or 3 (capture or run failed), 3 over 2, whatever the others
// gave.
int commandDesign(const DesignOptions& options, std::ostream& out, std::ostream& err,
                  const CliEnvironment& environment);

} // namespace velmora
