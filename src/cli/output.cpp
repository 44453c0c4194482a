#include "cli/output.h"

#include "report/reportcolumns.h"
#include "report/reportjson.h"

#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>

namespace velmora {

namespace {

constexpr int kTextColumnWidth = 13;

std::string G(double v, const FormatSettings& s) {
    return FloatToStr(v, s);
}

std::string methodLine(const ResultsRun& run, const FormatSettings& s) {
    const DesignInputs& in = run.inputs;
    switch (in.dischargeMethod) {
    case DischargeMethod::RectangularWeir:
        return "Rectangular weir: crest elevation " + G(in.controlElev, s) + " ft, length " +
               G(in.openingSize, s) + " in, weir coefficient " + G(in.weirCoef, s) +
               ", end contractions " + G(in.endContractions, s);
    case DischargeMethod::CircularOrifice:
        return "Circular orifice: invert elevation " + G(in.controlElev, s) + " ft, diameter " +
               G(in.openingSize, s) + " in, weir coefficient " + G(in.weirCoef, s) +
               ", orifice coefficient " + G(in.orifCoef, s);
    case DischargeMethod::RectangularOrifice:
        return "Rectangular orifice: invert elevation " + G(in.controlElev, s) + " ft, width " +
               G(in.openingSize, s) + " in, height " + G(in.orifHeight, s) +
               " in, weir coefficient " + G(in.weirCoef, s) + ", orifice coefficient " +
               G(in.orifCoef, s);
    case DischargeMethod::StageDischargeTable:
        break;
    }
    std::string line = "Stage-discharge table:";
    const StageDischargeTable& table = run.stageDischarge;
    if (table.pairCount == 0)
        return line + " no pairs";
    for (int k = 0; k < table.pairCount; ++k)
        line += " (" + G(table.stages[k], s) + " ft, " + G(table.discharges[k], s) + " cfs)";
    return line;
}

std::string preDevelopmentLine(const ResultsRun& run, const FormatSettings& s) {
    const DesignInputs& in = run.inputs;
    if (!run.preDevRate)
        return "Pre-development runoff rate: none (no intensity method selected)";
    std::string intensity = in.intensityMethod == IntensityMethod::CityCurves
                                ? "city curves, Tc " + G(in.preTc, s) + " min"
                                : "user intensity " + G(run.eventUserIntensity, s) + " in/hr";
    return "Pre-development runoff rate: " + FloatToStrF(*run.preDevRate, ffFixed, 10, 2, s) +
           " cfs (" + intensity + ")";
}

void printHeadingRow(std::ostream& out, const char* ReportColumn::*heading) {
    for (const ReportColumn& column : kReportColumns)
        out << std::setw(kTextColumnWidth) << column.*heading;
    out << '\n';
}

void writeJsonRow(std::ostream& out, const RoutingRow& row) {
    out << '{';
    bool first = true;
    for (const ReportColumn& column : kReportColumns) {
        out << (first ? "" : ", ") << '"' << column.field
            << "\": " << roundTripNumber(row.*column.member);
        first = false;
    }
    out << ", \"infiltrationVol\": " << roundTripNumber(row.infiltrationVol) << '}';
}

} // namespace

std::string roundTripNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

void printRunText(std::ostream& out, const ResultsRun& run, const FormatSettings& s) {
    const DesignInputs& in = run.inputs;
    out << "Velmora    Proj. Date: " << DateToStr(in.projDate, s) << "   Proj. No.: " << in.projNo
        << '\n';
    out << "Design Rainfall Event: " << run.eventLabel << "  Proj. Descr.: " << in.projDescr
        << "\n\n";
    out << "Pre-development:  area " << G(in.preArea, s) << " ac, C " << G(in.preC, s) << ", Tc "
        << G(in.preTc, s) << " min\n";
    out << "Post-development: area " << G(in.postArea, s) << " ac, C " << G(in.postC, s) << '\n';
    out << "Pond:             surface area " << G(in.pondArea, s) << " ac, permanent pool "
        << G(in.permPoolElev, s) << " ft, percolation " << G(in.permRate, s) << " in/hr\n";
    out << preDevelopmentLine(run, s) << '\n';
    out << "Outlet: " << methodLine(run, s) << "\n\n";

    printHeadingRow(out, &ReportColumn::heading1);
    printHeadingRow(out, &ReportColumn::heading2);
    for (const RoutingRow& row : run.routing.event(in.designEvent)) {
        for (const ReportColumn& column : kReportColumns)
            out << std::setw(kTextColumnWidth)
                << FloatToStrF(column.shown(row), ffFixed, column.precision, column.digits, s);
        out << '\n';
    }
    out << '\n';
    out << "Peak Stage(ft) = " << FloatToStrF(run.summary.peakStage, ffFixed, 12, 2, s) << '\n';
    out << "Peak Rate of Outflow(cfs) = " << FloatToStrF(run.summary.peakOutflow, ffFixed, 12, 2, s)
        << '\n';
    out << "Peak Vol. Outflow(ac-ft) = " << FloatToStrF(run.summary.peakVolOut, ffFixed, 12, 4, s)
        << '\n';
    out << "Max. Vol. Storage req'd.(ac-ft) = "
        << FloatToStrF(run.summary.maxStorage, ffFixed, 12, 4, s) << '\n';
}

void printRunCsv(std::ostream& out, const ResultsRun& run) {
    bool first = true;
    for (const ReportColumn& column : kReportColumns) {
        out << (first ? "" : ",") << column.field;
        first = false;
    }
    out << ",infiltrationVol\n";
    for (const RoutingRow& row : run.routing.event(run.inputs.designEvent)) {
        for (const ReportColumn& column : kReportColumns)
            out << roundTripNumber(row.*column.member) << ',';
        out << roundTripNumber(row.infiltrationVol) << '\n';
    }
}

void printRunJson(std::ostream& out, const ResultsRun& run, const std::string& moreMembers) {
    out << "{\"designEvent\": " << run.inputs.designEvent
        << ", \"eventLabel\": " << jsonString(run.eventLabel)
        << ", \"eventExponent\": " << roundTripNumber(run.eventExponent);
    out << ", \"preDevRate\": " << (run.preDevRate ? roundTripNumber(*run.preDevRate) : "null");
    out << ", \"infiltrationRate\": " << roundTripNumber(run.infiltrationRate);
    out << ", \"maxDuration\": " << roundTripNumber(run.maxDuration);
    out << ",\n \"events\": [";
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        out << (p == 0 ? "\n  " : ",\n  ") << "{\"returnPeriod\": " << kReturnPeriodYears[p]
            << ", \"rows\": [";
        bool first = true;
        for (const RoutingRow& row : run.routing.event(p)) {
            out << (first ? "\n   " : ",\n   ");
            writeJsonRow(out, row);
            first = false;
        }
        out << "]}";
    }
    const RoutingSummary& summary = run.summary;
    out << "],\n \"summary\": {\"peakStage\": " << roundTripNumber(summary.peakStage)
        << ", \"peakOutflow\": " << roundTripNumber(summary.peakOutflow)
        << ", \"peakVolOut\": " << roundTripNumber(summary.peakVolOut)
        << ", \"maxStorage\": " << roundTripNumber(summary.maxStorage) << '}' << moreMembers
        << "}\n";
}

} // namespace velmora
