// Measurement over three wires (the M value): the general formula for a
// thread of any flank angle, the forms with fixed constants that the metric
// and trapezoidal tables were worked out with, the worm's form, the best wire,
// and the standard wire list offered by the thread windows.
//
// In the general formula the half angle is turned into radians with pi taken
// as 3.1415, as the shop formula has always been written; the result then
// differs from the exact formula in about the fifth decimal, which now and
// then shows in the third. Windows that state the general formula (the
// three-wire calculator; the unified and ACME threads at 60° and 29°) use it,
// so they agree digit for digit. The constant forms keep the constants and
// the order of evaluation of their tables: the last bit of a sum can decide a
// shown thousandth.
//
// The quantities are distinct types, so a call cannot swap the wire and the
// pitch diameter (or any other pair) and still compile.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvil {

inline constexpr double kThreeWirePi = 3.1415;

struct FlankAngle {
    double degrees;
};  // the whole thread angle, e.g. 60, 29
struct PitchDiameter {
    double mm;
};  // basic pitch diameter E
struct Wire {
    double mm;
};  // wire diameter w
struct Pitch {
    double mm;
};  // pitch P
struct MajorDiameter {
    double mm;
};  // major diameter d
// A half angle given by its sine and its tangent, for forms that take them
// from different angles or as stated constants.
struct HalfAngle {
    double sine;
    double tangent;
};

// Half the flank angle (degrees) in radians: ((alpha / 2) * 3.1415) / 180.
double threeWireHalfAngle(FlankAngle angle);

// Pitch in mm of a thread given in threads per inch: 25.4 / n.
double pitchOfThreadsPerInch(double threadsPerInch);

// The M value: (E + w * (1 / sin h + 1)) - (P / 2) * (1 / tan h), in double
// precision. Any consistent length unit works (mm or inch); the field names
// only say what each quantity is. No value when the result would not be a
// finite number (a flank angle of 0 divides by zero).
std::optional<double> threeWireM(FlankAngle angle, PitchDiameter E, Wire w, Pitch P);

// Metric 60° threads, with the constants of the metric tables:
// from the major diameter M = (d - 1.515 P) + 3 w; from a pitch diameter E
// the diameter over the wires' contact is taken as E + 0.6495 P (0.6495, not
// the 0.64952 of the basic pitch diameter): M = ((E + 0.6495 P) - 1.515 P) + 3 w.
double metricThreeWireM(MajorDiameter d, Wire w, Pitch P);
double metricThreeWireM(PitchDiameter E, Wire w, Pitch P);

// Trapezoidal 30° threads, with the constants of the trapezoidal tables:
// M = (E + 4.864 w) - 1.866 P.
double trapezoidalThreeWireM(PitchDiameter E, Wire w, Pitch P);

// The worm's form over a half angle given by sine and tangent, evaluated as
// E + w (1 / sin + 1) - P / (2 tan); the worm takes the sine of its normal
// profile angle and the tangent of 20° as 0.3639.
double threeWireM(HalfAngle h, PitchDiameter E, Wire w, Pitch P);

// The best wire, touching both flanks on the pitch line: P / (2 cos h).
// No value for a flank angle of 0, which is no thread profile, nor when the
// result would not be finite.
std::optional<double> bestWireDiameter(FlankAngle angle, Pitch P);

// The 32 standard wire diameters in mm, as the lists show them.
extern const std::array<std::string_view, 32> kStandardWires;

}  // namespace quorvil
