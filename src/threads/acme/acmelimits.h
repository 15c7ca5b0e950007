// Limits of size of a general-purpose ACME thread pair, its thread depth and
// tool tip width, and the preferred and second three-wire diameters.
//
// D is the nominal diameter in inches (single precision), n the threads per
// inch. Every formula keeps its own order of operations: the results are
// shown with up to 15 digits, so a regrouped formula would show different
// last digits.
#pragma once

#include <optional>

#include "common/units.h"
#include "threads/acme/acmeclass.h"
#include "threads/common/inchgauge.h"

namespace quorvil::acme {

// External thread; the millimetre column converts the maxima.
struct ExternalLimits {
    float majorMax;  // D itself
    double majorMin;
    double majorMaxMm;
    double pitchMax;  // basic pitch diameter less the allowance
    double pitchMin;
    double pitchMaxMm;
    double pitchTolMm;  // T
    double minorMax;    // D - P - c, c in single precision
    double minorMin;
    double minorMaxMm;
    double minorTolMm;  // 1.5 T
};

// Internal thread; the millimetre column converts the minima.
struct InternalLimits {
    float majorMin;   // D + c, rounded to single precision
    double majorMax;  // from D + c unrounded
    double majorMinMm;
    double pitchMin;  // basic pitch diameter D - 0.5 P
    double pitchMax;
    double pitchMinMm;
    double pitchTolMm;  // T
    double minorMin;    // D - P
    double minorMax;
    double minorMinMm;
};

ExternalLimits externalLimits(float D, double n, const ClassConstants& k);
InternalLimits internalLimits(float D, double n, const ClassConstants& k);

// The tolerance shown beside a pair of inch limits: the difference of the
// two limits as shown (four decimals), in millimetres.
inline double shownRangeMm(double shownUpper, double shownLower) {
    return (shownUpper - shownLower) * kMillimetresPerInch;
}

// Maximum pitch diameter of the external thread in mm, unrounded:
// (D - 0.5/n - a) * 25.4, the E of its three-wire measurement.
double externalPitchMaxMm(float D, double n, const ClassConstants& k);

// Thread depth (0.5 P + 0.01 inch) in mm.
double threadDepthMm(double n);

// Tool tip width in mm for the ten standard pitches; no value for other n.
std::optional<double> toolTipWidthMm(double n);

// Three-wire diameters in mm, one table for every class.
struct AcmeWires {
    double preferred;
    double second;
};
std::optional<AcmeWires> acmeWires(double n);

// The three-wire M values of the external thread (29°) over the wires as
// their boxes show them.
inch::ThreadMValues threadMValues(float D, double n, const ClassConstants& k, std::optional<double> preferredWire,
                                  std::optional<double> secondWire);

// Classes 3G and 4G take their own column of gauge pitch tolerances.
inch::GaugeColumn gaugeColumn(AcmeClass c);

// The thread plug gauges (29°) of the class, from its limits e and i as
// their boxes show them: the GO gauge from the minimum pitch diameter and the
// minimum major diameter, the minor diameters from the minimum minor
// diameter; the wear allowance by the class's pitch-diameter tolerance (the
// internal one in 2G, the external one in 3G and 4G; the two are equal); the
// M values over the gauges at the gauge pitch diameters as shown. The wire
// and the NO-GO tolerance as their boxes show them.
inch::GaugeBlock gaugeBlock(AcmeClass c, double n, const ExternalLimits& e, const InternalLimits& i,
                            std::optional<double> preferredWire, std::optional<double> noGoToleranceMm);

}  // namespace quorvil::acme
