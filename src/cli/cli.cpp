#include "cli/cli.h"

#include "cli/check.h"
#include "cli/commandfailure.h"
#include "cli/designcommand.h"
#include "cli/designoutput.h"
#include "cli/output.h"
#include "cli/plotcommand.h"
#include "cli/projectrun.h"
#include "cli/reportcommand.h"
#include "cli/sizecommand.h"
#include "design/designcheck.h"
#include "engine/resultsrun.h"
#include "platform/systemlocale/systemlocale.h"
#include "projectfile/projectfile.h"
#include "report/renderers.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>
#include <system_error>

namespace velmora {

namespace {

constexpr const char* kUsage =
    "usage: velmora-cli run    PROJECT.vlm [--event 5|10|25|50|100] [--format text|csv|json]\n"
    "                          [--max-step MINUTES]\n"
    "       velmora-cli check  PROJECT.vlm\n"
    "       velmora-cli report PROJECT.vlm [--event 5|10|25|50|100] -o OUT.pdf|OUT.png|OUT.svg|"
    "OUT.json\n"
    "                          [--paper letter|a4] [--scale N] [--design-sheet]\n"
    "       velmora-cli design PROJECT.vlm... [--format text|csv|json] [--max-step MINUTES]\n"
    "       velmora-cli size   PROJECT.vlm --vary opening|pond-area [--target predev|stage=FT]\n"
    "                          [--events all|5,10,25,50,100] [-o OUT.vlm]\n"
    "       velmora-cli plot   PROJECT.vlm [--event 5|10|25|50|100|all] [--max-step MINUTES]\n"
    "                          -o OUT.pdf|OUT.png|OUT.svg\n";

struct Options {
    std::string command;
    std::vector<std::string> projects;
    int designEvent = rp5Year;
    bool allEvents = true; // plot: all five events, unless --event names one
    std::string format = "text";
    std::string output;
    std::optional<std::string> paper;
    int scale = 1;
    std::optional<double> maxStepMinutes;
    bool designSheet = false;
    std::optional<SizedValue> vary;
    SizingRequest sizing;

