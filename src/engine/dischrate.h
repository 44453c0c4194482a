// The outlet's discharge rate at a water-surface elevation (the stage), one pure function per
// outlet structure. Elevations and lengths in feet, discharge in cubic feet per second.
#pragma once

#include "engine/inputs.h"

#include <cstddef>
#include <span>
#include <vector>

namespace velmora {

inline constexpr double kEndContractionFactor = 0.1; // each end contraction shortens the weir
                                                     // by 0.1 x head
inline constexpr double kWeirExponent = 1.5;         // weir discharge grows with head^1.5
inline constexpr double kTwiceGravity = 64.4;        // ft/s2, 2g of the orifice equation
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kCircleAreaFactor = 0.25; // circle area = pi x d2 x 0.25

// The first segment, in captured order, of a table whose stages are out of order that brackets
// a stage: a segment tree over the table's distinct stages, built once, answers each look-up
// in logarithmic time, where a scan of every segment would make a routing of many steps
// through a long table take minutes.
class FirstBracketIndex {
  public:
    FirstBracketIndex() = default;
    explicit FirstBracketIndex(std::span<const double> stages);

    // The segment i (from 1) of the first neighbours with stages[i - 1] <= stage <= stages[i];
    // 0 when none brackets the stage.
    std::size_t find(double stage) const;

  private:
    // Cell 2j is the stage points_[j] itself, cell 2j + 1 the stages strictly between
    // points_[j] and points_[j + 1].
    std::size_t cellOf(double stage) const;

    std::vector<double> points_;         // the distinct stages, ascending
    std::vector<std::size_t> firstOver_; // per tree node: first segment covering all its cells
    std::size_t cells_ = 0;
};

class dischRate {
  public:
    // For the weir and orifice formulas alone: no stage-discharge table.
    dischRate() = default;

    // For a routing through `table`, which must outlive this object. Finds once whether its
    // stages never decrease, so that each look-up is a binary search, and otherwise builds the
    // index of its segments.
    explicit dischRate(const StageDischargeTable& table);

    // Rectangular weir.
    // In:  stage and crestElev (ft), weirCoef, weirLength (ft), endContractions (count).
    // Out: weirCoef x (weirLength - 0.1 x endContractions x H) x H^1.5 with H = stage - crest,
    //      0 when H <= 0. The effective length is used as computed, even when negative.
    static double weirFlow(double stage, double weirCoef, double weirLength, double endContractions,
                           double crestElev);

    // Circular orifice of diameter D (ft) with its invert at invertElev (ft).
    // In:  stage (ft), weirCoef, diameter (ft), invertElev (ft), orifCoef.
    // Out: at or below the centre line (invert + D/2) a weir as wide as D without end
    //      contractions over the invert; above it orifCoef x (pi x D2 / 4) x sqrt(64.4 x head
    //      above the centre line). The two formulas do not meet at the centre line.
    static double circOrifFlow(double stage, double weirCoef, double diameter, double invertElev,
                               double orifCoef);

    // Rectangular orifice of width W and height h (ft) with its invert at invertElev (ft).
    // In:  stage (ft), weirCoef, width (ft), height (ft), endContractions, invertElev (ft),
    //      orifCoef.
    // Out: at or below the centre line (invert + h/2) the weir formula over the invert with
    //      end contractions; above it orifCoef x W x h x sqrt(64.4 x head above the centre
    //      line).
    static double rectOrifFlow(double stage, double weirCoef, double width, double height,
                               double endContractions, double invertElev, double orifCoef);

    // The user's stage-discharge table, interpolated on the first segment of neighbouring
    // pairs (in captured order) whose stages bracket `stage`; 0 when no segment does (below
    // the first or above the last stage, fewer than two pairs). Throws CalculationError when
    // the bracketing segment's two stages are equal.
    double tableFlow(double stage) const;

    bool stagesAscending() const { return ascending_; }

  private:
    double firstBracketingSearch(double stage) const;
    double interpolate(std::size_t segment, double stage) const;

    std::span<const double> stages_;
    std::span<const double> discharges_;
    bool ascending_ = true;
    FirstBracketIndex unordered_; // built only for stages out of order
};

} // namespace velmora
