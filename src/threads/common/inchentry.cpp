#include "threads/common/inchentry.h"

#include <cmath>

namespace quorvil::inch {

std::optional<float> nominalSingle(MixedFraction f) {
    const float W = static_cast<float>(f.whole);
    const float N = static_cast<float>(f.numerator);
    const float Q = static_cast<float>(f.denominator);
    if (N != 0.0f && Q == 0.0f) return std::nullopt;
    const float divisor = static_cast<float>(static_cast<double>(Q) + kSingleEpsilon);
    const double sum = static_cast<double>(W) + static_cast<double>(N) / static_cast<double>(divisor);
    const float D = static_cast<float>(sum);
    if (!std::isfinite(D)) return std::nullopt;
    return D;
}

std::optional<double> nominalDouble(MixedFraction f, double epsilon) {
    if (f.numerator != 0.0 && f.denominator == 0.0) return std::nullopt;
    const double divisor = f.denominator + epsilon;
    if (f.numerator != 0.0 && divisor == 0.0) return std::nullopt;
    const double D = f.numerator == 0.0 ? f.whole : f.whole + f.numerator / divisor;
    if (!std::isfinite(D)) return std::nullopt;
    return D;
}

std::optional<float> threadsPerInchSingle(double n) {
    const float held = static_cast<float>(n);
    if (!std::isfinite(held) || !(held > 0.0f)) return std::nullopt;
    return held;
}

}  // namespace quorvil::inch
