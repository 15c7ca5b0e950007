// The literal texts of limits of size, built from values held exactly as
// whole units (thousandths of a millimetre), so no binary rounding can slip
// into a shown digit.
#pragma once

#include <string>

namespace quorvil {

// The three limits texts of one thread class row, as a size table shows
// them: major-diameter limits ("10-0.236" or "10(-0.032/-0.268)"),
// pitch-diameter limits and the minor diameter.
struct LimitsTexts {
    std::string major;
    std::string pitch;
    std::string minor;
};

// Shortest text of v x 10^-decimals: no trailing zeros, no point for a whole
// number, "-" before a negative value ("7.25", "22", "-0.3").
std::string scaledText(long long v, int decimals);

// The whole number of thousandths nearest v, halves away from zero: a
// length of a table in millimetres (7.25) as the thousandths the texts are
// built from (7250).
long long thousandths(double v);

// Shortest text of a number of thousandths.
std::string thousandthsText(long long v);

// The same with at least two decimals, as tolerances are written: "0.30",
// "1.00", "0.224".
std::string twoPlaceText(long long v);

// Minus style: the nominal value followed by its tolerance, "10-0.236".
std::string minusStyleText(long long basic, long long tolerance);

// Bracket style: the nominal value with its upper and lower deviations,
// "7.25(-0.067/-0.237)"; a positive deviation carries "+", zero is "0".
std::string bracketStyleText(long long basic, long long upper, long long lower);

}  // namespace quorvil
