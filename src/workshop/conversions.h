// Inch sizes to millimetres and angles between their written forms, as the
// unit and angle converter shows them. Every function gives no value where
// the input has no finite answer, so a caller can check before it writes.
#pragma once

#include <optional>

namespace quorvil {

inline constexpr double kConverterPi = 3.1415926;

// W - N/D inches. The fraction is taken exactly: 5/16 is 0.3125, whose
// rounded texts are 7.938 mm and 0.313 inch. A numerator of 0 adds nothing
// whatever the denominator (a whole size is typed 2-0/0 or 2-0/1); a
// numerator over a denominator of 0 is no size.
std::optional<double> mixedFractionInches(double whole, double numerator, double denominator);

// An inch range a..b (either order) written three ways in mm: lower limit +
// range, mean ± half range, upper limit - range.
struct InchRange {
    double lower, range;  // lower + range
    double mean, half;    // mean ± half
    double upper;         // upper - range
};
std::optional<InchRange> inchRangeMillimetres(double a, double b);

// (d + m/60) + s/3600, any of them fractional or negative.
std::optional<double> degreesOfDms(double d, double m, double s);

// Whole degrees (the whole number at or below x), whole minutes and seconds,
// the seconds rounded to three decimals half away from zero; 60 seconds
// carry into a minute and 60 minutes into a degree, so 2.3 is 2° 18′ 0″.
struct Dms {
    double degrees, minutes, seconds;
};
std::optional<Dms> dmsOfDegrees(double x);

// Degrees to radians and back, multiplying first, with pi 3.1415926.
std::optional<double> radiansOfDegrees(double degrees);
std::optional<double> degreesOfRadians(double radians);

}  // namespace quorvil
