#include "workshop/conversions.h"

#include <cmath>
#include <string>

#include "common/numtext.h"
#include "common/units.h"

namespace quorvil {

namespace {

// Three decimals, halves away from zero, on the value's decimal text (the
// rule the result boxes round by), so 59.9999999999994 is 60.
double roundToThousandths(double v) { return shownAs(v, Pattern::Fixed3); }

}  // namespace

std::optional<double> mixedFractionInches(double whole, double numerator, double denominator) {
    if (numerator == 0) return finiteValue(whole);
    if (denominator == 0) return std::nullopt;
    return finiteValue(whole + numerator / denominator);
}

std::optional<InchRange> inchRangeMillimetres(double a, double b) {
    const double mean = (a + b) / 2;
    InchRange r{};
    r.mean = mean * kMillimetresPerInch;
    r.half = std::abs(a * kMillimetresPerInch - mean * kMillimetresPerInch);
    r.lower = (a < b ? a : b) * kMillimetresPerInch;
    r.upper = (a < b ? b : a) * kMillimetresPerInch;
    r.range = std::abs((a - b) * kMillimetresPerInch);
    for (double v : {r.mean, r.half, r.lower, r.upper, r.range})
        if (!finiteValue(v)) return std::nullopt;
    return r;
}

std::optional<double> degreesOfDms(double d, double m, double s) { return finiteValue((d + m / 60) + s / 3600); }

std::optional<Dms> dmsOfDegrees(double x) {
    if (!finiteValue(x)) return std::nullopt;
    Dms r{};
    r.degrees = std::floor(x);
    const double minutes = (x - r.degrees) * 60;
    r.minutes = std::floor(minutes);
    r.seconds = roundToThousandths((minutes - r.minutes) * 60);
    if (r.seconds >= 60) {
        r.seconds -= 60;
        r.minutes += 1;
    }
    if (r.minutes >= 60) {
        r.minutes -= 60;
        r.degrees += 1;
    }
    return r;
}

std::optional<double> radiansOfDegrees(double degrees) { return finiteValue(degrees * kConverterPi / 180); }
std::optional<double> degreesOfRadians(double radians) { return finiteValue(radians * 180 / kConverterPi); }

}  // namespace quorvil
