#include "threads/trapezoidal/tr_wires.h"

#include <cmath>

#include "threads/common/threewire.h"
#include "threads/trapezoidal/tr_sizes.h"

namespace quorvil::trapezoidal {

namespace {
// The one extra pitch both wire tables of this window have.
constexpr double kFinePitch = 1.5;
constexpr WirePair kFinePitchWires{0.796, 0.866};

// Rows only the M-value table of the size list has.
constexpr struct {
    double P;
    WirePair wires;
} kSizeListOnlyWires[] = {
    {7, {3.666, 4.091}},
    {9, {4.4, 4.773}},
};

constexpr double kLargestSizeListPitch = 9;
// Tr18x2: the only size up to pitch 9 the published M-value table leaves out.
constexpr int kPositionWithoutMValues = 72;
}  // namespace

std::optional<WirePair> calculatorWires(double P) {
    if (P == kFinePitch) return kFinePitchWires;
    return wires(P);
}

std::optional<WirePair> sizeListWires(double P) {
    if (P > kLargestSizeListPitch) return std::nullopt;
    for (const auto& r : kSizeListOnlyWires)
        if (P == r.P) return r.wires;
    return calculatorWires(P);
}

std::optional<MValueRow> mValueRow(int position) {
    if (position == kPositionWithoutMValues) return std::nullopt;
    const auto size = sizeAt(position);
    if (!size) return std::nullopt;
    const double P = size->pitch();
    const auto w = sizeListWires(P);
    if (!w) return std::nullopt;
    // The published M values are the three-wire form over the basic pitch
    // diameter to 0.01 mm (none lies on a half). Its Tr55x9 row had lost its
    // second wire (0 for wire and M, the preferred column holding 4.773); the
    // row is formed like every other pitch-9 row: 4.4, 55.11, 4.773, 56.92.
    const double d2 = pitchDiameter(size->d, P);
    auto m = [&](double wire) {
        return std::round(trapezoidalThreeWireM(PitchDiameter{d2}, Wire{wire}, Pitch{P}) * 100.0) / 100.0;
    };
    return MValueRow{w->preferred, m(w->preferred), w->second, m(w->second)};
}

}  // namespace quorvil::trapezoidal
