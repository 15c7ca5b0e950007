// Tolerances of thread plug gauges by the pitch-diameter tolerance of the
// internal thread they check; the same bands serve metric and inch gauges.
#pragma once

#include <optional>

namespace quorvil {

// One band of the gauge tolerance table, mm.
struct GaugeTolerance {
    double Z;    // zone position: the GO gauge's zone is centred Z above the basic pitch diameter
    double T;    // gauge tolerance: the width of each gauge's pitch-diameter zone
    double W;    // wear allowance
    double W2;   // second wear allowance
};

// The band whose (lower, upper] holds the pitch-diameter tolerance `td2`,
// bands bounded by 0.024, 0.05, 0.08, 0.125, 0.2, 0.315, 0.5 and 0.67; a key
// on a bound belongs to the band it closes. Below or at 0.024, or above
// 0.67: no band.
std::optional<GaugeTolerance> gaugeTolerance(double td2);

// The same search where the key and the bounds are single-precision values,
// as a window that keeps its tolerances in single precision compares them.
std::optional<GaugeTolerance> gaugeToleranceSingle(float td2);

}  // namespace quorvil
