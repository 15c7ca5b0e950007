// Unified inch screw threads, classes 1A(B), 2A(B) and 3A(B): limits of size
// from the nominal diameter D and the threads per inch n, both held in single
// precision as the window reads them; every formula is evaluated in double
// precision from them, the pitch P = 1/n inch afresh each time.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "common/numtext.h"
#include "threads/common/inchgauge.h"

namespace quorvil::unified {

enum class ThreadClass { One, Two, Three };  // 1A(B), 2A(B), 3A(B)

// Length of engagement in inches by exact n: D at 4, 6, 8 and 10 threads per
// inch, nine pitches at 12, 16, 20, 28 and 32, otherwise 0.
float lengthOfEngagement(float n, float D);

// Base pitch-diameter tolerance in inches:
// 0.015 P^(2/3) + 0.0015 sqrt(LE) + 0.0015 D^(1/3), the cube roots through
// logarithms. No value unless D > 0, n > 0 and the result is a finite
// single-precision number.
std::optional<float> baseTolerance(float D, float n, float LE);

// Thread depth and tool tip widths, mm.
struct Depths {
    double externalTip;    // w14, 0.16 P
    double internalTip;    // w25, 0.125 P
    double externalDepth;  // w13, 0.63145 P
    double internalDepth;  // w24, the same
};
Depths depths(float n);

// Minor diameter of the external thread, mm: D - 1.19078 P.
double externalMinorMm(float D, float n);

// The allowance es of the class: 0.3 T, none in 3A(B).
double allowance(ThreadClass c, float T);

// The seventeen limits of one class. Inch values unless named mm. In 3A(B)
// the maximum major diameter is D itself, written as the single-precision
// value (7 digits).
struct Limits {
    std::optional<float> majorMaxSingle;                            // w5 in 3A(B)
    double majorMax, majorMin, majorMaxMm, majorTolMm;              // w5 w6 w7 w8
    double pitchMax, pitchMin, pitchMaxMm, pitchTolMm;              // w9 w10 w11 w12
    double intPitchMin, intPitchMax, intPitchMinMm, intPitchTolMm;  // w17 w16 w18 w19
    double intMinorMin, intMinorMax, intMinorMinMm, intMinorTolMm;  // w21 w20 w22 w23
    double intMajorMinMm;                                           // w15
};
Limits limits(ThreadClass c, float D, float n, float T);

// The internal minor diameter limits (w20, w21) show four decimals in 3B,
// three in the other classes.
Pattern internalMinorPattern(ThreadClass c);

// The three-wire M values of the external thread (60°) over the wires as
// their boxes show them.
inch::ThreadMValues threadMValues(ThreadClass c, float D, float n, float T, std::optional<double> preferredWire,
                                  std::optional<double> secondWire);

// The thread plug gauges (60°) of the class, from its limits as their boxes
// show them: the GO gauge from the minimum pitch diameter and the minimum
// major diameter in mm (w15), the minor diameters from the maximum minor
// diameter, the wear allowance by the internal pitch-diameter tolerance
// (w19); the M values over the gauges at the pitch limits x 25.4. The wire
// and the NO-GO tolerance as their boxes show them.
inch::GaugeBlock gaugeBlock(ThreadClass c, float n, const Limits& L, std::optional<double> preferredWire,
                            std::optional<double> noGoToleranceMm);

// Maximum pitch diameter of the external thread, mm, computed afresh for the
// measurement over wires: (D - 0.64952 P - es) x 25.4.
double externalPitchMaxMm(ThreadClass c, float D, float n, float T);

// Tapping data, mm: the tap drill (D - 1.06 P for a pitch above 1 mm, else
// D - P), the drill depth 1.7 D and the tapped depth D + 2.5 P.
struct Tapping {
    double drill, drillDepth, tappedDepth;  // w29 w30 w31
};
Tapping tapping(float D, float n);

// Preferred and second three-wire diameters (mm) by exact n; no row for other n.
struct Wires {
    double preferred, second;
};
std::optional<Wires> wires(float n);

// The unified size list and the thread series text of each position.
extern const std::array<std::string_view, 34> kSizes;
extern const std::array<std::string_view, 34> kSeriesTexts;

// The series text of the picked row of the size list; with no row picked,
// the text of the last size.
std::string_view seriesText(std::optional<int> row);

}  // namespace quorvil::unified
