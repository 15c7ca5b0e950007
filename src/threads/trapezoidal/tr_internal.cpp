#include "threads/trapezoidal/tr_internal.h"

#include <cmath>
#include <initializer_list>

#include "threads/common/threewire.h"
#include "threads/trapezoidal/tr_wires.h"

namespace quorvil::trapezoidal {

namespace {

// The 9H class exists only in this window; the family has 7H and 8H.
constexpr double kCoefficient9H = 238.5;

constexpr unsigned kBit7H = 1u << 0;
constexpr unsigned kBit8H = 1u << 1;
constexpr unsigned kBit9H = 1u << 2;
constexpr unsigned kAllClasses = kBit7H | kBit8H | kBit9H;

// Each bound between two intervals is the midpoint of their preferred values.
struct PreferredInterval {
    double lower;
    double upper;
    double value;
    unsigned classes;
};

struct PitchValue {
    double P;
    double value;
};

// All pitches of the listed diameters form pairs.
struct GaugePairGroup {
    std::initializer_list<int> diameters;
    std::initializer_list<double> pitches;
};

// The lengths depend on the pitch alone, except the NO-GO length at P 3 and
// 4, which also depends on the diameter.
constexpr int kAnyD = 0;
struct GaugeLengthRow {
    double P;
    int dLow;  // kAnyD: every diameter
    int dHigh;
    int go;
    int noGo;
};

// clang-format off
constexpr GaugePairGroup kGaugePairs[] = {
    {{8}, {1.5}},
    {{9, 10}, {1.5, 2}},
    {{11, 12, 14}, {2, 3}},
    {{16, 18, 20}, {2, 4}},
    {{22, 24, 26, 28}, {3, 5, 8}},
    {{30, 32, 34, 36}, {3, 6, 10}},
    {{38, 40, 42}, {3, 7, 10}},
    {{44}, {3, 7, 12}},
    {{46, 48, 50, 52}, {3, 8, 12}},
    {{55, 60}, {3, 9, 14}},
    {{65, 70, 75, 80}, {4, 10, 16}},
    {{85, 90, 95}, {4, 12, 18}},
    {{100}, {4, 12, 20}},
};
constexpr GaugeLengthRow kGaugeLengthRows[] = {
    {1.5, kAnyD, kAnyD, 12, 8},
    {2, kAnyD, kAnyD, 16, 10},
    {3, 11, 14, 24, 14},
    {3, 22, 60, 24, 15},
    {4, 16, 20, 32, 18},
    {4, 65, 100, 32, 20},
    {5, kAnyD, kAnyD, 40, 22},
    {6, kAnyD, kAnyD, 50, 28},
    {7, kAnyD, kAnyD, 56, 32},
    {8, kAnyD, kAnyD, 64, 36},
    {9, kAnyD, kAnyD, 70, 40},
    {10, kAnyD, kAnyD, 70, 45},
    {12, kAnyD, kAnyD, 85, 55},
    {14, kAnyD, kAnyD, 100, 64},
    {16, kAnyD, kAnyD, 115, 72},
    {18, kAnyD, kAnyD, 125, 80},
    {20, kAnyD, kAnyD, 140, 90},
};
constexpr PitchValue kMinorTolerances[] = {
    {1.5, 0.19},
    {2, 0.236},
    {3, 0.315},
    {4, 0.375},
    {5, 0.45},
    {6, 0.5},
    {7, 0.56},
    {8, 0.63},
    {9, 0.67},
    {10, 0.71},
    {12, 0.8},
    {14, 0.9},
    {16, 1},
    {18, 1.12},
    {20, 1.18},
    {22, 1.25},
};
constexpr PreferredInterval kPreferredSeries[] = {
    {0.2, 0.237, 0.224, kAllClasses},
    {0.237, 0.2575, 0.25, kAllClasses},
    {0.2575, 0.2725, 0.265, kAllClasses},
    {0.2725, 0.29, 0.28, kAllClasses},
    {0.29, 0.3175, 0.3, kBit7H | kBit9H},
    {0.3175, 0.345, 0.335, kBit7H | kBit9H},
    {0.29, 0.3075, 0.3, kBit8H},
    {0.3075, 0.325, 0.315, kBit8H},
    {0.325, 0.345, 0.335, kBit8H},
    {0.345, 0.365, 0.355, kAllClasses},
    {0.365, 0.3875, 0.375, kAllClasses},
    {0.3875, 0.4125, 0.4, kAllClasses},
    {0.4125, 0.4375, 0.425, kAllClasses},
    {0.4375, 0.4625, 0.45, kAllClasses},
    {0.4625, 0.4875, 0.475, kAllClasses},
    {0.4875, 0.515, 0.5, kAllClasses},
    {0.515, 0.545, 0.53, kAllClasses},
    {0.545, 0.58, 0.56, kAllClasses},
    {0.58, 0.615, 0.6, kAllClasses},
    {0.615, 0.65, 0.63, kAllClasses},
    {0.65, 0.69, 0.67, kAllClasses},
    {0.69, 0.73, 0.71, kAllClasses},
    {0.73, 0.775, 0.75, kAllClasses},
    {0.775, 0.825, 0.8, kAllClasses},
    {0.825, 0.875, 0.85, kAllClasses},
    {0.875, 0.925, 0.9, kAllClasses},
    {0.925, 1.005, 0.95, kAllClasses},
    {1.005, 1.09, 1.06, kAllClasses},
    {1.09, 1.185, 1.12, kAllClasses},
    {1.185, 1.5, 1.25, kAllClasses},
};
// clang-format on

unsigned classBit(InternalClass cls) { return 1u << static_cast<unsigned>(cls); }

bool pairListed(double d, double P) {
    for (const auto& g : kGaugePairs)
        for (int gd : g.diameters)
            for (double gp : g.pitches)
                if (d == gd && P == gp) return true;
    return false;
}

}  // namespace

double classCoefficient(InternalClass cls) {
    switch (cls) {
    case InternalClass::c7H: return kInternal7H;
    case InternalClass::c8H: return kInternal8H;
    case InternalClass::c9H: return kCoefficient9H;
    }
    return kInternal7H;
}

std::optional<double> preferredTolerance(double computed, InternalClass cls) {
    for (const auto& r : kPreferredSeries)
        if ((r.classes & classBit(cls)) != 0 && r.lower < computed && computed < r.upper) return r.value;
    return std::nullopt;
}

std::optional<double> minorToleranceTable(double P) {
    for (const auto& r : kMinorTolerances)
        if (P == r.P) return r.value;
    return std::nullopt;
}

std::optional<GaugeLengths> gaugeLengths(double d, double P) {
    if (!pairListed(d, P)) return std::nullopt;
    for (const auto& r : kGaugeLengthRows)
        if (P == r.P && (r.dLow == kAnyD || (d >= r.dLow && d <= r.dHigh))) return GaugeLengths{r.go, r.noGo};
    return std::nullopt;
}

InternalResult calculateInternal(double d, double P, InternalClass cls, std::optional<double> typedW1,
                                 std::optional<double> typedW2) {
    InternalResult r{};
    r.tableWires = calculatorWires(P);
    r.w1 = r.tableWires ? std::optional(r.tableWires->preferred) : typedW1;
    r.w2 = r.tableWires ? std::optional(r.tableWires->second) : typedW2;
    r.lengths = gaugeLengths(d, P);
    r.dr = representativeDiameter(d);
    r.ac = crestClearance(P);
    if (r.ac) r.D4 = internalMajorDiameter(d, *r.ac);
    r.D2 = pitchDiameter(d, P);
    r.D1 = internalMinorDiameter(d, P);
    r.TD1 = minorToleranceTable(P);
    r.computedTolerance = pitchTolerance(classCoefficient(cls), P, r.dr);
    r.TD2 = preferredTolerance(r.computedTolerance, cls);
    if (r.ac) r.gaugeMinor = externalMinorDiameter(d, P, *r.ac);
    if (!r.TD2) return r;

    // The gauge constants follow the rounded tolerance. Majors and wear
    // limits are the family's gauge block; the pitch sizes are shown here as
    // upper limits with the lower deviation -T, and their M values are taken
    // over those upper limits.
    const GaugeRow g = gaugeRow(*r.TD2);
    const double D2plusTD2 = r.D2 + *r.TD2;
    // The block's own M values (over the preferred wire only) are not used.
    const GaugeBlock block = gaugeBlock(d, P, r.D2, D2plusTD2, 0, g);
    GaugeSizes s{};
    s.constants = g;
    s.goMajor = block.goMajor;
    s.noGoMajor = block.noGoMajor;
    s.majorDeviation = block.majorDeviation;
    s.goPitch = block.goPitch + g.T / 2;
    s.noGoPitch = D2plusTD2 + g.T;
    s.pitchDeviation = -g.T;
    s.goWear = block.goWear;
    s.noGoWear = block.noGoWear;
    auto overBoth = [&](auto m) {
        WireMs ms;
        if (r.w1) ms.overW1 = m(*r.w1);
        if (r.w2) ms.overW2 = m(*r.w2);
        return ms;
    };
    // The GO M value adds the half tolerance last: (((D2 + Z) + 4.864w) - 1.866P) + T/2.
    s.goM = overBoth(
        [&](double w) { return trapezoidalThreeWireM(PitchDiameter{block.goPitch}, Wire{w}, Pitch{P}) + g.T / 2; });
    s.noGoM = overBoth([&](double w) { return trapezoidalThreeWireM(PitchDiameter{s.noGoPitch}, Wire{w}, Pitch{P}); });
    s.goWearM = overBoth([&](double w) { return trapezoidalThreeWireM(PitchDiameter{s.goWear}, Wire{w}, Pitch{P}); });
    s.noGoWearM =
        overBoth([&](double w) { return trapezoidalThreeWireM(PitchDiameter{s.noGoWear}, Wire{w}, Pitch{P}); });
    r.gauge = s;
    return r;
}

}  // namespace quorvil::trapezoidal
