#include "cli/sizecommand.h"

#include "cli/commandfailure.h"
#include "cli/projectrun.h"
#include "design/eventcheck.h"

#include <iomanip>

namespace velmora {

namespace {

constexpr std::size_t kOpeningValue = 3;  // of the outlet values: weir length, diameter, width
constexpr std::size_t kPondAreaValue = 5; // of the site values
constexpr int kEventWidth = 9;
constexpr int kColumnWidth = 14;

std::string sizedName(SizedValue value, DischargeMethod method) {
    if (value == SizedValue::PondArea)
        return "pond area";
    switch (method) {
    case DischargeMethod::CircularOrifice:
        return "orifice diameter";
    case DischargeMethod::RectangularOrifice:
        return "orifice width";
    default:
        return "weir length";
    }
}

std::string unitOf(SizedValue value) {
    return value == SizedValue::Opening ? " in" : " ac";
}

std::string capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string eventsText(const SizingRequest& request) {
    std::vector<std::string> names;
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        if (request.events[static_cast<std::size_t>(p)])
            names.push_back(std::to_string(kReturnPeriodYears[static_cast<std::size_t>(p)]) +
                            "-year");
    }
    if (names.size() == static_cast<std::size_t>(kReturnPeriodCount))
        return "all five events";
    std::string text = "the " + names.front();
    for (std::size_t i = 1; i < names.size(); ++i)
        text += (i + 1 == names.size() ? " and " : ", ") + names[i];
    return text + (names.size() == 1 ? " event" : " events");
}

std::string targetText(const SizingRequest& request, const FormatSettings& settings) {
    if (request.target.kind == SizingTarget::Kind::PeakStage)
        return "the peak stage of " + eventsText(request) + " at or below " +
               FloatToStr(request.target.peakStage, settings) + " ft";
    return "the peak outflow of " + eventsText(request) +
           " at or below their pre-development rates";
}

std::string noValueMessage(const SizingRequest& request, const SizingResult& result,
                           const ResultsRun& run, const FormatSettings& settings) {
    const SizingRange& range = sizingRange(request.value);
    std::string message = "No " + sizedName(request.value, run.inputs.dischargeMethod) + " from " +
                          FloatToStr(range.low, settings) + " to " +
                          FloatToStr(range.high, settings) + unitOf(request.value) + " keeps " +
                          targetText(request, settings);
    if (request.target.kind == SizingTarget::Kind::PreDevelopmentRate && !run.preDevRate)
        message += " (the project has no pre-development rate: no intensity method is selected)";
    if (result.firstFailedRun)
        message += "; some trial runs failed: CHECK DATA! " + *result.firstFailedRun;
    return message;
}

void setSizedValue(ProjectValues& values, SizedValue value, double size) {
    if (value == SizedValue::Opening)
        values.outletValues.at(kOpeningValue) = size;
    else
        values.siteValues.at(kPondAreaValue) = size;
}

bool meetsInEvent(const EventCheck& check, const SizingTarget& target) {
    if (target.kind == SizingTarget::Kind::PeakStage)
        return check.peakStage <= target.peakStage;
    return check.meetsPreDev.value_or(false);
}

void printComparison(std::ostream& out, const ResultsRun& before, const ResultsRun& after,
                     const SizingRequest& request, const FormatSettings& s) {
    const auto fixed = [&s](double v, int digits) {
        return FloatToStrF(v, ffFixed, 15, digits, s);
    };
    out << std::setw(kEventWidth + kColumnWidth) << "" << std::setw(2 * kColumnWidth)
        << "Peak outflow(cfs)" << std::setw(2 * kColumnWidth) << "Peak stage(ft)"
        << std::setw(2 * kColumnWidth) << "Meets target" << '\n';
    out << std::setw(kEventWidth) << "Event" << std::setw(kColumnWidth) << "Pre-dev.(cfs)";
    for (int pair = 0; pair < 3; ++pair)
        out << std::setw(kColumnWidth) << "before" << std::setw(kColumnWidth) << "after";
    out << '\n';
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        if (!request.events[static_cast<std::size_t>(p)])
            continue;
        const EventCheck was = checkEvent(before, p);
        const EventCheck is = checkEvent(after, p);
        out << std::setw(kEventWidth)
            << std::to_string(kReturnPeriodYears[static_cast<std::size_t>(p)]) + "-year"
            << std::setw(kColumnWidth) << (is.preDevRate ? fixed(*is.preDevRate, 2) : "-")
            << std::setw(kColumnWidth) << fixed(was.peakOutflow, 2) << std::setw(kColumnWidth)
            << fixed(is.peakOutflow, 2) << std::setw(kColumnWidth) << fixed(was.peakStage, 2)
            << std::setw(kColumnWidth) << fixed(is.peakStage, 2) << std::setw(kColumnWidth)
            << (meetsInEvent(was, request.target) ? "yes" : "NO") << std::setw(kColumnWidth)
            << (meetsInEvent(is, request.target) ? "yes" : "NO") << '\n';
    }
}