    const std::string& project() const { return projects.front(); }
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

// A number with a decimal point, whatever the locale: options are written the same way in
// every shell script.
std::optional<double> numberFromText(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double maxStepFromText(const std::string& text) {
    const std::optional<double> minutes = numberFromText(text);
    if (!minutes || !(*minutes > 0))
        throw UsageError{"--max-step takes a positive number of minutes, not '" + text + "'"};
    return *minutes;
}

SizedValue sizedValueFromText(const std::string& text) {
    if (text == "opening")
        return SizedValue::Opening;
    if (text == "pond-area")
        return SizedValue::PondArea;
    throw UsageError{"--vary takes opening or pond-area, not '" + text + "'"};
}

SizingTarget targetFromText(const std::string& text) {
    constexpr std::string_view kStage = "stage=";
    if (text == "predev")
        return SizingTarget{};
    if (text.starts_with(kStage)) {
        if (const auto feet = numberFromText(text.substr(kStage.size())))
            return SizingTarget{SizingTarget::Kind::PeakStage, *feet};
    }
    throw UsageError{"--target takes predev or stage=FT (a stage in feet), not '" + text + "'"};
}

std::array<bool, kReturnPeriodCount> eventsFromText(const std::string& text) {
    std::array<bool, kReturnPeriodCount> events{};
    if (text == "all") {
        events.fill(true);
        return events;
    }
    std::istringstream list(text);
    std::string years;
    while (std::getline(list, years, ',')) {
        try {
            events[static_cast<std::size_t>(designEventForYears(years))] = true;
        } catch (const UsageError&) {
            throw UsageError{"--events takes all or a list of 5, 10, 25, 50 and 100 such as "
                             "10,100, not '" +
                             text + "'"};
        }
    }
    return events;
}

bool takesOption(const std::string& command, const std::string& option) {
    if (option == "--event")
        return command == "run" || command == "report" || command == "plot";
    if (option == "--format")
        return command == "run" || command == "design";
    if (option == "--max-step")
        return command == "run" || command == "design" || command == "plot";
    if (option == "-o" || option == "--output")
        return command == "report" || command == "size" || command == "plot";
    if (option == "--paper" || option == "--scale")
        return command == "report";
    return command == "size" &&
           (option == "--vary" || option == "--target" || option == "--events");
}

// plot's --event: one event's years, or all.
void setPlotEvent(Options& options, const std::string& value) {
    if (value == "all") {
        options.allEvents = true;
        return;
    }
    try {
        options.designEvent = designEventForYears(value);
    } catch (const UsageError&) {
        throw UsageError{"--event takes 5, 10, 25, 50, 100 or all, not '" + value + "'"};
    }
    options.allEvents = false;
}

void setOption(Options& options, const std::string& option, const std::string& value) {
    if (option == "--event" && options.command == "plot")
        setPlotEvent(options, value);
    else if (option == "--event")
        options.designEvent = designEventForYears(value);
    else if (option == "--format") {
        if (value != "text" && value != "csv" && value != "json")
            throw UsageError{"--format takes text, csv or json, not '" + value + "'"};
        options.format = value;
    } else if (option == "-o" || option == "--output")
        options.output = value;
    else if (option == "--paper") {
        if (value != "letter" && value != "a4")
            throw UsageError{"--paper takes letter or a4, not '" + value + "'"};
        options.paper = value;
    } else if (option == "--scale")
        options.scale = scaleFromText(value);
    else if (option == "--max-step")
        options.maxStepMinutes = maxStepFromText(value);
    else if (option == "--vary")
        options.vary = sizedValueFromText(value);
    else if (option == "--target")
        options.sizing.target = targetFromText(value);
    else if (option == "--events")
        options.sizing.events = eventsFromText(value);
}

void requireComplete(const Options& options) {
    if (options.projects.empty())
        throw UsageError{"no project file given"};
    if (options.command != "design" && options.projects.size() > 1)
        throw UsageError{"more than one project file given"};
    if (options.command == "report" && options.output.empty())
        throw UsageError{"report needs an output file: -o OUT.pdf|OUT.png|OUT.svg|OUT.json"};
    if (options.command == "report" && !reportFormatForPath(options.output))
        throw UsageError{"the report's output must end in .pdf, .png, .svg or .json, not '" +
                         options.output + "'"};
    if (options.command == "plot" && options.output.empty())
        throw UsageError{"plot needs an output file: -o OUT.pdf|OUT.png|OUT.svg"};
    if (options.command == "plot" && !isPlotPath(options.output))
        throw UsageError{"the plot's output must end in .pdf, .png or .svg, not '" +
                         options.output + "'"};
    if (options.command == "size" && !options.vary)
        throw UsageError{"size needs --vary opening or --vary pond-area"};
}

Options parseOptions(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"no command given"};
    Options options;
    options.command = args[0];
    const std::string& c = options.command;
    if (c != "run" && c != "check" && c != "report" && c != "design" && c != "size" && c != "plot")
        throw UsageError{"unknown command '" + c + "'"};

    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (!options.projects.empty() && c != "design")
                throw UsageError{"more than one project file given"};
            options.projects.push_back(arg);
            continue;
        }
        if (arg == "--design-sheet" && c == "report") {
            options.designSheet = true;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError{arg + " needs a value"};
        if (!takesOption(c, arg))
            throw UsageError{"unknown option '" + arg + "' for " + c};
        setOption(options, arg, args[++i]);
    }
    requireComplete(options);
    if (options.vary)
        options.sizing.value = *options.vary;
    return options;
}

// The design check of `run`, on the table's rows or on sub-steps.
DesignCheck checkRun(const ResultsRun& run, const Options& options,
                     const FormatSettings& settings) {
    try {
        return checkDesign(run, options.maxStepMinutes, settings);
    } catch (const RefinementError& e) {
        throw CommandFailure{kExitProject, e.what(), false};
    } catch (const RunError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " " + e.detail(), false};
    }
}

int commandRun(const Options& options, std::ostream& out, const CliEnvironment& environment) {
    const ProjectRun project =
        runProject(options.project(), options.designEvent, environment.settings);
    const DesignCheck check = checkRun(project.run, options, environment.settings);
    if (options.format == "csv")
        printRunCsv(out, check.routed);
    else if (options.format == "json")
        printRunJson(out, check.routed, designCheckJsonMembers(check, project.lines));
    else {
        printRunText(out, check.routed, environment.settings);
        printDesignCheckText(out, check, project.lines, environment.settings);
    }
    return kExitSuccess;
}

int commandCheck(const Options& options, std::ostream& out, const CliEnvironment& environment) {
    const ReadResult read = readProjectOrFail(options.project(), environment.settings);
    const std::vector<std::string> problems = checkProject(read, environment.settings);
    for (const std::string& problem : problems)
        out << options.project() << ": " << problem << '\n';
    if (!problems.empty())
        return kExitProject;
    out << options.project() << ": no problems found\n";
    for (const std::string& warning : projectWarnings(read, environment.settings))
        out << options.project() << ": warning: " << warning << '\n';
    return kExitSuccess;
}

// The design sheet of the run, its warnings naming their lines of the file.
DesignSheet designSheetOf(const ProjectRun& project, const FormatSettings& settings) {
    DesignSheet sheet;
    try {
        sheet = designSheetFor(project.run, settings);
    } catch (const RunError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " " + e.detail(), false};
    }
    sheet.warnings.clear();
    for (const DesignWarning& warning : sheet.check.warnings)
        sheet.warnings.push_back(warningText(warning, project.lines));
    return sheet;
}

