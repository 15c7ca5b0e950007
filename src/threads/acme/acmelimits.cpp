#include "threads/acme/acmelimits.h"

#include <array>

namespace quorvil::acme {

namespace {

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
    e.majorMaxMm = d * kMmPerInch;
    e.pitchMax = (d - (1 / n) * 0.5) - a;
    e.pitchMin = ((d - (1 / n) * 0.5) - T) - a;
    e.pitchMaxMm = ((d - (1 / n) * 0.5) - a) * kMmPerInch;
    e.pitchTolMm = T * kMmPerInch;
    e.minorMax = (d - 1 / n) - c;
    e.minorMin = ((d - 1 / n) - c) - 1.5 * T;
    e.minorMaxMm = ((d - 1 / n) - c) * kMmPerInch;
    e.minorTolMm = 1.5 * T * kMmPerInch;
    return e;
}

InternalLimits internalLimits(float D, double n, const ClassConstants& k) {
    const double d = D;
    const double T = pitchDiameterTolerance(k, D, n);
    const double dc = d + double(crestClearance(n));
    InternalLimits i{};
    i.majorMin = static_cast<float>(dc);  // two singles' sum: within the single range
    i.majorMax = isFineThread(n) ? dc + 0.01 : dc + 0.02;
    i.majorMinMm = dc * kMmPerInch;
    i.pitchMin = d - (1 / n) * 0.5;
    i.pitchMax = (d - (1 / n) * 0.5) + T;
    i.pitchMinMm = (d - (1 / n) * 0.5) * kMmPerInch;
    i.pitchTolMm = T * kMmPerInch;
    i.minorMin = d - 1 / n;
    i.minorMax = isFineThread(n) ? (d - 1 / n) + 0.005 : 0.05 / n + (d - 1 / n);
    i.minorMinMm = (d - 1 / n) * kMmPerInch;
    return i;
}

double externalPitchMaxMm(float D, double n, const ClassConstants& k) {
    return ((double(D) - 0.5 / n) - allowance(k, D)) * kMmPerInch;
}

double threadDepthMm(double n) { return (0.5 / n + 0.01) * kMmPerInch; }

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

}  // namespace quorvil::acme
