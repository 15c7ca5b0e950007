#include "threads/common/metricgauge.h"

#include "threads/common/threewire.h"

namespace quorvil::metric {

double basicPitchDiameter(double d, double p) { return d - p * 0.64952; }

double basicMinorDiameter(double d, double p) { return d - p * 1.0825; }

MetricGaugeBlock metricGaugeBlock(double d, double p, double td2, const GaugeTolerance& g) {
    const double d2 = basicPitchDiameter(d, p);
    MetricGaugeBlock b{};
    b.goMajor = (d + g.Z) + g.T;
    b.goMajorLowerDev = -2 * g.T;
    b.goPitch = (d2 + g.Z) + g.T / 2;
    b.goPitchLowerDev = -g.T;
    b.noGoMajor = ((td2 + d2) + (3 * g.T) / 2) + 0.2 * p;
    b.noGoMajorLowerDev = -2 * g.T;
    b.noGoPitch = (td2 + d2) + g.T;
    b.noGoPitchLowerDev = -g.T;
    return b;
}

GaugeMValues gaugeMValues(const MetricGaugeBlock& b, double p, std::optional<double> wire) {
    if (!wire) return {};
    return {metricThreeWireM(PitchDiameter{b.goPitch}, Wire{*wire}, Pitch{p}),
            metricThreeWireM(PitchDiameter{b.noGoPitch}, Wire{*wire}, Pitch{p})};
}

}  // namespace quorvil::metric
