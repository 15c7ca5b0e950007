#include "threads/unified/unified.h"

#include <cmath>

#include "common/numtext.h"
#include "common/units.h"

namespace quorvil::unified {

namespace {

constexpr FlankAngle kFlank{60};

double pitch(float n) { return 1 / static_cast<double>(n); }

// P^(2/3), as the square of the cube root taken through logarithms.
double pitchTwoThirds(float n) { return std::pow(std::exp(std::log(pitch(n)) / 3), 2); }

struct WireRow {
    double n;
    double preferred;
    double second;
};

constexpr std::array<WireRow, 18> kWires{{
    {32, 0.511, 0.572},
    {28, 0.572, 0.724},
    {24, 0.724, 0.796},
    {20, 0.786, 0.866},
    {18, 0.866, 1.008},
    {16, 1.008, 1.047},
    {14, 1.047, 1.157},
    {13, 1.157, 1.302},
    {12, 1.302, 1.441},
    {11, 1.302, 1.441},
    {10, 1.441, 1.553},
    {9, 1.732, 1.591},
    {8, 1.833, 2.02},
    {7, 2.02, 2.071},
    {6, 2.595, 2.886},
    {5, 3.106, 3.177},
    {4.5, 3.287, 3.31},
    {4, 3.666, 4.091},
}};

}  // namespace

float lengthOfEngagement(float n, float D) {
    float LE = 0;
    if (n == 4 || n == 6 || n == 8 || n == 10)
        LE = D;
    else if (n == 12)
        LE = 0.75f;
    else if (n == 16)
        LE = 0.5625f;
    else if (n == 20)
        LE = 0.45f;
    else if (n == 28)
        LE = 0.321428f;
    else if (n == 32)
        LE = 0.28125f;
    return LE;
}

std::optional<float> baseTolerance(float D, float n, float LE) {
    if (!(D > 0) || !(n > 0) || !(LE >= 0)) return std::nullopt;
    const double cD = std::exp(std::log(static_cast<double>(D)) / 3);
    const double rL = std::sqrt(static_cast<double>(LE));
    const double cP = std::exp(std::log(pitch(n)) / 3);
    return toSingle(std::pow(cP, 2) * 0.015 + (rL * 0.0015 + cD * 0.0015));
}

Depths depths(float n) {
    const double P = pitch(n);
    return {P * 0.16 * kMillimetresPerInch, P * 0.125 * kMillimetresPerInch, P * 0.63145 * kMillimetresPerInch,
            P * 0.63145 * kMillimetresPerInch};
}

double externalMinorMm(float D, float n) { return (D - pitch(n) * 1.19078) * kMillimetresPerInch; }

double allowance(ThreadClass c, float T) { return c == ThreadClass::Three ? 0.0 : T * 0.3; }

Limits limits(ThreadClass c, float D, float n, float T) {
    const double d = D, t = T, P = pitch(n);
    const double es = allowance(c, T);
    double Td = 0, Td2 = 0, TD2 = 0, TD1 = 0;
    switch (c) {
    case ThreadClass::One:
        Td = 0.09 * pitchTwoThirds(n);
        Td2 = 1.5 * t;
        TD2 = 1.95 * t;
        TD1 = 0.25 * P - 0.4 * (P * P);
        break;
    case ThreadClass::Two:
        Td = 0.06 * pitchTwoThirds(n);
        Td2 = t;
        TD2 = 1.3 * t;
        TD1 = 0.25 * P - 0.4 * (P * P);
        break;
    case ThreadClass::Three:
        Td = 0.06 * pitchTwoThirds(n);
        Td2 = 0.75 * t;
        TD2 = 0.975 * t;
        TD1 = n >= 13 ? 0.23 * P - 1.5 * (P * P) : 0.12 * P;
        break;
    }
    Limits L{};
    if (c == ThreadClass::Three) L.majorMaxSingle = D;
    L.majorMax = c == ThreadClass::Three ? d : d - es;
    L.majorMin = d - es - Td;
    L.majorMaxMm = (d - es) * kMillimetresPerInch;
    L.majorTolMm = Td * kMillimetresPerInch;
    L.pitchMax = d - P * 0.64952 - es;
    // In 1A(B) the allowance and the tolerance are taken off as one factor.
    L.pitchMin = c == ThreadClass::One ? d - P * 0.64952 - 1.8 * t : d - P * 0.64952 - es - Td2;
    L.pitchMaxMm = (d - P * 0.64952 - es) * kMillimetresPerInch;
    L.pitchTolMm = Td2 * kMillimetresPerInch;
    L.intPitchMin = d - P * 0.6495;
    L.intPitchMax = d - P * 0.6495 + TD2;
    L.intPitchMinMm = (d - P * 0.6495) * kMillimetresPerInch;
    L.intPitchTolMm = TD2 * kMillimetresPerInch;
    L.intMinorMin = d - P * 1.0825;
    L.intMinorMax = d - P * 1.0825 + TD1;
    L.intMinorMinMm = (d - P * 1.0825) * kMillimetresPerInch;
    L.intMinorTolMm = TD1 * kMillimetresPerInch;
    L.intMajorMinMm = d * kMillimetresPerInch;
    return L;
}

Pattern internalMinorPattern(ThreadClass c) { return c == ThreadClass::Three ? Pattern::Fixed4 : Pattern::Fixed3; }

inch::ThreadMValues threadMValues(ThreadClass c, float D, float n, float T, std::optional<double> preferredWire,
                                  std::optional<double> secondWire) {
    return inch::threadMValues(kFlank, externalPitchMaxMm(c, D, n, T), n, preferredWire, secondWire);
}

inch::GaugeBlock gaugeBlock(ThreadClass c, float n, const Limits& L, std::optional<double> preferredWire,
                            std::optional<double> noGoToleranceMm) {
    using inch::kInchPattern;
    using inch::kMmPattern;
    inch::GaugeBlockInputs in{};
    in.flank = kFlank;
    in.n = n;
    in.mPitch = inch::GaugeMPitch::InchLimit;
    in.majorMinInch = shownAs(L.intMajorMinMm, kMmPattern) / kMillimetresPerInch;
    in.pitchMinInch = shownAs(L.intPitchMin, kInchPattern);
    in.pitchMaxInch = shownAs(L.intPitchMax, kInchPattern);
    in.minorInch = shownAs(L.intMinorMax, internalMinorPattern(c));
    in.externalMajorMaxInch =
        L.majorMaxSingle ? shownAsSingle(*L.majorMaxSingle, kInchPattern) : shownAs(L.majorMax, kInchPattern);
    in.bandKeyMm = shownAs(L.intPitchTolMm, kMmPattern);
    in.preferredWire = preferredWire;
    in.noGoToleranceMm = noGoToleranceMm;
    return inch::gaugeBlock(in);
}

double externalPitchMaxMm(ThreadClass c, float D, float n, float T) {
    return (D - pitch(n) * 0.64952 - allowance(c, T)) * kMillimetresPerInch;
}

Tapping tapping(float D, float n) {
    const double d = D, P = pitch(n);
    const double drill = kMillimetresPerInch / static_cast<double>(n) > 1 ? (d - P * 1.06) * kMillimetresPerInch
                                                                          : (d - P) * kMillimetresPerInch;
    return {drill, d * kMillimetresPerInch + d * (0.7 * kMillimetresPerInch), (P * 2.5 + d) * kMillimetresPerInch};
}

std::optional<Wires> wires(float n) {
    for (const WireRow& r : kWires) {
        if (static_cast<double>(n) == r.n) return Wires{r.preferred, r.second};
    }
    return std::nullopt;
}

// clang-format off
const std::array<std::string_view, 34> kSizes = {
    "1/4(0.25)",
    "5/16(0.3125)",
    "3/8(0.375)",
    "7/16(0.4375)",
    "1/2(0.500)",
    "9/16(0.5625)",
    "5/8(0.625)",
    "3/4(0.750)",
    "7/8(0.875)",
    "1(1.00)",
    "1-1/8(1.125)",
    "1-1/4(1.25)",
    "1-3/8(1.375)",
    "1-1/2(1.5)",
    "1-5/8(1.625)",
    "1-3/4(1.75)",
    "1-7/8(1.875)",
    "2(2.0)",
    "2-1/4(2.25)",
    "2-1/2(2.5)",
    "2-3/4(2.75)",
    "3(3.0)",
    "3-1/4(3.25)",
    "3-1/2(3.5)",
    "3-3/4(3.75)",
    "4(4.0)",
    "4-1/4(4.25)",
    "4-1/2(4.5)",
    "4-3/4(4.75)",
    "5(5.0)",
    "5-1/4(5.25)",
    "5-1/2(5.5)",
    "5-3/4(5.75)",
    "6(6.0)",
};
// clang-format on

const std::array<std::string_view, 34> kSeriesTexts = {
    "粗牙:20UNC.细牙:28UNF.超细牙:32UNEF",
    "粗牙:18UNC.细牙:24UNF.超细牙:32UNEF.其它系列:20UN.28UN",
    "粗牙:16UNC.细牙:24UNF.超细牙:32UNEF.其它系列:20UN.28UN",
    "粗牙:14UNC.细牙:20UNF.超细牙:28UNEF.其它系列:16UN.32UN",
    "粗牙:13UNC.细牙:20UNF.超细牙:28UNEF.其它系列:16UN.32UN",
    "粗牙:12UNC.细牙:18UNF.超细牙:24UNEF.其它系列:16UN.20UN.28UN.32UN",
    "粗牙:11UNC.细牙:18UNF.超细牙:24UNEF.其它系列:12UN.16UN.20UN.28UN.32UN",
    "粗牙:10UNC.细牙:16UNF.超细牙:20UNEF.其它系列:12UN.28UN.32UN",
    "粗牙:9UNC.细牙:14UNF.超细牙:20UNEF.其它系列:12UN.16UN.28UN.32UN",
    "粗牙:8UNC.细牙:12UNF.超细牙:20UNEF.其它系列:16UN.28UN.32UN",
    "粗牙:7UNC.细牙:12UNF.超细牙:18UNEF.其它系列:8UN.16UN.20UN.28UN",
    "粗牙:7UNC.细牙:12UNF.超细牙:18UNEF.其它系列:8UN.16UN.20UN.28UN",
    "粗牙:6UNC.细牙:12UNF.超细牙:18UNEF.其它系列:8UN.16UN.20UN.28UN",
    "粗牙:6UNC.细牙:12UNF.超细牙:18UNEF.其它系列:8UN.16UN.20UN.28UN",
    "超细牙:18UNEF.其它系列:6UN.8UN.12UN.16UN.20UN",
    "粗牙:5UNC.其它系列:6UN.8UN.12UN.16UN.20UN",
    "6UN.8UN.12UN.16UN.20UN",
    "粗牙:4-1/2UNC.其它系列:6UN.8UN.12UN.16UN.20UN",
    "粗牙:4-1/2UNC.其它系列:6UN.8UN.12UN.16UN.20UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN.20UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN.20UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN.20UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN",
    "粗牙:4UNC.其它系列:6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
    "4UN.6UN.8UN.12UN.16UN",
};

std::string_view seriesText(std::optional<int> row) {
    if (row && *row >= 0 && std::size_t(*row) < kSeriesTexts.size()) return kSeriesTexts[std::size_t(*row)];
    return kSeriesTexts.back();
}

}  // namespace quorvil::unified
