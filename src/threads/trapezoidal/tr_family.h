// The metric trapezoidal 30° tolerance family: the tables and formulas from
// which the limits of size, wires, M values and thread plug gauge sizes of a
// trapezoidal thread of any diameter and pitch are worked out. Shared by the
// non-standard thread window and the trapezoidal thread window; each window
// decides the precision it holds the results in.
//
// Every function returns a double computed in double precision, grouped
// exactly as documented (the grouping decides the last bit, and the last
// bit can decide a shown thousandth). A window that keeps its working values
// in single precision passes them in (they widen exactly) and rounds each
// result to float when it stores it. All lengths are in millimetres.
// Nothing here keeps state.
#pragma once

#include <optional>
#include <string_view>

namespace quorvil::trapezoidal {

// ---- Tolerance classes ----------------------------------------------------

// The tolerance position of an external class gives its fundamental
// deviation es.
enum class Position { h, e, c };

// The tolerance of an external class: its position and the coefficient k of
// its pitch-diameter tolerance (grade 7: 112.5, grade 8: 144).
struct ExternalTolerance {
    Position position;
    double k;
};
inline constexpr ExternalTolerance kExternal7h{Position::h, 112.5};
inline constexpr ExternalTolerance kExternal7e{Position::e, 112.5};
inline constexpr ExternalTolerance kExternal8e{Position::e, 144};
inline constexpr ExternalTolerance kExternal8c{Position::c, 144};

// Coefficients k of the internal classes (position H: lower deviations 0).
inline constexpr double kInternal7H = 153;
inline constexpr double kInternal8H = 190.8;

// ---- Representative diameter ----------------------------------------------

// dr by the band of d: 9.38 up to 11.2, 16.248 up to 22.4, 32.496 up to 45,
// 64.343 up to 90, 130.767 up to 180, 238.746 above. A bound belongs to the
// band below it; every d (0 and negative included) gets a value.
// The double overload compares in double precision; the float overload
// compares the single-precision d with each bound rounded to single
// precision, as a window holding d in single precision does.
double representativeDiameter(double d);
double representativeDiameter(float d);

// ---- The pitch table (a row only when P equals its key exactly) ---------

// Preferred and second measuring wire.
struct WirePair {
    double preferred;
    double second;
};

// One row for each pitch of the standard sizes, 1.5 to 44 mm. The
// calculations for any size, the internal calculator and the limits of the
// standard sizes all take the major-diameter tolerance and the crest
// clearance from here, so that no pitch has them in one place and lacks
// them in another.
struct PitchRow {
    double P;
    // Major-diameter tolerance Td exactly as the limits of the standard
    // sizes print it ("0.30" for P 4, "1.4" for P 44).
    std::string_view tdText;
    double ac;                      // crest clearance
    std::optional<WirePair> wires;  // P 2 to 12 only, not 7 or 9
    // Magnitudes of the fundamental deviations of positions e and c as the
    // limits of the standard sizes give them; calculations for any size use
    // the formula of fundamentalDeviation() instead.
    double esE;
    double esC;
};
const PitchRow* pitchRow(double P);

// Major-diameter tolerance Td (positive; the external major diameter's lower
// deviation is -Td).
std::optional<double> majorDiameterTolerance(double P);

// Crest clearance ac.
std::optional<double> crestClearance(double P);

// Wires: keys 2, 3, 4, 5, 6, 8, 10, 12.
std::optional<WirePair> wires(double P);

// ---- Formulas --------------------------------------------------------------

// Fundamental deviation es of an external position:
//   h: 0
//   e: P > 3: sqrt(P) * -47.49 * 0.001,          else -(11P + 50) * 0.001
//   c: P > 2: sqrt(P) * -94.12 * 0.001 - 0.005,  else -(11P + 125) * 0.001
// The thresholds themselves take the linear branch.
double fundamentalDeviation(Position position, double P);

// The powers of P and dr are those of threads/common/tolerance.h.

// Pitch-diameter tolerance Td2 (external k) or TD2 (internal k):
// ((P^0.4 * k) * dr^0.1) * 0.001. Needs P > 0.
double pitchTolerance(double k, double P, double dr);

// Lower deviation of the external pitch diameter, as one expression:
// P^0.4 * -k * dr^0.1 * 0.001 + es.
double pitchLowerDeviation(double k, double P, double dr, double es);

// Lower deviation of the external minor diameter:
// P^0.4 * -k * dr^0.1 * 0.001 * 1.25 + es.
double minorLowerDeviation(double k, double P, double dr, double es);

// Minor-diameter tolerance TD1 of the internal thread (7H and 8H alike):
// ((P^0.7 * 230) * 0.63) * 0.001. Needs P > 0.
double minorTolerance(double P);

// Basic sizes. d2 = D2 = d - P * 0.5; d3 = (d - P) - 2ac; D4 = 2ac + d;
// D1 = d - P.
double pitchDiameter(double d, double P);
double externalMinorDiameter(double d, double P, double ac);
double internalMajorDiameter(double d, double ac);
double internalMinorDiameter(double d, double P);

// ---- Gauge tolerance table and gauge block --------------------------------

// Gauge tolerance T, zone position Z (GO pitch size above D2) and the wear
// allowances of the GO (WG) and NO-GO (WN) gauges.
struct GaugeRow {
    double T;
    double Z;
    double WG;
    double WN;
};

// The row for an internal pitch-diameter tolerance TD2, by the bands
// up to 0.125, 0.2, 0.315, 0.5, 0.8 and above 0.8; a bound belongs to the
// band below it, so every TD2 picks exactly one row. The float overload
// compares with the bounds rounded to single precision.
GaugeRow gaugeRow(double TD2);
GaugeRow gaugeRow(float TD2);

// GO and NO-GO thread plug gauge of the internal thread.
struct GaugeBlock {
    double goMajor;         // (d + Z) + T
    double noGoMajor;       // (((D2 + TD2) + T/2) + 0.2P) + T
    double majorDeviation;  // -T * 2, for both majors
    double goPitch;         // D2 + Z, middle of its tolerance
    double noGoPitch;       // (D2 + TD2) + T/2, middle of its tolerance
    double pitchTolerance;  // T / 2 (the pitch sizes are +-T/2)
    double goWear;          // (D2 + Z) - WG
    double noGoWear;        // ((D2 + TD2) + T/2) - WN
    double goM;             // three-wire M of goPitch over w1
    double noGoM;           // of noGoPitch
    double goWearM;         // of goWear
    double noGoWearM;       // of noGoWear
};

// The gauge block from d, P, D2, the sum D2 + TD2, the preferred wire w1
// and the gauge row. The sum is passed ready-made because a window that
// holds its values in single precision rounds it to float first; others
// pass D2 + TD2. The minor diameter of both gauges (upper limit) is d3.
GaugeBlock gaugeBlock(double d, double P, double D2, double D2plusTD2, double w1, const GaugeRow& g);

// ---- The family held in single precision ----------------------------------

// The whole calculation for a window that keeps every working value in
// single precision: each quantity is computed from the single-precision
// values in double precision and rounded to float when stored; the table
// constants are the floats of their decimals, except the gauge tolerance
// row, which stays double. dr is looked up and TD2 banded in single
// precision; in the gauge block the sum D2 + TD2 is rounded to float first.
// Values that need a pitch table without a row for P are absent: they are
// never taken as 0.
struct SingleResults {
    float d;
    std::optional<float> majorLower;  // -Td
    float d2;                         // = D2
    float es;
    float pitchLower;         // es - Td2
    std::optional<float> d3;  // also the gauge minor diameter
    float minorLower;         // es - 1.25 Td2
    std::optional<float> D4;
    float D2;
    float TD2;
    float D1;
    float TD1;
    std::optional<float> w1, w2;
    std::optional<float> M1, M2;
    // Gauge block.
    float goMajor;
    float noGoMajor;
    float majorDeviation;
    float pitchTolerance;
    std::optional<float> goM, noGoM, goWearM, noGoWearM;
};

// Needs P > 0. kInternal is kInternal7H or kInternal8H.
SingleResults computeSingle(float d, float P, ExternalTolerance external, double kInternal);

}  // namespace quorvil::trapezoidal
