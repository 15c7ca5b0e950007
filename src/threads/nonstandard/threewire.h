// Measurement over three wires for a thread of any flank angle, the best wire
// for it, and the standard wire list offered by the thread windows.
//
// The half angle is turned into radians with pi taken as 3.1415, as the
// shop formula has always been written; the result then differs from the
// exact formula in about the fifth decimal, which now and then shows in the
// third. Every thread window that measures over wires uses these functions,
// so they all agree digit for digit.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvil {

inline constexpr double kThreeWirePi = 3.1415;

// Half the flank angle (degrees) in radians: ((alpha / 2) * 3.1415) / 180.
double threeWireHalfAngle(double flankAngle);

// Pitch in mm of a thread given in threads per inch: 25.4 / n.
double pitchOfThreadsPerInch(double threadsPerInch);

// The M value: (E + w * (1 / sin h + 1)) - (P / 2) * (1 / tan h), in double
// precision, with E the basic pitch diameter of the external thread, w the
// wire diameter and P the pitch, all in mm. No value when the result would
// not be a finite number (a flank angle of 0 divides by zero).
std::optional<double> threeWireM(double flankAngle, double wire, double pitchDiameter, double pitch);

// The best wire, touching both flanks on the pitch line: P / (2 cos h).
// No value for a flank angle of 0, which is no thread profile, nor when the
// result would not be finite.
std::optional<double> bestWireDiameter(double flankAngle, double pitch);

// The 32 standard wire diameters in mm, as the lists show them.
extern const std::array<std::string_view, 32> kStandardWires;

}  // namespace quorvil
