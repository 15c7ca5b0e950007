// The internal thread calculator of the trapezoidal thread window: internal
// limits for classes 7H, 8H and 9H and the GO and NO-GO thread plug gauges of
// a trapezoidal thread of any diameter and pitch. Built on the trapezoidal
// tolerance family; where this window's tables differ from the family's, the
// difference is stated at each function. Plain C++, no GUI.
#pragma once

#include <optional>

#include "threads/trapezoidal/tr_family.h"

namespace quorvil::trapezoidal {

enum class InternalClass { c7H, c8H, c9H };

// Coefficient k of the pitch-diameter tolerance: 7H and 8H from the family;
// 9H (238.5) is a class only this window has.
double classCoefficient(InternalClass cls);

// The computed pitch-diameter tolerance rounded to the preferred series of
// the class: the preferred value of the interval that holds it, both bounds
// excluded. Nothing at or below 0.2, at or above 1.5, or on a bound. The 8H
// series has 0.315, which 7H and 9H lack.
std::optional<double> preferredTolerance(double computed, InternalClass cls);

// Minor-diameter tolerance TD1 by exact pitch (1.5 to 22). The family works
// it out as 0.63 x 230 x P^0.7 / 1000; this window uses its own table, which
// lies up to 0.025 mm from that formula (P 12: 0.8 against the formula's
// 0.825).
std::optional<double> minorToleranceTable(double P);

// Thread lengths of the GO and NO-GO gauges (whole mm) for the 95 listed
// (d, P) pairs, d from 8 to 100; a table of this window alone.
struct GaugeLengths {
    int go;
    int noGo;
};
std::optional<GaugeLengths> gaugeLengths(double d, double P);

// A GO or NO-GO M value over the preferred (w1) and second (w2) wire; a wire
// the window has no number for gives no M value.
struct WireMs {
    std::optional<double> overW1;
    std::optional<double> overW2;
};

// The gauge sizes, which exist only when the tolerance could be rounded to
// the preferred series (the gauge constants are chosen by it).
struct GaugeSizes {
    GaugeRow constants;
    double goMajor;         // (d + Z) + T
    double noGoMajor;       // D2 + TD2 + 1.5T + 0.2P
    double majorDeviation;  // -2T, both majors
    double goPitch;         // upper limit (D2 + Z) + T/2
    double noGoPitch;       // upper limit (D2 + TD2) + T
    double pitchDeviation;  // -T, both pitch sizes
    double goWear;          // (D2 + Z) - WG
    double noGoWear;        // ((D2 + TD2) + T/2) - WN
    WireMs goM, noGoM, goWearM, noGoWearM;
};

// Everything one press of the calculate button works out. An optional is
// empty where a table has no value for the input: such a value is never
// taken as 0, and its boxes show that there is none.
struct InternalResult {
    // The wires of the M values: this pitch's calculator wires, which the
    // window shows in its wire boxes, or, for a pitch without them, the
    // wires typed into those boxes (none for an empty box).
    std::optional<WirePair> tableWires;
    std::optional<double> w1;
    std::optional<double> w2;
    std::optional<GaugeLengths> lengths;
    double dr;
    std::optional<double> ac;
    std::optional<double> D4;  // d + 2ac
    double D2;                 // d - 0.5P
    double D1;                 // d - P
    std::optional<double> TD1;
    double computedTolerance;   // k x P^0.4 x dr^0.1 / 1000
    std::optional<double> TD2;  // after the preferred-series rounding
    std::optional<GaugeSizes> gauge;
    std::optional<double> gaugeMinor;  // (d - P) - 2ac, upper limit of both gauges
};

// d and P as typed (P > 0), the class, and the wires typed into the wire
// boxes, which count only for a pitch without calculator wires.
InternalResult calculateInternal(double d, double P, InternalClass cls, std::optional<double> typedW1,
                                 std::optional<double> typedW2);

}  // namespace quorvil::trapezoidal
