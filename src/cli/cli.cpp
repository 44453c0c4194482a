#include "cli/cli.h"

#include "cli/check.h"
#include "cli/output.h"
#include "projectcontrols/projectcontrols.h"
#include "cli/reportcommand.h"
#include "engine/capture.h"
#include "engine/resultsrun.h"
#include "platform/systemlocale/systemlocale.h"
#include "projectfile/projectfile.h"
#include "report/renderers.h"

#include <charconv>
#include <optional>
#include <system_error>

namespace velmora {

namespace {

constexpr const char* kUsage =
    "usage: velmora-cli run    PROJECT.vlm [--event 5|10|25|50|100] [--format text|csv|json]\n"
    "       velmora-cli check  PROJECT.vlm\n"
    "       velmora-cli report PROJECT.vlm [--event 5|10|25|50|100] -o OUT.pdf|OUT.png|OUT.svg|"
    "OUT.json\n"
    "                          [--paper letter|a4] [--scale N]\n";

// A usage error: the message, then the usage text, on the error stream.
struct UsageError {
    std::string message;
};

struct Options {
    std::string command;
    std::string project;
    int designEvent = rp5Year;
    std::string format = "text";
    std::string output;
    std::optional<std::string> paper;
    int scale = 1;
};

int designEventForYears(const std::string& years) {
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        if (years == std::to_string(kReturnPeriodYears[p]))
            return p;
    }
    throw UsageError{"--event takes 5, 10, 25, 50 or 100, not '" + years + "'"};
}

int scaleFromText(const std::string& text) {
    int scale = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (error != std::errc() || end != text.data() + text.size() || scale < 1 ||
        scale > kMaxPngScale)
        throw UsageError{"--scale takes a whole number from 1 to " + std::to_string(kMaxPngScale) +
                         ", not '" + text + "'"};
    return scale;
}

Options parseOptions(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"no command given"};
    Options options;
    options.command = args[0];
    if (options.command != "run" && options.command != "check" && options.command != "report")
        throw UsageError{"unknown command '" + options.command + "'"};

    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (!options.project.empty())
                throw UsageError{"more than one project file given"};
            options.project = arg;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError{arg + " needs a value"};
        const std::string& value = args[++i];
        const bool runOrReport = options.command != "check";
        if (arg == "--event" && runOrReport)
            options.designEvent = designEventForYears(value);
        else if (arg == "--format" && options.command == "run") {
            if (value != "text" && value != "csv" && value != "json")
                throw UsageError{"--format takes text, csv or json, not '" + value + "'"};
            options.format = value;
        } else if ((arg == "-o" || arg == "--output") && options.command == "report")
            options.output = value;
        else if (arg == "--paper" && options.command == "report") {
            if (value != "letter" && value != "a4")
                throw UsageError{"--paper takes letter or a4, not '" + value + "'"};
            options.paper = value;
        } else if (arg == "--scale" && options.command == "report")
            options.scale = scaleFromText(value);
        else
            throw UsageError{"unknown option '" + arg + "' for " + options.command};
    }
    if (options.project.empty())
        throw UsageError{"no project file given"};
    if (options.command == "report" && options.output.empty())
        throw UsageError{"report needs an output file: -o OUT.pdf|OUT.png|OUT.svg|OUT.json"};
    if (options.command == "report" && !reportFormatForPath(options.output))
        throw UsageError{"the report's output must end in .pdf, .png, .svg or .json, not '" +
                         options.output + "'"};
    return options;
}

// The failure of one step of a command, with its exit code; the message goes to stderr.
struct CommandFailure {
    int exitCode;
    std::string message;
};

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

// Open, the Results command's capture and one results run, as the desktop program does them.
struct ProjectRun {
    OpenedProject opened;
    CapturedTables captured;
    ResultsRun run;
};

ProjectRun runProject(const Options& options, const FormatSettings& settings) {
    ProjectRun result;
    result.opened = openIntoControls(readProjectOrFail(options.project, settings));
    result.opened.controls.grpRainEvnt = options.designEvent;
    try {
        result.captured = captureOpenedProject(result.opened, settings);
    } catch (const ConversionError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " (" + options.project +
                                               ": rainfall or stage-discharge table)"};
    }
    try {
        result.run = performResultsRun(result.opened.controls, result.captured, settings);
    } catch (const RunError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " " + e.detail()};
    }
    return result;
}

int commandRun(const Options& options, std::ostream& out, const CliEnvironment& environment) {
    const ProjectRun project = runProject(options, environment.settings);
    if (options.format == "csv")
        printRunCsv(out, project.run);
    else if (options.format == "json")
        printRunJson(out, project.run);
    else
        printRunText(out, project.run, environment.settings);
    return kExitSuccess;
}

int commandCheck(const Options& options, std::ostream& out, const CliEnvironment& environment) {
    const ReadResult read = readProjectOrFail(options.project, environment.settings);
    const std::vector<std::string> problems = checkProject(read, environment.settings);
    for (const std::string& problem : problems)
        out << options.project << ": " << problem << '\n';
    if (!problems.empty())
        return kExitProject;
    out << options.project << ": no problems found\n";
    return kExitSuccess;
}

int commandReport(const Options& options, const CliEnvironment& environment) {
    const ProjectRun project = runProject(options, environment.settings);
    ReportRequest request;
    request.output = options.output;
    request.paper = options.paper;
    request.scale = options.scale;
    request.localeName = environment.localeName;
    request.stageGridRowCount = project.opened.stageDisch.rowCount();
    std::string failure = writeReport(project.run, request, environment.settings);
    if (!failure.empty())
        throw CommandFailure{kExitFile, failure};
    return kExitSuccess;
}

} // namespace

CliEnvironment cliEnvironmentFromProcess() {
    return CliEnvironment{formatSettingsFromEnvironment(), numericLocaleNameFromEnvironment()};
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCli(args, out, err, cliEnvironmentFromProcess());
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << kUsage;
        return kExitSuccess;
    }
    try {
        const Options options = parseOptions(args);
        if (options.command == "run")
            return commandRun(options, out, environment);
        if (options.command == "check")
            return commandCheck(options, out, environment);
        return commandReport(options, environment);
    } catch (const UsageError& e) {
        err << "velmora-cli: " << e.message << '\n' << kUsage;
        return kExitUsage;
    } catch (const CommandFailure& e) {
        err << e.message << '\n';
        return e.exitCode;
    }
}

} // namespace velmora
