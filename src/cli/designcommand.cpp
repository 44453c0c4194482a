#include "cli/designcommand.h"

#include "cli/commandfailure.h"
#include "cli/projectrun.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::size_t kFileColumnGap = 2; // characters between the file names and the events

// The check of one file; throws CommandFailure as `run` does.
DesignCheck checkFile(const std::string& path, const DesignOptions& options,
                      const FormatSettings& settings) {
    const ProjectRun project = runProject(path, rp5Year, settings);
    try {
        return checkDesign(project.run, options.maxStepMinutes, settings);
    } catch (const RefinementError& e) {
        throw CommandFailure{kExitProject, e.what(), false};
    } catch (const RunError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " " + e.detail(), false};
    }
}

} // namespace

int commandDesign(const DesignOptions& options, std::ostream& out, std::ostream& err,
                  const CliEnvironment& environment) {
    std::size_t fileWidth = std::string("File").size();
    for (const std::string& path : options.projects)
        fileWidth = std::max(fileWidth, path.size());
    DesignTable table(out, options.format, fileWidth + kFileColumnGap, environment.settings);
    table.begin();
    bool unreadable = false;
    bool failedRun = false;
    bool missed = false;
    for (const std::string& path : options.projects) {
        try {
            const DesignCheck check = checkFile(path, options, environment.settings);
            table.rows(path, check);
            missed = missed || !check.meetsPreDevelopment();
        } catch (const CommandFailure& failure) {
            err << (failure.namesFile ? "" : path + ": ") << failure.message << '\n';
            (failure.exitCode == kExitFile ? unreadable : failedRun) = true;
        }
    }
    table.end();
    if (failedRun)
        return kExitProject;
    if (unreadable)
        return kExitFile;
    return missed ? kExitTargetMissed : kExitSuccess;
}

} // namespace velmora
