// `velmora-cli check`: every value of a project file converted the way Save and a results run
// convert it, and a results run of each design event.
#pragma once

#include "projectfile/projectfile.h"

#include <string>
#include <vector>

namespace velmora {

// The problems found, each naming its line; empty when the file is sound.
std::vector<std::string> checkProject(const ReadResult& read, const FormatSettings& settings);

} // namespace velmora