int commandReport(const Options& options, const CliEnvironment& environment) {
    const ProjectRun project =
        runProject(options.project(), options.designEvent, environment.settings);
    ReportRequest request;
    request.output = options.output;
    request.paper = options.paper;
    request.scale = options.scale;
    request.localeName = environment.localeName;
    request.stageGridRowCount = project.opened.stageDisch.rowCount();
    if (options.designSheet) {
        request.designSheet = designSheetOf(project, environment.settings);
        request.designSheet->hydrographs = true;
    }
    std::string failure = writeReport(project.run, request, environment.settings);
    if (!failure.empty())
        throw CommandFailure{kExitFile, failure};
    return kExitSuccess;
}

// The hydrographs of the run's design check, on the table's rows or on sub-steps.
int commandPlot(const Options& options, const CliEnvironment& environment) {
    const ProjectRun project =
        runProject(options.project(), options.designEvent, environment.settings);
    const DesignCheck check = checkRun(project.run, options, environment.settings);
    PlotRequest request;
    request.output = options.output;
    if (!options.allEvents)
        request.returnPeriod = options.designEvent;
    request.localeName = environment.localeName;
    const std::string failure = writePlot(check, request, environment.settings);
    if (!failure.empty())
        throw CommandFailure{kExitFile, failure};
    return kExitSuccess;
}

TableFormat tableFormatOf(const std::string& format) {
    if (format == "csv")
        return TableFormat::Csv;
    return format == "json" ? TableFormat::Json : TableFormat::Text;
}

int dispatch(const Options& options, std::ostream& out, std::ostream& err,
             const CliEnvironment& environment) {
    if (options.command == "run")
        return commandRun(options, out, environment);
    if (options.command == "check")
        return commandCheck(options, out, environment);
    if (options.command == "design")
        return commandDesign(
            {options.projects, tableFormatOf(options.format), options.maxStepMinutes}, out, err,
            environment);
    if (options.command == "size")
        return commandSize({options.project(), options.sizing, options.output}, out, environment);
    if (options.command == "plot")
        return commandPlot(options, environment);
    return commandReport(options, environment);
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
        return dispatch(parseOptions(args), out, err, environment);
    } catch (const UsageError& e) {
        err << "velmora-cli: " << e.message << '\n' << kUsage;
        return kExitUsage;
    } catch (const CommandFailure& e) {
        err << e.message << '\n';
        return e.exitCode;
    }
}

} // namespace velmora
