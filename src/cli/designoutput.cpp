#include "cli/designoutput.h"

#include "cli/output.h"
#include "report/reportjson.h"

#include <array>
#include <iomanip>
#include <string_view>

namespace velmora {

namespace {

constexpr int kEventWidth = 9;
constexpr int kNumberWidth = 17;
constexpr int kMeetsWidth = 9;
constexpr double kPercent = 100.0; // percent per whole

std::string eventName(int returnPeriod) {
    return std::to_string(kReturnPeriodYears[static_cast<std::size_t>(returnPeriod)]) + "-year";
}

struct Numbers {
    const FormatSettings& settings;

    std::string fixed(double value, int digits) const {
        return FloatToStrF(value, ffFixed, 15, digits, settings);
    }
    std::string fixed(const std::optional<double>& value, int digits, double scale = 1,
                      const char* unit = "") const {
        return value ? fixed(*value * scale, digits) + unit : "-";
    }
};

// yes, NO (upper case, so a failing event stands out in a long listing), or "no rate".
std::string meetsText(const EventCheck& event) {
    if (!event.meetsPreDev)
        return "no rate";
    return *event.meetsPreDev ? "yes" : "NO";
}

void printCells(std::ostream& out, std::initializer_list<std::string_view> cells, int width) {
    for (const std::string_view cell : cells)
        out << std::setw(width) << cell;
}

std::string jsonNumber(const std::optional<double>& value) {
    return value ? roundTripNumber(*value) : "null";
}

std::string jsonMeets(const EventCheck& event) {
    if (!event.meetsPreDev)
        return "null";
    return *event.meetsPreDev ? "true" : "false";
}

std::string csvNumber(const std::optional<double>& value) {
    return value ? roundTripNumber(*value) : "";
}

// A field with a comma, a quote or a line end is quoted, its quotes doubled.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// Where the storage was first held at 0: "from row 13 (24 hr)", "from sub-step 1381 (row
// 13)", or "-".
std::string clampedFrom(const DesignCheck& check, const MassBalance& balance,
                        const FormatSettings& settings) {
    if (!balance.firstClampedRow)
        return "-";
    const auto step = static_cast<std::size_t>(*balance.firstClampedRow);
    const RoutingRow& row = check.routed.routing.event(balance.returnPeriod)[step];
    if (!check.maxStepMinutes)
        return "from row " + std::to_string(step + 1) + " (" + FloatToStr(row.duration, settings) +
               " hr)";
    return "from sub-step " + std::to_string(step + 1) + " (row " +
           std::to_string(check.sourceRows[step] + 1) + ")";
}

std::string stepsText(const DesignCheck& check, const FormatSettings& settings) {
    if (!check.maxStepMinutes)
        return "on the table's rows";
    return "on sub-steps of at most " + FloatToStr(*check.maxStepMinutes, settings) + " min";
}

void printEventTable(std::ostream& out, const DesignCheck& check, const Numbers& n) {
    out << "Design check: every event against its pre-development rate, "
        << stepsText(check, n.settings) << '\n';
    out << std::setw(kEventWidth) << "Event";
    printCells(
        out,
        {"Pre-dev.(cfs)", "Peak out.(cfs)", "Out./Pre-dev.", "Peak stage(ft)", "Max stor.(ac-ft)"},
        kNumberWidth);
    out << std::setw(kMeetsWidth) << "Meets" << '\n';
    for (const EventCheck& event : check.events) {
        out << std::setw(kEventWidth) << eventName(event.returnPeriod);
        printCells(out,
                   {n.fixed(event.preDevRate, 2), n.fixed(event.peakOutflow, 2),
                    n.fixed(event.outflowRatio, 1, kPercent, " %"), n.fixed(event.peakStage, 2),
                    n.fixed(event.maxStorage, 4)},
                   kNumberWidth);
        out << std::setw(kMeetsWidth) << meetsText(event) << '\n';
    }
}

void printBalanceTable(std::ostream& out, const DesignCheck& check, const Numbers& n) {
    out << "Mass balance (ac-ft): inflow - outlet - infiltration - final storage\n";
    out << std::setw(kEventWidth) << "Event";
    printCells(out, {"Inflow", "Outlet", "Infiltration", "Final stor.", "Cont. error", "Error(%)"},
               kNumberWidth);
    out << "  Storage held at 0\n";
    for (const MassBalance& balance : check.balances) {
        out << std::setw(kEventWidth) << eventName(balance.returnPeriod);
        printCells(out,
                   {n.fixed(balance.inflow, 4), n.fixed(balance.outletVolume, 4),
                    n.fixed(balance.infiltration, 4), n.fixed(balance.finalStorage, 4),
                    n.fixed(balance.continuityError, 4),
                    n.fixed(balance.continuityErrorPercent, 2)},
                   kNumberWidth);
        out << "  " << clampedFrom(check, balance, n.settings) << '\n';
    }
}

} // namespace

std::string warningText(const DesignWarning& warning, const WarningLines& lines) {
    const std::optional<int> line = lines.lineOf(warning);
    return line ? "line " + std::to_string(*line) + ": " + warning.message : warning.message;
}

void printDesignCheckText(std::ostream& out, const DesignCheck& check, const WarningLines& lines,
                          const FormatSettings& settings) {
    const Numbers n{settings};
    out << '\n';
    printEventTable(out, check, n);
    out << '\n';
    printBalanceTable(out, check, n);
    out << '\n';
    if (check.warnings.empty()) {
        out << "Warnings: none\n";
        return;
    }
    out << "Warnings:\n";
    for (const DesignWarning& warning : check.warnings)
        out << "  " << warningText(warning, lines) << '\n';
}

std::string designCheckJsonMembers(const DesignCheck& check, const WarningLines& lines) {
    std::string json = ",\n \"designCheck\": [";
    for (const EventCheck& e : check.events) {
        json += std::string(e.returnPeriod == rp5Year ? "\n  " : ",\n  ") + "{\"returnPeriod\": " +
                std::to_string(kReturnPeriodYears[static_cast<std::size_t>(e.returnPeriod)]) +
                ", \"preDevRate\": " + jsonNumber(e.preDevRate) +
                ", \"peakOutflow\": " + roundTripNumber(e.peakOutflow) +
                ", \"peakStage\": " + roundTripNumber(e.peakStage) +
                ", \"maxStorage\": " + roundTripNumber(e.maxStorage) +
                ", \"outflowRatio\": " + jsonNumber(e.outflowRatio) +
                ", \"meetsPreDev\": " + jsonMeets(e) + "}";
    }
    json += "],\n \"massBalance\": [";
    for (const MassBalance& b : check.balances) {
        json += std::string(b.returnPeriod == rp5Year ? "\n  " : ",\n  ") + "{\"returnPeriod\": " +
                std::to_string(kReturnPeriodYears[static_cast<std::size_t>(b.returnPeriod)]) +
                ", \"inflow\": " + roundTripNumber(b.inflow) +
                ", \"outletVolume\": " + roundTripNumber(b.outletVolume) +
                ", \"infiltration\": " + roundTripNumber(b.infiltration) +
                ", \"finalStorage\": " + roundTripNumber(b.finalStorage) +
                ", \"continuityError\": " + roundTripNumber(b.continuityError) +
                ", \"continuityErrorPercent\": " + jsonNumber(b.continuityErrorPercent) + "}";
    }
    json += "],\n \"warnings\": [";
    bool first = true;
    for (const DesignWarning& w : check.warnings) {
        const std::optional<int> line = lines.lineOf(w);
        json += std::string(first ? "\n  " : ",\n  ") +
                "{\"code\": " + jsonString(warningCodeName(w.code)) +
                ", \"message\": " + jsonString(w.message) +
                ", \"line\": " + (line ? std::to_string(*line) : std::string("null")) + "}";
        first = false;
    }
    return json + "]";
}

DesignTable::DesignTable(std::ostream& out, TableFormat format, std::size_t fileWidth,
                         const FormatSettings& settings)
    : out_(out), format_(format), fileWidth_(fileWidth), settings_(settings) {}

void DesignTable::begin() {
    switch (format_) {
    case TableFormat::Csv:
        out_ << "file,returnPeriod,preDevRate,peakOutflow,outflowRatio,peakStage,maxStorage,"
                "continuityErrorPercent,meetsPreDev\n";
        return;
    case TableFormat::Json:
        out_ << '[';
        return;
    case TableFormat::Text:
        out_ << std::left << std::setw(static_cast<int>(fileWidth_)) << "File" << std::right
             << std::setw(kEventWidth) << "Event";
        printCells(out_,
                   {"Pre-dev.(cfs)", "Peak out.(cfs)", "Out./Pre-dev.", "Peak stage(ft)",
                    "Max stor.(ac-ft)", "Cont. err.(%)"},
                   kNumberWidth);
        out_ << std::setw(kMeetsWidth) << "Meets" << '\n';
        return;
    }
}

void DesignTable::rows(const std::string& file, const DesignCheck& check) {
    const Numbers n{settings_};
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        const EventCheck& e = check.events[static_cast<std::size_t>(p)];
        const MassBalance& b = check.balances[static_cast<std::size_t>(p)];
        const int years = kReturnPeriodYears[static_cast<std::size_t>(p)];
        switch (format_) {
        case TableFormat::Csv:
            out_ << csvField(file) << ',' << years << ',' << csvNumber(e.preDevRate) << ','
                 << roundTripNumber(e.peakOutflow) << ',' << csvNumber(e.outflowRatio) << ','
                 << roundTripNumber(e.peakStage) << ',' << roundTripNumber(e.maxStorage) << ','
                 << csvNumber(b.continuityErrorPercent) << ','
                 << (e.meetsPreDev ? (*e.meetsPreDev ? "true" : "false") : "") << '\n';
            break;
        case TableFormat::Json:
            out_ << (firstJsonRow_ ? "\n " : ",\n ") << "{\"file\": " << jsonString(file)
                 << ", \"returnPeriod\": " << years
                 << ", \"preDevRate\": " << jsonNumber(e.preDevRate)
                 << ", \"peakOutflow\": " << roundTripNumber(e.peakOutflow)
                 << ", \"outflowRatio\": " << jsonNumber(e.outflowRatio)
                 << ", \"peakStage\": " << roundTripNumber(e.peakStage)
                 << ", \"maxStorage\": " << roundTripNumber(e.maxStorage)
                 << ", \"continuityErrorPercent\": " << jsonNumber(b.continuityErrorPercent)
                 << ", \"meetsPreDev\": " << jsonMeets(e) << '}';
            firstJsonRow_ = false;
            break;
        case TableFormat::Text:
            out_ << std::left << std::setw(static_cast<int>(fileWidth_)) << file << std::right
                 << std::setw(kEventWidth) << eventName(p);
            printCells(out_,
                       {n.fixed(e.preDevRate, 2), n.fixed(e.peakOutflow, 2),
                        n.fixed(e.outflowRatio, 1, kPercent, " %"), n.fixed(e.peakStage, 2),
                        n.fixed(e.maxStorage, 4), n.fixed(b.continuityErrorPercent, 2)},
                       kNumberWidth);
            out_ << std::setw(kMeetsWidth) << meetsText(e) << '\n';
            break;
        }
    }
}

void DesignTable::end() {
    if (format_ == TableFormat::Json)
        out_ << (firstJsonRow_ ? "]\n" : "\n]\n");
}

} // namespace velmora
