#include "threads/trapezoidal/tr_family.h"

#include <cmath>
#include <limits>
#include <span>

#include "common/numtext.h"
#include "threads/common/threewire.h"
#include "threads/common/tolerance.h"

namespace quorvil::trapezoidal {

namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

struct DrBand {
    double upTo;  // the bound belongs to this band
    double dr;
};

constexpr DrBand kDiameterBands[] = {
    {11.2, 9.38}, {22.4, 16.248}, {45, 32.496}, {90, 64.343}, {180, 130.767}, {kNoLimit, 238.746},
};

// clang-format off
constexpr PitchRow kPitchRows[] = {
    {1.5, "0.15", 0.15, std::nullopt, 0.067, 0.14},
    {2, "0.18", 0.25, WirePair{1.047, 1.157}, 0.071, 0.15},
    {3, "0.236", 0.25, WirePair{1.553, 1.591}, 0.085, 0.17},
    {4, "0.30", 0.25, WirePair{2.071, 2.217}, 0.095, 0.19},
    {5, "0.335", 0.25, WirePair{2.595, 2.886}, 0.106, 0.212},
    {6, "0.375", 0.5, WirePair{3.106, 3.177}, 0.118, 0.236},
    {7, "0.425", 0.5, std::nullopt, 0.125, 0.25},
    {8, "0.45", 0.5, WirePair{4.141, 4.211}, 0.132, 0.265},
    {9, "0.50", 0.5, std::nullopt, 0.14, 0.28},
    {10, "0.53", 0.5, WirePair{5.176, 5.493}, 0.15, 0.3},
    {12, "0.60", 0.5, WirePair{6.212, 6.585}, 0.16, 0.335},
    {14, "0.67", 1, std::nullopt, 0.18, 0.355},
    {16, "0.71", 1, std::nullopt, 0.19, 0.375},
    {18, "0.80", 1, std::nullopt, 0.2, 0.4},
    {20, "0.85", 1, std::nullopt, 0.212, 0.425},
    {22, "0.90", 1, std::nullopt, 0.224, 0.45},
    {24, "0.95", 1, std::nullopt, 0.236, 0.475},
    {28, "1.06", 1, std::nullopt, 0.25, 0.5},
    {32, "1.12", 1, std::nullopt, 0.265, 0.53},
    {36, "1.25", 1, std::nullopt, 0.28, 0.56},
    {40, "1.32", 1, std::nullopt, 0.3, 0.6},
    {44, "1.4", 1, std::nullopt, 0.315, 0.63},
};
// clang-format on

struct GaugeBand {
    double upTo;  // the bound belongs to this band
    GaugeRow row;
};

constexpr GaugeBand kGaugeBands[] = {
    {0.125, {0.013, 0.009, 0.018, 0.014}}, {0.2, {0.016, 0.017, 0.025, 0.017}},
    {0.315, {0.020, 0.023, 0.030, 0.022}}, {0.5, {0.026, 0.035, 0.039, 0.028}},
    {0.8, {0.032, 0.046, 0.048, 0.033}},   {kNoLimit, {0.038, 0.054, 0.057, 0.039}},
};

}  // namespace

double representativeDiameter(double d) { return bandUpTo(d, std::span<const DrBand>(kDiameterBands)).dr; }
double representativeDiameter(float d) { return bandUpTo(d, std::span<const DrBand>(kDiameterBands)).dr; }

const PitchRow* pitchRow(double P) {
    for (const PitchRow& r : kPitchRows)
        if (P == r.P) return &r;
    return nullptr;
}

std::optional<double> majorDiameterTolerance(double P) {
    if (const PitchRow* r = pitchRow(P)) return readStrict(r->tdText);
    return std::nullopt;
}

std::optional<double> crestClearance(double P) {
    if (const PitchRow* r = pitchRow(P)) return r->ac;
    return std::nullopt;
}

std::optional<WirePair> wires(double P) {
    if (const PitchRow* r = pitchRow(P)) return r->wires;
    return std::nullopt;
}

double fundamentalDeviation(Position position, double P) {
    switch (position) {
    case Position::h: return 0;
    case Position::e: return P > 3 ? std::sqrt(P) * -47.49 * 0.001 : -(11 * P + 50) * 0.001;
    case Position::c: return P > 2 ? std::sqrt(P) * -94.12 * 0.001 - 0.005 : -(11 * P + 125) * 0.001;
    }
    return 0;
}

double pitchTolerance(double k, double P, double dr) { return powP04(P) * k * powDr01(dr) * 0.001; }

double pitchLowerDeviation(double k, double P, double dr, double es) {
    return powP04(P) * -k * powDr01(dr) * 0.001 + es;
}

