// Thread plug gauges (GO and NO-GO) for an inch internal thread, in mm.
//
// The unified and ACME windows build the same gauge block (gaugeBlock); they
// differ in the flank angle, in which limits feed which gauge, in the key of
// the wear allowance, in the pitch diameter the M values over the gauges
// take and in the column of the gauge pitch tolerance table, so those come
// in as inputs (see unified::gaugeBlock and acme::gaugeBlock). The limits it
// starts from are the inch values as the window's boxes show them.
#pragma once

#include <optional>

#include "common/numtext.h"
#include "threads/common/gaugetolerance.h"
#include "threads/common/threewire.h"

namespace quorvil::inch {

// The inch windows show inch limits with four decimals, millimetres (their
// limits and the gauge sizes) with three; later steps compute with the
// numbers those boxes show (shownAs).
inline constexpr Pattern kInchPattern = Pattern::Fixed4;
inline constexpr Pattern kMmPattern = Pattern::Fixed3;

// Column of the gauge pitch-diameter tolerance table by threads per inch.
enum class GaugeColumn {
    Standard,      // unified classes, and ACME class 2G
    AcmeFineClass  // ACME classes 3G and 4G
};

// Gauge pitch-diameter tolerance in mm (the inch value times 25.4) for the
// threads per inch `n`, compared exactly with the keys 32, 16, 14, 12, 10, 8,
// 6, 5, 4, 3 and 2. No row for any other n.
std::optional<double> gaugePitchToleranceMm(double n, GaugeColumn column);

// Gauge thread lengths: eight pitches for the GO end, five for the NO-GO end.
double goThreadLengthMm(double n);
double noGoThreadLengthMm(double n);

// Finer than 10 threads per inch (n > 10, strictly) the major-diameter
// allowances halve: the GO major diameter lies 0.005 inch (else 0.01) under
// the internal thread's minimum major diameter, and both major-diameter gauge
// tolerances are 0.001 inch (else 0.002).
bool fineMajorAllowances(double n);
double majorToleranceMm(double n);

// GO major diameter: (internal major minimum, inch, less the allowance) x 25.4.
double goMajorDiameterMm(double internalMajorMinInch, double n);
// NO-GO major diameter: (external major maximum, inch, less a quarter pitch) x 25.4.
double noGoMajorDiameterMm(double externalMajorMaxInch, double n);
// Gauge minor diameter: (internal minor limit, inch, less 0.01 inch) x 25.4;
// the same for both ends.
double gaugeMinorDiameterMm(double internalMinorInch);

// Wear allowance of a gauge pitch diameter: Tg / 2 + W of the band that the
// internal thread's pitch-diameter tolerance (mm, as shown) falls in; none
// when it falls in none. A wear limit without an allowance would equal the
// new gauge's size, which no gauge maker means.
std::optional<double> wearAmountMm(std::optional<GaugeTolerance> band);

// M value over the preferred wire at a gauge pitch diameter (mm).
std::optional<double> gaugeM(FlankAngle angle, double pitchDiameterMm, double wireMm, double n);
// M value at the GO gauge's wear limit: its pitch diameter less the wear amount.
std::optional<double> goWearLimitM(FlankAngle angle, double goPitchMm, double wearMm, double wireMm, double n);
// M value at the NO-GO gauge's wear limit: the bottom of its pitch zone
// (pitch diameter less its tolerance) less the wear amount; the wear amount
// is taken off first, then the tolerance.
std::optional<double> noGoWearLimitM(FlankAngle angle, double noGoPitchMm, double noGoToleranceMm, double wearMm,
                                     double wireMm, double n);

// The pitch diameter that the M values over the gauge pitch diameters take.
enum class GaugeMPitch {
    InchLimit,  // the internal thread's pitch limit as shown x 25.4, unrounded (unified)
    GaugeBox    // the gauge pitch diameter as its box shows it (ACME)
};

// An M value over a wire: none without the wire, and not finite (infinity)
// where a wire, or a tolerance typed beside it, is so large that the M
// value has no finite number; the window refuses the press then.
using MValue = std::optional<double>;

// The three-wire M values of the external thread over the wires as their
// boxes show them (none while a box is empty): E is its maximum pitch
// diameter in mm, unrounded.
struct ThreadMValues {
    MValue preferred;
    MValue second;
};
ThreadMValues threadMValues(FlankAngle flank, double E, double n, std::optional<double> preferredWire,
                            std::optional<double> secondWire);

// What the gauge block starts from. The limits are as their boxes show them.
struct GaugeBlockInputs {
    FlankAngle flank;
    double n;  // threads per inch
    GaugeMPitch mPitch;
    // The internal thread's limits, inch.
    double majorMinInch;  // the GO major diameter lies an allowance under it
    double pitchMinInch;  // the GO pitch diameter
    double pitchMaxInch;  // the NO-GO pitch diameter
    double minorInch;     // both minor diameters lie 0.01 inch under it
    // The external thread's maximum major diameter, inch: the NO-GO major
    // diameter lies a quarter pitch under it.
    double externalMajorMaxInch;
    // The internal thread's pitch-diameter tolerance, mm, as shown: the key
    // of the gauge tolerance band that gives the wear allowance.
    double bandKeyMm;
    // As their boxes show them: the table's row, or without a row what the
    // box holds (an earlier row's, or what the user typed); none while the
    // box is empty.
    std::optional<double> preferredWire;
    std::optional<double> noGoToleranceMm;
};

// The GO and NO-GO thread plug gauges, mm. The wear limits have no M value
// without a wear allowance (the key in no band), and the NO-GO one none
// without a NO-GO tolerance either.
struct GaugeBlock {
    double goLength, noGoLength;  // 8 and 5 pitches
    double goMajor, noGoMajor;
    double majorToleranceMm;  // of both major diameters
    double goPitch, noGoPitch;
    double minor;  // of both ends
    MValue goM, noGoM;
    MValue goWearM;    // at the GO gauge's wear limit
    MValue noGoWearM;  // at the NO-GO gauge's wear limit
};
GaugeBlock gaugeBlock(const GaugeBlockInputs& in);

}  // namespace quorvil::inch
