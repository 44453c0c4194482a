// The thirteen columns of the routing table as the report shows them: headings, positions
// and how each value is written.
#pragma once

#include "engine/routing.h"

#include <array>
#include <cstddef>

namespace velmora {

struct ReportColumn {
    const char* field;    // the RoutingRow field's name, for machine-readable output
    const char* heading1; // first heading line
    const char* heading2; // second heading line (units)
    int headingX;         // pixels
    int valueX;           // pixels
    double RoutingRow::*member;
    double displayScale; // the report shows Delta-T in minutes, the engine holds hours
    int precision;       // significant digits of the fixed format
    int digits;          // decimals of the fixed format

    double shown(const RoutingRow& row) const { return row.*member * displayScale; }
};

inline constexpr double kMinutesPerHour = 60.0;

inline constexpr std::array<ReportColumn, 13> kReportColumns{{
    {"duration", "Duration", "  (hr.)", 10, 6, &RoutingRow::duration, 1, 5, 3},
    {"rainfall", "Rainfall", "  (in.)", 64, 58, &RoutingRow::rainfall, 1, 10, 3},
    {"deltaT", "Delta-T", " (min.)", 116, 114, &RoutingRow::deltaT, kMinutesPerHour, 10, 0},
    {"deltaR", "Delta-R", "  (ft.)", 165, 158, &RoutingRow::deltaR, 1, 5, 3},
    {"inflowVol", "Inflow Vol.", "(ac-ft)", 215, 213, &RoutingRow::inflowVol, 1, 12, 4},
    {"stage1", "Stage-1", "  (ft.)", 275, 267, &RoutingRow::stage1, 1, 12, 2},
    {"discharge", "Discharge", "  (cfs)", 325, 324, &RoutingRow::discharge, 1, 12, 2},
    {"outflowVol", "Outflow Vol.", "  (ac-ft)", 377, 378, &RoutingRow::outflowVol, 1, 12, 4},
    {"incremVol", "Increm Vol", "  (ac-ft)", 435, 437, &RoutingRow::incremVol, 1, 12, 4},
    {"cumVol", " Cum. Vol.", " (ac-ft)", 490, 490, &RoutingRow::cumVol, 1, 12, 4},
    {"stage2", "Stage-2", " (ft)", 550, 542, &RoutingRow::stage2, 1, 12, 2},
    {"outflow", "Outflow", "  (cfs)", 598, 597, &RoutingRow::outflow, 1, 12, 2},
    {"volOut", "Vol. Out", " (ac-ft)", 645, 642, &RoutingRow::volOut, 1, 12, 4},
}};

inline constexpr std::size_t kDurationColumn = 0;
inline constexpr std::size_t kRainfallColumn = 1;
inline constexpr std::size_t kDeltaTColumn = 2;
inline constexpr std::size_t kDeltaRColumn = 3;

} // namespace velmora
