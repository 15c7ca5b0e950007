// Measurement over three wires for a thread of any flank angle, the best wire
// for it, and the standard wire list offered by the thread windows.
//
// The half angle is turned into radians with pi taken as 3.1415, as the
// shop formula has always been written; the result then differs from the
// exact formula in about the fifth decimal, which now and then shows in the
// third. Windows whose tables were worked out with fixed constants (the 30°
// trapezoidal 4.864/1.866, the metric 60° 3/0.866) keep those constants in
// their own family; every window that states the general formula uses this
// one, so they agree digit for digit.
//
// The quantities are distinct types, so a call cannot swap the wire and the
// pitch diameter (or any other pair) and still compile.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvil {

inline constexpr double kThreeWirePi = 3.1415;

struct FlankAngle { double degrees; };    // the whole thread angle, e.g. 60, 29
struct PitchDiameter { double mm; };      // basic pitch diameter E
struct Wire { double mm; };               // wire diameter w
struct Pitch { double mm; };              // pitch P

// Half the flank angle (degrees) in radians: ((alpha / 2) * 3.1415) / 180.
double threeWireHalfAngle(FlankAngle angle);

// Pitch in mm of a thread given in threads per inch: 25.4 / n.
double pitchOfThreadsPerInch(double threadsPerInch);

// The M value: (E + w * (1 / sin h + 1)) - (P / 2) * (1 / tan h), in double
// precision. Any consistent length unit works (mm or inch); the field names
// only say what each quantity is. No value when the result would not be a
// finite number (a flank angle of 0 divides by zero).
std::optional<double> threeWireM(FlankAngle angle, PitchDiameter E, Wire w, Pitch P);

// The best wire, touching both flanks on the pitch line: P / (2 cos h).
// No value for a flank angle of 0, which is no thread profile, nor when the
// result would not be finite.
std::optional<double> bestWireDiameter(FlankAngle angle, Pitch P);

// The 32 standard wire diameters in mm, as the lists show them.
extern const std::array<std::string_view, 32> kStandardWires;

}  // namespace quorvil
