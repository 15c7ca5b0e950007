#include "threads/common/inchgauge.h"

#include <array>
#include <limits>

#include "common/units.h"

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

std::optional<double> wearAmountMm(std::optional<GaugeTolerance> band) {
    if (!band) return std::nullopt;
    return band->T / 2 + band->W;
}

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

namespace {

// The M value over a wire, if there is one; infinity stands for no finite number.
template <class F>
MValue overWire(std::optional<double> wire, F&& m) {
    if (!wire) return std::nullopt;
    return m(*wire).value_or(std::numeric_limits<double>::infinity());
}

}  // namespace

ThreadMValues threadMValues(FlankAngle flank, double E, double n, std::optional<double> preferredWire,
                            std::optional<double> secondWire) {
    const auto over = [&](double w) { return gaugeM(flank, E, w, n); };
    return {overWire(preferredWire, over), overWire(secondWire, over)};
}

GaugeBlock gaugeBlock(const GaugeBlockInputs& in) {
    const double n = in.n;
    GaugeBlock g{};
    g.goLength = goThreadLengthMm(n);
    g.noGoLength = noGoThreadLengthMm(n);
    g.goMajor = goMajorDiameterMm(in.majorMinInch, n);
    g.noGoMajor = noGoMajorDiameterMm(in.externalMajorMaxInch, n);
    g.majorToleranceMm = majorToleranceMm(n);
    g.goPitch = in.pitchMinInch * kMillimetresPerInch;
    g.noGoPitch = in.pitchMaxInch * kMillimetresPerInch;
    g.minor = gaugeMinorDiameterMm(in.minorInch);

    // The gauge pitch diameters as their boxes show them: the wear limits
    // start from those, and with GaugeBox the M values too.
    const double goShown = shownAs(g.goPitch, kMmPattern);
    const double noGoShown = shownAs(g.noGoPitch, kMmPattern);
    const bool fromBoxes = in.mPitch == GaugeMPitch::GaugeBox;
    const std::optional<double> wire = in.preferredWire;
    g.goM = overWire(wire, [&](double w) { return gaugeM(in.flank, fromBoxes ? goShown : g.goPitch, w, n); });
    g.noGoM = overWire(wire, [&](double w) { return gaugeM(in.flank, fromBoxes ? noGoShown : g.noGoPitch, w, n); });

    const std::optional<double> wear = wearAmountMm(gaugeTolerance(in.bandKeyMm));
    const std::optional<double> noGoTol = in.noGoToleranceMm;
    if (wear) {
        g.goWearM = overWire(wire, [&](double w) { return goWearLimitM(in.flank, goShown, *wear, w, n); });
        g.noGoWearM = overWire(noGoTol ? wire : std::nullopt,
                               [&](double w) { return noGoWearLimitM(in.flank, noGoShown, *noGoTol, *wear, w, n); });
    }
    return g;
}

}  // namespace quorvil::inch
