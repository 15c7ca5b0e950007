#include "threads/common/inchentry.h"

#include <cmath>
#include <limits>

#include "common/numtext.h"

namespace quorvil::inch {

std::optional<float> nominalSingle(MixedFraction f) {
    const std::optional<float> W = toSingle(f.whole), N = toSingle(f.numerator), Q = toSingle(f.denominator);
    if (!W || !N || !Q) return std::nullopt;
    if (*N != 0.0f && *Q == 0.0f) return std::nullopt;
    // Q is a single, so Q + 1e-12 stays within the single range.
    const auto divisor = static_cast<float>(static_cast<double>(*Q) + kSingleEpsilon);
    return toSingle(static_cast<double>(*W) + static_cast<double>(*N) / static_cast<double>(divisor));
}

std::optional<double> nominalDouble(MixedFraction f, double epsilon) {
    if (f.numerator != 0.0 && f.denominator == 0.0) return std::nullopt;
    const double divisor = f.denominator + epsilon;
    if (f.numerator != 0.0 && divisor == 0.0) return std::nullopt;
    return finiteValue(f.numerator == 0.0 ? f.whole : f.whole + f.numerator / divisor);
}

EntryBox oversizedPart(MixedFraction f) {
    // A part beyond single precision on its own.
    const double most = std::numeric_limits<float>::max();
    if (std::fabs(f.whole) > most) return EntryBox::Whole;
    if (std::fabs(f.numerator) > most) return EntryBox::Numerator;
    if (std::fabs(f.denominator) > most) return EntryBox::Denominator;
    const double quotient = f.numerator == 0.0 ? 0.0 : std::fabs(f.numerator) / std::fabs(f.denominator);
    if (!(std::fabs(f.whole) < quotient)) return EntryBox::Whole;
    return std::fabs(f.denominator) < 1.0 ? EntryBox::Denominator : EntryBox::Numerator;
}

EntryBox nonPositivePart(MixedFraction f) {
    if (f.whole < 0.0) return EntryBox::Whole;
    if (f.numerator < 0.0) return EntryBox::Numerator;
    if (f.denominator < 0.0) return EntryBox::Denominator;
    return EntryBox::Whole;
}

std::optional<float> threadsPerInchSingle(double n) {
    const std::optional<float> held = toSingle(n);
    if (!held || !(*held > 0.0f)) return std::nullopt;
    return held;
}

}  // namespace quorvil::inch
