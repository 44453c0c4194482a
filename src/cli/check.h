// `velmora-cli check`: every value of a project file converted the way Save and a results run
// convert it, and a results run of each design event.
#pragma once

#include "projectfile/projectfile.h"

#include <string>
#include <vector>

namespace velmora {

// The problems found, each naming its line; empty when the file is sound.
std::vector<std::string> checkProject(const ReadResult& read, const FormatSettings& settings);

// The design check's warnings of a file with no problems, each naming its line where it
// points at one ("line 17: rainfall row 4: ..."). Warnings never make a problem.
std::vector<std::string> projectWarnings(const ReadResult& read, const FormatSettings& settings);

} // namespace velmora
