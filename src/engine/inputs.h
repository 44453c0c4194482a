// The values a results run works on: the scalar design inputs, the two captured tables and
// the index types that select an event, an outlet and an intensity method.
#pragma once

#include "platform/conversions.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

// The five design storms, by index: 5, 10, 25, 50 and 100 year. The index is the item index of
// the design event radio group and the rainfall grid's column index less 1.
enum ReturnPeriod : int { rp5Year = 0, rp10Year, rp25Year, rp50Year, rp100Year };
inline constexpr int kReturnPeriodCount = 5;
inline constexpr std::array<int, kReturnPeriodCount> kReturnPeriodYears{5, 10, 25, 50, 100};

// The outlet structure, by item index of the discharge method list.
enum class DischargeMethod : int {
    RectangularWeir = 0,
    CircularOrifice = 1,
    RectangularOrifice = 2,
    StageDischargeTable = 3,
};

// Any list index other than 1, 2 or 3 (no selection included) is the rectangular weir.
DischargeMethod normalisedDischargeMethod(int itemIndex);

// How the pre-development intensity is found, by item index of the intensity method list.
// Any other index (no selection) gives no pre-development rate.
struct IntensityMethod {
    static constexpr int UserSupplied = 0;
    static constexpr int CityCurves = 1; // "Jacksonville Curves"
};

// Every scalar input of one results run, as read from the main window's controls.
// Lengths are in the units typed: openingSize and orifHeight in inches.
struct DesignInputs {
    std::string projDescr;
    std::string projNo;
    Date projDate{};
    double preArea = 0;      // acres
    double postArea = 0;     // acres
    double preC = 0;         // runoff coefficient
    double postC = 0;        // runoff coefficient
    double pondArea = 0;     // acres, average surface area
    double preTc = 0;        // minutes
    double permRate = 0;     // inches per hour
    double permPoolElev = 0; // feet
    int intensityMethod = IntensityMethod::UserSupplied;
    std::array<double, kReturnPeriodCount> userIntensity{}; // inches per hour, by event
    int designEvent = rp5Year;                              // normalised to 0..4
    DischargeMethod dischargeMethod = DischargeMethod::RectangularWeir;
    double controlElev = 0;     // feet: weir crest or orifice invert
    double weirCoef = 0;        // weir coefficient
    double endContractions = 0; // number of end contractions
    double openingSize = 0;     // inches: weir length, orifice diameter or width
    double orifCoef = 0;        // orifice coefficient
    double orifHeight = 0;      // inches: rectangular orifice height
};

// The rainfall table captured from the rainfall grid: n rows of duration (hours) and five
// cumulative depths (inches), one column per return period.
struct RainfallTable {
    int rowCount = 0;
    std::vector<double> durations;
    std::array<std::vector<double>, kReturnPeriodCount> depths;
};

// The user's stage-discharge pairs in grid order: stage (feet), discharge (cfs).
struct StageDischargeTable {
    int pairCount = 0;
    std::vector<double> stages;
    std::vector<double> discharges;
};

} // namespace velmora
