#include "threads/metric/gaugeblock.h"

namespace quorvil::metric {

std::optional<PlugGauges> plugGauges(double d, double p, std::optional<double> td2, std::optional<double> preferredWire,
                                     std::optional<double> secondWire) {
    const std::optional<GaugeTolerance> tol = td2 ? gaugeTolerance(*td2) : std::nullopt;
    if (!tol) return std::nullopt;
    PlugGauges g{};
    g.sizes = metricGaugeBlock(d, p, *td2, *tol);
    g.overPreferred = gaugeMValues(g.sizes, p, preferredWire);
    g.overSecond = gaugeMValues(g.sizes, p, secondWire);
    // Both gauges wear by the first allowance W.
    g.goWearLimit = gaugeWearLimit(shownAs(g.sizes.goPitch, kGaugePitchPattern), tol->W, tol->T);
    g.noGoWearLimit = gaugeWearLimit(shownAs(g.sizes.noGoPitch, kGaugePitchPattern), tol->W, tol->T);
    return g;
}

double gaugeWearLimit(double shownPitch, double wear, double T) { return shownPitch - (wear + T / 2); }

}  // namespace quorvil::metric
