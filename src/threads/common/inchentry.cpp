#include "threads/common/inchentry.h"

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

std::optional<float> threadsPerInchSingle(double n) {
    const std::optional<float> held = toSingle(n);
    if (!held || !(*held > 0.0f)) return std::nullopt;
    return held;
}

}  // namespace quorvil::inch
