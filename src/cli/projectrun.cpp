#include "cli/projectrun.h"

#include "cli/cli.h"
#include "cli/commandfailure.h"

namespace velmora {

std::optional<int> WarningLines::lineOf(const DesignWarning& warning) const {
    if (warning.atControlElevation && controlElevation > 0)
        return controlElevation;
    if (warning.rainfallRow) {
        const auto row = static_cast<std::size_t>(*warning.rainfallRow);
        if (row < rainfallRows.size())
            return rainfallRows[row];
    }
    return std::nullopt;
}

WarningLines warningLinesOf(const ProjectWords& words) {
    WarningLines lines;
    for (const auto& row : words.rainfallRows)
        lines.rainfallRows.push_back(row[0].line);
    if (!words.outletWords.empty())
        lines.controlElevation = words.outletWords[0].line;
    return lines;
}

ReadResult readProjectOrFail(const std::string& path, const FormatSettings& settings) {
    ReadResult read;
    try {
        read = readProjectFile(path, settings);
    } catch (const FileOpenError& e) {
        throw CommandFailure{kExitFile, std::string(e.what()) + ": " + path + ": " + e.reason()};
    }
    if (!read.ok()) {
        std::string where =
            read.errorLine > 0 ? " (line " + std::to_string(read.errorLine) + ")" : std::string();
        throw CommandFailure{kExitFile, "Error Reading File: " + path + where + ": " + read.error};
    }
    return read;
}

ProjectRun runProjectRead(const ReadResult& read, const std::string& path, int designEvent,
                          const FormatSettings& settings) {
    ProjectRun result;
    result.opened = openIntoControls(read);
    result.opened.controls.grpRainEvnt = designEvent;
    result.lines = warningLinesOf(read.words);
    try {
        result.captured = captureOpenedProject(result.opened, settings);
    } catch (const ConversionError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " (" + path +
                                               ": rainfall or stage-discharge table)"};
    }
    try {
        result.run = performResultsRun(result.opened.controls, result.captured, settings);
    } catch (const RunError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " " + e.detail(), false};
    }
    return result;
}

ProjectRun runProject(const std::string& path, int designEvent, const FormatSettings& settings) {
    return runProjectRead(readProjectOrFail(path, settings), path, designEvent, settings);
}

} // namespace velmora
