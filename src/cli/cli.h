// velmora-cli: runs saved projects without the desktop program.
#pragma once

#include "platform/conversions.h"

#include <ostream>
#include <string>
#include <vector>

namespace velmora {

// Exit codes of velmora-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFile = 2;         // the file could not be opened, read or written
inline constexpr int kExitProject = 3;      // the capture or the results run failed
inline constexpr int kExitTargetMissed = 4; // design: an event above its pre-development rate;
                                            // size: no value in the range meets the target

// The conventions the command line runs under: the locale's decimal separator and short date
// pattern, and its name (for the paper size of a printed report).
struct CliEnvironment {
    FormatSettings settings;
    std::string localeName = "C";
};

// The environment's locale: the first non-empty of LC_ALL, LC_NUMERIC and LANG.
CliEnvironment cliEnvironmentFromProcess();

// args are the words after the program name.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment);

} // namespace velmora