double minorLowerDeviation(double k, double P, double dr, double es) {
    return powP04(P) * -k * powDr01(dr) * 0.001 * 1.25 + es;
}

double minorTolerance(double P) { return powP07(P) * 230 * 0.63 * 0.001; }

double pitchDiameter(double d, double P) { return d - P * 0.5; }
double externalMinorDiameter(double d, double P, double ac) { return (d - P) - 2 * ac; }
double internalMajorDiameter(double d, double ac) { return 2 * ac + d; }
double internalMinorDiameter(double d, double P) { return d - P; }

GaugeRow gaugeRow(double TD2) { return bandUpTo(TD2, std::span<const GaugeBand>(kGaugeBands)).row; }
GaugeRow gaugeRow(float TD2) { return bandUpTo(TD2, std::span<const GaugeBand>(kGaugeBands)).row; }

GaugeBlock gaugeBlock(double d, double P, double D2, double D2plusTD2, double w1, const GaugeRow& g) {
    GaugeBlock b{};
    b.goMajor = (d + g.Z) + g.T;
    b.noGoMajor = ((D2plusTD2 + g.T / 2) + 0.2 * P) + g.T;
    b.majorDeviation = -g.T * 2;
    b.goPitch = D2 + g.Z;
    b.noGoPitch = D2plusTD2 + g.T / 2;
    b.pitchTolerance = g.T / 2;
    b.goWear = b.goPitch - g.WG;
    b.noGoWear = b.noGoPitch - g.WN;
    b.goM = trapezoidalThreeWireM(PitchDiameter{b.goPitch}, Wire{w1}, Pitch{P});
    b.noGoM = trapezoidalThreeWireM(PitchDiameter{b.noGoPitch}, Wire{w1}, Pitch{P});
    b.goWearM = trapezoidalThreeWireM(PitchDiameter{b.goWear}, Wire{w1}, Pitch{P});
    b.noGoWearM = trapezoidalThreeWireM(PitchDiameter{b.noGoWear}, Wire{w1}, Pitch{P});
    return b;
}

namespace {

// The value as the window stores it, in single precision; beyond the single
// range it is not finite, so that no box shows it.
float stored(double v) { return toSingle(v).value_or(std::numeric_limits<float>::infinity()); }

std::optional<float> stored(const std::optional<double>& v) {
    if (v) return stored(*v);
    return std::nullopt;
}

}  // namespace

SingleResults computeSingle(float d, float P, ExternalTolerance external, double kInternal) {
    SingleResults r{};
    r.d = d;
    const float dr = stored(representativeDiameter(d));
    const std::optional<WirePair> w = wires(P);
    if (w) {
        r.w1 = stored(w->preferred);
        r.w2 = stored(w->second);
    }
    if (const auto td = stored(majorDiameterTolerance(P))) r.majorLower = -*td;
    r.d2 = stored(pitchDiameter(d, P));
    const std::optional<float> ac = stored(crestClearance(P));
    if (ac) r.d3 = stored(externalMinorDiameter(d, P, *ac));
    if (r.w1) r.M1 = stored(trapezoidalThreeWireM(PitchDiameter{r.d2}, Wire{*r.w1}, Pitch{P}));
    if (r.w2) r.M2 = stored(trapezoidalThreeWireM(PitchDiameter{r.d2}, Wire{*r.w2}, Pitch{P}));

    r.es = stored(fundamentalDeviation(external.position, P));
    r.pitchLower = stored(pitchLowerDeviation(external.k, P, dr, r.es));
    r.minorLower = stored(minorLowerDeviation(external.k, P, dr, r.es));

    if (ac) r.D4 = stored(internalMajorDiameter(d, *ac));
    r.D2 = stored(pitchDiameter(d, P));
    r.D1 = stored(internalMinorDiameter(d, P));
    r.TD1 = stored(minorTolerance(P));

    r.TD2 = stored(pitchTolerance(kInternal, P, dr));
    const GaugeRow g = gaugeRow(r.TD2);
    const float D2plusTD2 = stored(static_cast<double>(r.D2) + r.TD2);
    const GaugeBlock b = gaugeBlock(d, P, r.D2, D2plusTD2, r.w1.value_or(0), g);
    r.goMajor = stored(b.goMajor);
    r.noGoMajor = stored(b.noGoMajor);
    r.majorDeviation = stored(b.majorDeviation);
    r.pitchTolerance = stored(b.pitchTolerance);
    if (r.w1) {
        r.goM = stored(b.goM);
        r.noGoM = stored(b.noGoM);
        r.goWearM = stored(b.goWearM);
        r.noGoWearM = stored(b.noGoWearM);
    }
    return r;
}

}  // namespace quorvil::trapezoidal
