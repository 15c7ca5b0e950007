#include "threads/acme/acmelimits.h"

#include <array>

#include "common/numtext.h"

namespace quorvil::acme {

namespace {

constexpr FlankAngle kFlank{29};

struct ToolTipRow {
    double n;
    double widthMm;
};

constexpr std::array<ToolTipRow, 10> kToolTipWidths{{
    {16, 0.458},
    {14, 0.543},
    {12, 0.655},
    {10, 0.812},
    {8, 1.047},
    {6, 1.439},
    {5, 1.753},
    {4, 2.224},
    {3, 3.009},
    {2, 4.578},
}};

struct WireRow {
    double n;
    AcmeWires wires;
};

// The second wire at 3 threads per inch is 4.733 (not the 4.773 of the
// standard wire list); there is no row for 2.
constexpr std::array<WireRow, 9> kWires{{
    {16, {0.866, 0.796}},
    {14, {1.008, 1.047}},
    {12, {1.157, 1.047}},
    {10, {1.441, 1.302}},
    {8, {1.732, 1.591}},
    {6, {2.217, 2.071}},
    {5, {2.595, 2.886}},
    {4, {3.287, 3.31}},
    {3, {4.4, 4.733}},
}};

}  // namespace

ExternalLimits externalLimits(float D, double n, const ClassConstants& k) {
    const double d = D;
    const double a = allowance(k, D);
    const double T = pitchDiameterTolerance(k, D, n);
    const double c = crestClearance(n);
    ExternalLimits e{};
    e.majorMin = isFineThread(n) ? d - 0.005 : d - (1 / n) * 0.05;
    e.majorMax = D;
    e.majorMaxMm = d * kMillimetresPerInch;
    e.pitchMax = (d - (1 / n) * 0.5) - a;
    e.pitchMin = ((d - (1 / n) * 0.5) - T) - a;
    e.pitchMaxMm = ((d - (1 / n) * 0.5) - a) * kMillimetresPerInch;
    e.pitchTolMm = T * kMillimetresPerInch;
    e.minorMax = (d - 1 / n) - c;
    e.minorMin = ((d - 1 / n) - c) - 1.5 * T;
    e.minorMaxMm = ((d - 1 / n) - c) * kMillimetresPerInch;
    e.minorTolMm = 1.5 * T * kMillimetresPerInch;
    return e;
}

InternalLimits internalLimits(float D, double n, const ClassConstants& k) {
    const double d = D;
    const double T = pitchDiameterTolerance(k, D, n);
    const double dc = d + double(crestClearance(n));
    InternalLimits i{};
    // D is at most the largest single and c a hundredth or two, so the sum
    // narrows to single precision without leaving its range.
    i.majorMin = static_cast<float>(dc);
    i.majorMax = isFineThread(n) ? dc + 0.01 : dc + 0.02;
    i.majorMinMm = dc * kMillimetresPerInch;
    i.pitchMin = d - (1 / n) * 0.5;
    i.pitchMax = (d - (1 / n) * 0.5) + T;
    i.pitchMinMm = (d - (1 / n) * 0.5) * kMillimetresPerInch;
    i.pitchTolMm = T * kMillimetresPerInch;
    i.minorMin = d - 1 / n;
    i.minorMax = isFineThread(n) ? (d - 1 / n) + 0.005 : 0.05 / n + (d - 1 / n);
    i.minorMinMm = (d - 1 / n) * kMillimetresPerInch;
    return i;
}

double externalPitchMaxMm(float D, double n, const ClassConstants& k) {
    return ((double(D) - 0.5 / n) - allowance(k, D)) * kMillimetresPerInch;
}

double threadDepthMm(double n) { return (0.5 / n + 0.01) * kMillimetresPerInch; }

std::optional<double> toolTipWidthMm(double n) {
    for (const ToolTipRow& r : kToolTipWidths)
        if (r.n == n) return r.widthMm;
    return std::nullopt;
}

std::optional<AcmeWires> acmeWires(double n) {
    for (const WireRow& r : kWires)
        if (r.n == n) return r.wires;
    return std::nullopt;
}

inch::ThreadMValues threadMValues(float D, double n, const ClassConstants& k, std::optional<double> preferredWire,
                                  std::optional<double> secondWire) {
    return inch::threadMValues(kFlank, externalPitchMaxMm(D, n, k), n, preferredWire, secondWire);
}

inch::GaugeColumn gaugeColumn(AcmeClass c) {
    return c == AcmeClass::G2 ? inch::GaugeColumn::Standard : inch::GaugeColumn::AcmeFineClass;
}

inch::GaugeBlock gaugeBlock(AcmeClass c, double n, const ExternalLimits& e, const InternalLimits& i,
                            std::optional<double> preferredWire, std::optional<double> noGoToleranceMm) {
    using inch::kInchPattern;
    using inch::kMmPattern;
    inch::GaugeBlockInputs in{};
    in.flank = kFlank;
    in.n = n;
    in.mPitch = inch::GaugeMPitch::GaugeBox;
    in.majorMinInch = shownAsSingle(i.majorMin, kInchPattern);
    in.pitchMinInch = shownAs(i.pitchMin, kInchPattern);
    in.pitchMaxInch = shownAs(i.pitchMax, kInchPattern);
    in.minorInch = shownAs(i.minorMin, kInchPattern);
    in.externalMajorMaxInch = shownAsSingle(e.majorMax, kInchPattern);
    in.bandKeyMm = shownAs(c == AcmeClass::G2 ? i.pitchTolMm : e.pitchTolMm, kMmPattern);
    in.preferredWire = preferredWire;
    in.noGoToleranceMm = noGoToleranceMm;
    return inch::gaugeBlock(in);
}

}  // namespace quorvil::acme
