#include "threads/pipe/britishthread.h"

#include <array>

#include "common/numtext.h"
#include "common/units.h"
#include "threads/common/inchentry.h"

namespace quorvil {

namespace {

constexpr double kDenominatorEpsilon = 0.000001;

struct TapDrillRow {
    double whole, numerator, denominator, drill;
};

// Whole sizes are keyed 1-0/0 and 2-0/0: the whole inches with the fraction
// left empty or typed 0/0.
constexpr std::array<TapDrillRow, 14> kTapDrills = {{
    {0, 3, 16, 3.9},
    {0, 1, 4, 5.2},
    {0, 5, 16, 6.7},
    {0, 3, 8, 8.1},
    {0, 1, 2, 10.7},
    {0, 5, 8, 13.8},
    {0, 3, 4, 16.8},
    {0, 7, 8, 19.7},
    {1, 0, 0, 22.5},
    {1, 1, 8, 25.2},
    {1, 1, 4, 28.4},
    {1, 1, 2, 34.2},
    {1, 3, 4, 39.7},
    {2, 0, 0, 45.6},
}};

}  // namespace

bool britishDenominatorCancels(double denominator) { return denominator + kDenominatorEpsilon == 0; }

std::optional<float> britishSizeInches(double whole, double numerator, double denominator) {
    // A denominator the ε cancels is no size here, even under a numerator of 0.
    if (britishDenominatorCancels(denominator)) return std::nullopt;
    const std::optional<double> e = inch::nominalDouble({whole, numerator, denominator}, kDenominatorEpsilon);
    // Held in single precision: a size beyond its range is no size.
    if (!e) return std::nullopt;
    return toSingle(*e);
}

std::optional<BritishThread> britishThread(float inches, double threadsPerInch, std::optional<float> wire) {
    const double n = threadsPerInch;
    if (n == 0) return std::nullopt;
    const double D = static_cast<double>(inches) * kMillimetresPerInch;
    BritishThread t{};
    t.majorDiameter = D - (1 / n * 0.075 * kMillimetresPerInch + 0.05);
    t.pitchDiameter = D - 16.264382 / n;
    t.minorDiameter = D - 28.769564 / n;
    t.threadDepth = 16.264382 / n;
    t.tipWidth = 4.23418 / n;
    t.bestWire = 14.31798 / n;
    if (wire) t.mValue = (D - 16.264382 / n + static_cast<double>(*wire) * 3.1657) - 24.3967 / n;
    for (double v : {t.majorDiameter, t.pitchDiameter, t.minorDiameter, t.threadDepth, t.tipWidth, t.bestWire})
        if (!finiteValue(v)) return std::nullopt;
    if (t.mValue && !finiteValue(*t.mValue)) return std::nullopt;
    return t;
}

std::optional<double> britishTapDrill(double whole, double numerator, double denominator) {
    for (const TapDrillRow& r : kTapDrills)
        if (r.whole == whole && r.numerator == numerator && r.denominator == denominator) return r.drill;
    return std::nullopt;
}

}  // namespace quorvil
