// Dimensions of an Archimedes worm with a 20 degree axial profile, from its
// reference diameter, axial module and number of starts.
//
// The worm calculator has always held its values in single precision and
// shows the digits that path gives: inputs are rounded to float before use,
// each result is worked out in double from them and stored as float again.
// Its constants are kept as they were: pi 3.1415 in the dimensions and
// 3.1415926 in the lead angle, tan 20 degrees as 0.3639, and radians turned
// into degrees of the normal profile angle by dividing by 0.01745.
#pragma once

#include <cstdint>
#include <optional>

namespace quorvil::nonstandard {

// The measuring wire for a module: the row whose module equals m exactly
// (both in single precision); no value for a module without a row.
std::optional<float> wormWireDiameter(float module);

// A lead angle in whole degrees, minutes and seconds.
struct DegMinSec {
    std::int16_t degrees = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
};

// Splits an angle in degrees; the seconds are rounded to the nearest whole
// number (a half to the even one), and 60 seconds count as a minute and
// 60 minutes as a degree, so 0.9166 degrees gives 0 55 0, never 0 54 60.
DegMinSec toDegMinSec(double degrees);

struct WormDimensions {
    std::optional<float> wire;       // measuring-wire diameter dw
    std::optional<float> overWires;  // M value over three such wires
    float normalPitch = 0;           // pn
    float normalProfileAngle = 0;    // alpha n, in degrees
    float toothDepth = 0;
    float normalChordalThickness = 0;
    float diameterQuotient = 0;  // q
    float axialPitch = 0;
    float tipDiameter = 0;
    float axialThickness = 0;
    float rootDiameter = 0;
    float crestWidth = 0;
    float rootWidth = 0;
    float chordalHeight = 0;
    DegMinSec leadAngle;
};

// All dimensions, or no value when a module or reference diameter of 0, or
// a value beyond single precision, leaves any of them without a finite
// value. Without a wire row the wire and M value have no value: a
// measurement over no wire would be wrong.
std::optional<WormDimensions> wormDimensions(float referenceDiameter, float module, float starts);

}  // namespace quorvil::nonstandard
