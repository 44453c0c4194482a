#include "projectfixtures.h"

#include <chrono>

namespace velmora::testing {

namespace {

const std::string kCommonLines = "Example detention pond\n"
                                 "3/15/2007\n"
                                 "P-101\n"
                                 "0\n"
                                 "4.500 5.200 6.100 6.800 7.500\n"
                                 "1.000 2.100 2.500 3.100 3.600 4.100\n"
                                 "6.000 3.400 4.100 5.000 5.700 6.500\n"
                                 "24.000 5.000 6.000 7.500 8.700 10.000\n"
                                 "999 *** *** *** *** ***\n"
                                 "10.00\n"
                                 "10.00\n"
                                 "0.200\n"
                                 "0.850\n"
                                 "60.00\n"
                                 "0.750\n"
                                 "25.00\n"
                                 "0.50\n";

} // namespace

std::string withCrLf(const std::string& lfText) {
    std::string out;
    for (const char c : lfText) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

const std::string kWeirFile = withCrLf(kCommonLines + "0\n26.50\n3.33\n0.00\n12.00\n");
const std::string kStageTableFile =
    withCrLf(kCommonLines + "3\n25.00 0.00\n26.00 5.50\n27.00 12.00\n");
const std::string kCircularOrificeFile =
    withCrLf(kCommonLines + "1\n25.00\n3.33\n0.00\n12.00\n0.60\n");

FormatSettings pointSettings() {
    return FormatSettings{'.', "M/d/yyyy"};
}
FormatSettings commaSettings() {
    return FormatSettings{',', "dd.MM.yyyy"};
}

ProjectValues weirProject() {
    using namespace std::chrono;
    ProjectValues values;
    values.description = "Example detention pond";
    values.date = year{2007} / March / 15;
    values.projectNumber = "P-101";
    values.intensityMethod = 0;
    values.userIntensities = {4.5, 5.2, 6.1, 6.8, 7.5};
    values.rainfallRows = {{1.0, 2.1, 2.5, 3.1, 3.6, 4.1},
                           {6.0, 3.4, 4.1, 5.0, 5.7, 6.5},
                           {24.0, 5.0, 6.0, 7.5, 8.7, 10.0}};
    values.siteValues = {10.0, 10.0, 0.2, 0.85, 60.0, 0.75, 25.0, 0.5};
    values.dischargeMethod = 0;
    values.outletValues = {26.5, 3.333, 0.0, 12.0};
    return values;
}

ProjectValues stageTableProject() {
    ProjectValues values = weirProject();
    values.dischargeMethod = 3;
    values.outletValues.clear();
    values.stagePairs = {{25.0, 0.0}, {26.0, 5.5}, {27.0, 12.0}};
    return values;
}

ProjectValues circularOrificeProject() {
    ProjectValues values = weirProject();
    values.dischargeMethod = 1;
    values.outletValues = {25.0, 3.33, 0.0, 12.0, 0.6};
    return values;
}

} // namespace velmora::testing
