#include "threads/common/inchgauge.h"

#include <array>

#include "common/units.h"

namespace quorvil::inch {

namespace {

struct ToleranceRow {
    double n;
    double standardInch;
    double acmeFineInch;
};

constexpr std::array<ToleranceRow, 11> kPitchTolerance{{
    {32, 0.0006, 0.0005},
    {16, 0.0006, 0.0005},
    {14, 0.0006, 0.0005},
    {12, 0.0006, 0.0006},
    {10, 0.0007, 0.0006},
    {8, 0.0008, 0.0007},
    {6, 0.0009, 0.0007},
    {5, 0.001, 0.0008},
    {4, 0.0011, 0.0008},
    {3, 0.0013, 0.0008},
    {2, 0.0015, 0.001},
}};

}  // namespace

std::optional<double> gaugePitchToleranceMm(double n, GaugeColumn column) {
    for (const ToleranceRow& r : kPitchTolerance) {
        if (r.n == n) return (column == GaugeColumn::Standard ? r.standardInch : r.acmeFineInch) * kMillimetresPerInch;
    }
    return std::nullopt;
}

double goThreadLengthMm(double n) { return kMillimetresPerInch / n * 8; }
double noGoThreadLengthMm(double n) { return kMillimetresPerInch / n * 5; }

bool fineMajorAllowances(double n) { return n > 10; }
double majorToleranceMm(double n) { return fineMajorAllowances(n) ? 0.0254 : 0.0508; }

double goMajorDiameterMm(double internalMajorMinInch, double n) {
    const double allowance = fineMajorAllowances(n) ? 0.005 : 0.01;
    return (internalMajorMinInch - allowance) * kMillimetresPerInch;
}

double noGoMajorDiameterMm(double externalMajorMaxInch, double n) {
    return (externalMajorMaxInch - 1 / n / 4) * kMillimetresPerInch;
}

double gaugeMinorDiameterMm(double internalMinorInch) { return (internalMinorInch - 0.01) * kMillimetresPerInch; }

double wearAmountMm(std::optional<GaugeTolerance> band) { return band ? band->T / 2 + band->W : 0.0; }

std::optional<double> gaugeM(FlankAngle angle, double pitchDiameterMm, double wireMm, double n) {
    return threeWireM(angle, PitchDiameter{pitchDiameterMm}, Wire{wireMm}, Pitch{pitchOfThreadsPerInch(n)});
}

std::optional<double> goWearLimitM(FlankAngle angle, double goPitchMm, double wearMm, double wireMm, double n) {
    return gaugeM(angle, goPitchMm - wearMm, wireMm, n);
}

std::optional<double> noGoWearLimitM(FlankAngle angle, double noGoPitchMm, double noGoToleranceMm, double wearMm,
                                     double wireMm, double n) {
    return gaugeM(angle, noGoPitchMm - wearMm - noGoToleranceMm, wireMm, n);
}

}  // namespace quorvil::inch