void writeSizedProject(const std::string& path, const ProjectValues& values,
                       const FormatSettings& settings) {
    try {
        writeProjectFile(path, values, settings);
    } catch (const FileOpenError& e) {
        throw CommandFailure{kExitFile, std::string(e.what()) + ": " + path + ": " + e.reason()};
    } catch (const FileWriteError& e) {
        throw CommandFailure{kExitFile, std::string(e.what()) + ": " + path + ": " + e.reason()};
    }
}

} // namespace

int commandSize(const SizeOptions& options, std::ostream& out, const CliEnvironment& environment) {
    const FormatSettings& settings = environment.settings;
    const SizingRequest& request = options.request;
    const ProjectRun before = runProject(options.project, rp5Year, settings);
    const DischargeMethod method = before.run.inputs.dischargeMethod;
    if (request.value == SizedValue::Opening && method == DischargeMethod::StageDischargeTable)
        throw UsageError{"--vary opening needs a weir or an orifice outlet, and " +
                         options.project +
                         " has a stage-discharge table: size it with --vary pond-area"};

    const SizingResult result = sizeDesign(before.run.inputs, before.captured, request, settings);
    if (!result.value)
        throw CommandFailure{kExitTargetMissed,
                             noValueMessage(request, result, before.run, settings), false};

    // The value goes through the file as -o writes it, and one more run from that text
    // confirms it: the numbers shown are those of the file.
    OpenedProject opened = before.opened;
    ProjectValues values;
    try {
        values = saveProjectValues(opened, settings);
    } catch (const ConversionError& e) {
        throw CommandFailure{kExitProject, std::string(e.what()) + " (" + options.project + ")"};
    }
    setSizedValue(values, request.value, *result.value);
    const ReadResult reread = parseProjectFile(formatProjectFile(values, settings), settings);
    const ProjectRun after = runProjectRead(reread, options.project, rp5Year, settings);
    const std::string name = sizedName(request.value, method);
    if (!meetsTarget(after.run, request))
        throw CommandFailure{kExitTargetMissed,
                             "The " + name + " found, " + FloatToStr(*result.value, settings) +
                                 unitOf(request.value) + ", does not keep " +
                                 targetText(request, settings) + " when run from the project file",
                             false};

    const double was = request.value == SizedValue::Opening ? before.run.inputs.openingSize
                                                            : before.run.inputs.pondArea;
    const bool largest = !largerValueMeetsSooner(request);
    out << capitalised(name) << ": " << FloatToStr(was, settings) << unitOf(request.value) << " -> "
        << FloatToStr(*result.value, settings) << unitOf(request.value) << ", the "
        << (largest ? "largest" : "smallest") << " that keeps " << targetText(request, settings)
        << '\n';
    if (result.atRangeEnd) {
        const SizingRange& range = sizingRange(request.value);
        out << "(the end of the range searched, " << FloatToStr(range.low, settings) << " to "
            << FloatToStr(range.high, settings) << unitOf(request.value) << ": "
            << (largest ? "larger" : "smaller") << " values were not tried)\n";
    }
    out << '\n';
    printComparison(out, before.run, after.run, request, settings);
    if (!options.output.empty()) {
        writeSizedProject(options.output, values, settings);
        out << "\nWrote " << options.output << '\n';
    }
    return kExitSuccess;
}

} // namespace velmora
